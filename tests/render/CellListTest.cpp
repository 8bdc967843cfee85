// SPDX-License-Identifier: MIT
// The far-to-near order of the cell list, its tie rule and its painting.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

// Cells identified by their first corner's x; painting order read back from the recording.
std::vector<int> paintOrder(const std::vector<double>& distances) {
  Program p;
  RecordingCanvas canvas;
  p.canvas = &canvas;
  for (std::size_t i = 0; i < distances.size(); ++i) {
    p.CellList[i + 1].Distance = distances[i];
    p.CellList[i + 1].Corners[0].x = static_cast<int>(i);
  }
  PaintCellList(p, static_cast<int>(distances.size()));
  std::vector<int> order;
  for (const auto& r : canvas.only(Recorded::Polygon)) order.push_back(r.points[0].x);
  return order;
}

TEST(CellOrder, FarthestFirstWithTheSelectionTieRule) {
  const struct {
    std::vector<double> distances;
    std::vector<int> order;
  } cases[] = {
      {{}, {}},
      {{5}, {0}},
      {{1, 2, 3}, {2, 1, 0}},
      {{3, 2, 1}, {0, 1, 2}},
      // Equal distances: whichever stands first when its slot is filled. The exchange that
      // brings cell 1 forward moves cell 0 behind cell 2, so 2 is painted before 0.
      {{1, 2, 1, 2}, {1, 3, 2, 0}},
      {{7, 7, 7}, {0, 1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.distances));
    EXPECT_EQ(paintOrder(c.distances), c.order);
  }
}

// The plain selection sort, slot by slot, as the painting order is defined.
std::vector<int> selectionOrder(std::vector<double> d) {
  std::vector<int> id(d.size());
  for (std::size_t i = 0; i < id.size(); ++i) id[i] = static_cast<int>(i);
  for (std::size_t i = 0; i + 1 < d.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i; j < d.size(); ++j)
      if (d[j] > d[best]) best = j;
    std::swap(d[best], d[i]);
    std::swap(id[best], id[i]);
  }
  return id;
}

// Many ties, and distances that are not numbers (which no comparison prefers), in lists of
// every length up to a few hundred: the fast order must be the selection sort's exactly.
TEST(CellOrder, SameOrderAsTheSelectionSort) {
  std::mt19937 random(12345);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int round = 0; round < 300; ++round) {
    const int n = static_cast<int>(random() % 300);
    const int values = 1 + static_cast<int>(random() % 8);
    std::vector<double> d(n);
    for (double& v : d) {
      const int pick = static_cast<int>(random() % (values + 1));
      v = pick == values && round % 3 == 0 ? nan : pick;
    }
    SCOPED_TRACE(testing::Message() << "round " << round << " n " << n);
    ASSERT_EQ(paintOrder(d), selectionOrder(d));
  }
}

TEST(CellOrder, CountBeyondTheListIsCut) {
  Program p;
  RecordingCanvas canvas;
  p.canvas = &canvas;
  PaintCellList(p, 1 << 30);
  EXPECT_EQ(canvas.only(Recorded::Polygon).size(), p.CellList.size() - 1);
  canvas.log.clear();
  PaintCellList(p, -4);
  EXPECT_TRUE(canvas.log.empty());
}

TEST(CellPaint, GridPenRecordStyleThenSolid) {
  Program p;
  RecordingCanvas canvas;
  p.canvas = &canvas;
  p.graph.GridColor = clTeal;
  p.CellList[1] = CellRecord{{}, 1, clLime, PenClear};
  PaintCellList(p, 1);
  ASSERT_EQ(canvas.log.size(), 5u);
  EXPECT_EQ(canvas.log[0].value, clTeal);
  EXPECT_EQ(canvas.log[1].value, PenClear);
  EXPECT_EQ(canvas.log[2].value, clLime);
  EXPECT_EQ(canvas.log[3].kind, Recorded::Polygon);
  EXPECT_EQ(canvas.log[4].value, PenSolid);
}

} // namespace
