// SPDX-License-Identifier: MIT
// The far-to-near order of the cell list, its tie rule and its painting.
#include "TestSupport.h"

#include <gtest/gtest.h>

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
