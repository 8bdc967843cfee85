// SPDX-License-Identifier: MIT
// kelvo render writing meshes, drawing several graphs with --and, and hiding exactly.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace {

KelvoRun kelvoRender(std::vector<std::string> args) {
  args.insert(args.begin(), "render");
  return RunKelvo(args);
}

std::filesystem::path scratch(const std::string& name) {
  static const std::filesystem::path dir = ScratchFolder("kelvo-cli-graphs-test");
  std::filesystem::remove(dir / name);
  return dir / name;
}

std::size_t countLines(const std::string& text, const std::string& start) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    if (text.compare(at, start.size(), start) == 0) ++count;
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return count;
}

// 3 x 3 cells of a plane: 16 corners, 18 triangles, in an OBJ by name or on standard output,
// and in a binary STL of 84 + 50 bytes a triangle.
TEST(RenderMesh, ObjAndStlByNameOrFormat) {
  const auto obj = scratch("plane.OBJ"), stl = scratch("plane.stl");
  const std::vector<std::string> plane = {"--function", "x-y", "--curves", "3,3"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> all = plane;
    all.insert(all.end(), more.begin(), more.end());
    return kelvoRender(all);
  };
  ASSERT_EQ(with({"--out", obj.string()}).status, 0);
  const std::string text = BytesOf(obj);
  EXPECT_EQ(text.rfind("# Kelvo mesh", 0), 0u);
  EXPECT_EQ(countLines(text, "v "), 16u);
  EXPECT_EQ(countLines(text, "vn "), 18u);
  EXPECT_EQ(countLines(text, "f "), 18u);
  EXPECT_EQ(countLines(text, "g "), 1u);
  const KelvoRun piped = with({"--out", "-", "--format", "obj"});
  ASSERT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, text);
  ASSERT_EQ(with({"--out", stl.string()}).status, 0);
  EXPECT_EQ(BytesOf(stl).size(), 84u + 50u * 18u);
}

TEST(RenderMesh, RefusedWhereItMeansNothing) {
  const KelvoRun full = kelvoRender({"--function", "x", "--full", "--out", "x.obj"});
  EXPECT_EQ(full.status, 2);
  EXPECT_NE(full.err.find("--full"), std::string::npos) << full.err;
  // A space curve has no surface: the mesh is written, empty, and says so.
  const auto empty = scratch("curve.stl");
  const KelvoRun curve = kelvoRender({"--kind", "3", "--sample", "1", "--out", empty.string()});
  EXPECT_EQ(curve.status, 0);
  EXPECT_NE(curve.err.find("no surface"), std::string::npos) << curve.err;
  EXPECT_EQ(BytesOf(empty).size(), 84u);
}

} // namespace
