// SPDX-License-Identifier: MIT
// Exact hiding: the cells of every graph, the plane patch, the box's edges, the line and the
// curves split where they cross (a binary space partition in graph space) and painted far to
// near for any eye, so that whatever is nearer the eye along a line of sight hides what is
// behind it.
#pragma once

#include "graph/Colors.h"
#include "render/SceneCells.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Canvas;
struct Program;

// What is split besides the graphs' cells and curves: the plane patch and the point it was
// given through, the line, and the box's twelve edges.
struct SceneAdditions {
  bool plane = false, planeMarked = false;
  std::array<Point3, 4> planeCorners;
  Point3 planePoint;
  bool line = false;
  Point3 lineFrom, lineTo;
  std::vector<std::array<Point3, 2>> boxEdges;
};

// How the splitting went.
struct HiddenSceneStats {
  std::size_t polygons = 0;  // planar pieces before splitting: two triangles a cell, the patch
  std::size_t fragments = 0; // pieces after it
  std::size_t segments = 0;  // line pieces after it
  std::size_t nodes = 0;
  // The split stopped at its bound; what was left unsplit is painted farthest first.
  bool bounded = false;
};

class HiddenScene {
public:
  // At most this many pieces per piece given (and a few besides): past it the splitting stops.
  static constexpr std::size_t FragmentsPerPolygon = 4;
  static constexpr std::size_t ExtraFragments = 4096;
  // The most tests of a piece against a plane the splitting makes per piece given.
  static constexpr std::size_t WorkPerPolygon = 2048;

  // Splits the collected cells and curves of p (SceneCells, SceneCurves) and the additions.
  // The scene keeps what it needs of them; the colours are looked up when it is painted.
  HiddenScene(const Program& p, const SceneAdditions& additions);

  // Paints every piece far to near as seen from the eye of p's graph state, in p's view, on
  // p's canvas: each cell's piece filled in the colour its cell has for that eye and its own
  // edges outlined in its graph's grid colour; the patch, the line, the box and the curves in
  // the pen colour, the patch's point in lime.
  void paint(Program& p) const;

  const HiddenSceneStats& stats() const { return m_stats; }

  // What a piece, a line piece or a cell came from.
  enum class SourceKind : std::uint8_t {
    Cell,
    PlanePatch,
    PlanePoint,
    Line,
    Box,
    Curve,
    // The one curve of a surface over a domain of no width, in its graph's grid colour.
    GridCurve,
  };
  struct Source {
    SourceKind kind = SourceKind::Cell;
    std::uint32_t index = 0; // the cell, or the graph's place for a curve
  };

private:
  struct Plane {
    double a = 0, b = 0, c = 0, d = 0;
  };
  // A convex planar piece: its corners, and for each corner whether the edge from it to the
  // next corner is an edge of the piece's cell (drawn in the grid colour) or was made by a
  // split (not drawn).
  struct Piece {
    std::uint32_t first = 0, count = 0;
    std::uint32_t plane = 0;
    std::uint32_t source = 0;
  };
  struct Segment {
    Point3 from, to;
    std::uint32_t source = 0;
  };
  struct Node {
    std::uint32_t plane = 0;
    std::int32_t back = -1, front = -1;
    // The pieces and line pieces painted at the node, in m_nodePieces and m_nodeSegments.
    std::uint32_t firstPiece = 0, pieceCount = 0;
    std::vector<std::uint32_t> segments;
    // No plane: a region of space with line pieces only.
    bool leaf = false;
    // Left unsplit at the bound: its pieces are painted farthest first.
    bool bucket = false;
  };
  // What painting a cell's pieces needs: its look, the colour it was drawn with, its pen, its
  // graph's place and its centre.
  struct CellPaint {
    CellLook look;
    Color recorded = 0;
    std::uint8_t penStyle = 0;
    std::uint32_t graph = 0;
    // Where an implicit surface's triangle sees the eye from.
    Point3 centre;
  };
  struct Painting;

  std::uint32_t addSource(Source source);
  void addPolygon(const Point3* corners, const bool* outlined, std::size_t count,
                  std::uint32_t source);
  void addSegment(const Point3& from, const Point3& to, std::uint32_t source);
  void build();
  std::uint32_t chooseSplitter(const std::vector<std::uint32_t>& pieces) const;
  // -1 behind the plane, 1 in front of it, 0 on it.
  int sideOf(const Plane& plane, const Point3& q) const;
  void split(std::uint32_t piece, const Plane& plane, std::uint32_t& front, std::uint32_t& back);
  // Where a corner of one piece lies on an edge of another (a split made on one side of an
  // edge and not on the other), the corner is added to that edge too, so that the pieces meet
  // along the same corners on the picture and no crack opens between them.
  void mendJunctions();
  void insertSegments(std::vector<Segment> segments);
  void paintNode(Painting& painting, const Node& node) const;
  void paintPiece(Painting& painting, const Piece& piece) const;
  void paintSegment(Painting& painting, const Segment& segment) const;

  std::vector<Source> m_sources;
  std::vector<CellPaint> m_cells;
  std::vector<Plane> m_planes;
  std::vector<Point3> m_points;
  std::vector<std::uint8_t> m_outlined;
  std::vector<Piece> m_pieces;
  std::vector<Segment> m_segments;
  std::vector<Segment> m_pendingSegments;
  std::vector<std::uint32_t> m_nodePieces;
  std::vector<Node> m_nodes;
  double m_epsilon = 0;
  std::size_t m_pieceLimit = 0, m_workLimit = 0, m_work = 0;
  HiddenSceneStats m_stats;
};

// The geometry a hidden scene is split from, as text: every shown graph's own settings, the
// parameters, the axes box, the additions and whether the graphs are drawn at all. A scene
// split for the same text serves every view.
std::string HiddenSceneKey(const Program& p, bool withGraphs);
