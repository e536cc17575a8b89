#include "tree/fractal_tree.h"

#include <gtest/gtest.h>

#include <vector>

#include "recording_tree.h"

namespace breliko::tree {
namespace {

using testing::Branch;
using testing::RecordingTree;
using testing::ScriptedRandom;

// The tree writes pi as 3.14159.
constexpr double Degrees(double degrees) { return degrees * 3.14159 / 180; }
constexpr float kUp = -1.570795f;

TEST(FractalTree, ConvertsToIntegerHalfToEvenAndSticksAtTheRangeEnds) {
  const std::pair<double, Integer> rows[] = {{2.5, 2},     {3.5, 4},      {-2.5, -2},
                                             {2.6, 3},     {-0.6, -1},    {672.12, 672},
                                             {4e4, 32767}, {-4e4, -32768}};
  for (const auto& [value, expected] : rows) EXPECT_EQ(ToInteger(value), expected) << value;
}

TEST(FractalTree, CutsABranchInto5UnitSegmentsOneNumberEach) {
  const std::pair<Integer, std::size_t> rows[] = {{0, 0}, {2, 0},  {3, 1},    {7, 1},
                                                  {8, 2}, {13, 3}, {672, 134}};
  for (const auto& [length, segments] : rows) {
    std::vector<double> script(segments, 0.5);
    ScriptedRandom random(script);
    RecordingTree tree(random);
    tree.DrawBranch(0.1f, 1, 1, 100, 100, length, 0);
    EXPECT_EQ(tree.lines.size(), segments) << "length " << length;
    EXPECT_TRUE(random.AllUsed()) << "length " << length;
  }
}

TEST(FractalTree, FirstSegmentEndsFiveUnitsAwayInTheBranchDirection) {
  struct Row {
    double theta;
    int dx, dy;
  };
  const Row rows[] = {{kUp, 0, -5}, {0, 5, 0}, {Degrees(135), -4, 4}, {Degrees(-60), 3, -4}};
  for (const Row& row : rows) {
    ScriptedRandom random({0.5});
    RecordingTree tree(random);
    tree.DrawBranch(0.1f, 1, 1, 1110, 2215, 5, static_cast<float>(row.theta));
    ASSERT_EQ(tree.lines.size(), 1u);
    const Line& line = tree.lines[0];
    EXPECT_EQ(std::vector<int>({line.x1, line.y1, line.x2, line.y2}),
              std::vector<int>({1110, 2215, 1110 + row.dx, 2215 + row.dy}))
        << "theta " << row.theta;
  }
}

TEST(FractalTree, TurnsOnlyAfterEachSegmentIsDrawn) {
  ScriptedRandom random({0.9, 0.5});  // turns by 0.4 x curve = 1 radian
  RecordingTree tree(random);
  tree.DrawBranch(2.5f, 1, 1, 0, 0, 10, 0);
  ASSERT_EQ(tree.lines.size(), 2u);
  EXPECT_EQ(tree.lines[0].x2, 5);
  EXPECT_EQ(tree.lines[0].y2, 0);
  EXPECT_EQ(tree.lines[1].x1, 5);
  EXPECT_EQ(tree.lines[1].x2, 5 + 3);  // 5 cos 1 = 2.70
  EXPECT_EQ(tree.lines[1].y2, 0 + 4);  // 5 sin 1 = 4.21
}

TEST(FractalTree, ThicknessZeroKeepsTheLineWidthThePreviousBranchSet) {
  ScriptedRandom random({}, 0.5);
  RecordingTree tree(random, 3);
  for (Integer thickness : {0, 2, 0}) tree.DrawBranch(0.1f, thickness, 1, 0, 0, 5, 0);
  ASSERT_EQ(tree.lines.size(), 3u);
  EXPECT_EQ(tree.lines[0].widthPixels, 3);
  EXPECT_EQ(tree.lines[1].widthPixels, 2);
  EXPECT_EQ(tree.lines[2].widthPixels, 2);
}

TEST(FractalTree, ChildrenCountFollowsTheNumberAndFanEvenlyAcross28Degrees) {
  // Before their jitter (r2 = 0.5), leftmost first when the parent points up.
  const std::pair<double, std::vector<double>> rows[] = {
      {0.0, {-28, 28}},
      {0.3333, {-28, 28}},
      {0.3334, {-28, 0, 28}},
      {0.6666, {-28, 0, 28}},
      {0.6667, {-28, -28.0 / 3, 28.0 / 3, 28}},
      {0.9999999, {-28, -28.0 / 3, 28.0 / 3, 28}}};
  for (const auto& [r, offsets] : rows) {
    std::vector<double> script{r};
    script.resize(1 + 2 * offsets.size(), 0.5);  // length 0: no segments anywhere
    ScriptedRandom random(script);
    RecordingTree tree(random);
    tree.DrawBranch(0.1f, 2, 2, 1000, 1000, 0, kUp);
    const std::vector<Branch> children = tree.Children();
    ASSERT_EQ(children.size(), offsets.size()) << "r " << r;
    for (std::size_t i = 0; i < children.size(); ++i) {
      EXPECT_NEAR(children[i].theta, kUp + Degrees(offsets[i]), 1e-5) << "r " << r << ", " << i;
    }
    EXPECT_TRUE(random.AllUsed()) << "r " << r;
  }
}

TEST(FractalTree, ChildrenStartWhereTheBranchEndsOrWhereItStartsWithoutSegments) {
  const std::pair<Integer, int> rows[] = {{0, 300}, {1, 300}, {2, 300}, {3, 305}, {20, 320}};
  for (const auto& [length, endX] : rows) {
    ScriptedRandom random({}, 0.5);
    RecordingTree tree(random);
    tree.DrawBranch(0.1f, 2, 2, 300, 400, length, 0);
    for (const Branch& child : tree.Children()) {
      EXPECT_EQ(child.x, endX) << "length " << length;
      EXPECT_EQ(child.y, 400) << "length " << length;
    }
  }
}

TEST(FractalTree, DrawsNumbersPerSegmentThenCountThenEachChildDepthFirst) {
  ScriptedRandom random({
      0.5, 0.5,    // the parent's two segments
      0.0,         // two children
      0.0, 0.1,    // first child: length 0.63 x 10 -> 6, direction -28 - 16 degrees
      0.5,         // its one segment
      0.999, 0.9,  // second child: length 0.87 x 10 -> 9, direction 28 + 16 degrees
      0.5, 0.5,    // its two segments
  });
  RecordingTree tree(random);
  tree.DrawBranch(0.1f, 2, 2, 0, 0, 10, 0);
  const std::vector<Branch> children = tree.Children();
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[0].length, 6);
  EXPECT_NEAR(children[0].theta, Degrees(-28 - 16), 1e-5);
  EXPECT_EQ(children[1].length, 9);
  EXPECT_NEAR(children[1].theta, Degrees(28 + 16), 1e-5);
  EXPECT_TRUE(random.AllUsed());
}

TEST(FractalTree, PlacesTheTrunkFootAtTheBottomMiddle) {
  struct Row {
    float width, height;
    Integer x, y;
  };
  const Row rows[] = {
      {2220, 2220, 1110, 2215}, {2221, 2220.5f, 1110, 2216}, {2221.5f, 2219.5f, 1111, 2214}};
  for (const Row& row : rows) {
    ScriptedRandom random({});
    RecordingTree tree(random);
    tree.PlaceTrunkFoot(row.width, row.height);
    EXPECT_EQ(tree.Settings().TrunkX, row.x) << row.width;
    EXPECT_EQ(tree.Settings().TrunkY, row.y) << row.height;
  }
}

TEST(FractalTree, GrowsFiveLevelsThinnerAndWigglierUpTo30Degrees) {
  struct Level {
    Integer thickness, lineWidth;
    float curve;
  };
  // By levels still to draw: 5 is the trunk, 1 the twigs.
  const Level levels[6] = {{},
                           {0, 1, 0.5235983f},
                           {1, 1, 0.279252f},
                           {2, 2, 0.139626f},
                           {3, 3, 0.069813f},
                           {4, 4, 0.0349065f}};
  const std::pair<double, std::size_t> rows[] = {{0.0, 1 + 2 + 4 + 8 + 16},
                                                 {0.99, 1 + 4 + 16 + 64 + 256}};
  for (const auto& [r, branchCount] : rows) {
    ScriptedRandom random({}, r);
    RecordingTree tree(random);
    tree.PlaceTrunkFoot(2220, 2220);
    tree.DrawTree(2220);

    ASSERT_EQ(tree.branches.size(), branchCount) << "r " << r;
    const Branch& trunk = tree.branches[0];
    EXPECT_EQ(std::vector<int>({trunk.level, trunk.x, trunk.y, trunk.length}),
              std::vector<int>({5, 1110, 2215, 672}));
    EXPECT_FLOAT_EQ(trunk.theta, kUp);
    for (const Branch& branch : tree.branches) {
      EXPECT_EQ(branch.thickness, levels[branch.level].thickness) << "level " << branch.level;
      EXPECT_NEAR(branch.curve, levels[branch.level].curve, 1e-6) << "level " << branch.level;
    }
    for (std::size_t i = 0; i < tree.lines.size(); ++i) {
      EXPECT_EQ(tree.lines[i].widthPixels, levels[tree.levels[i]].lineWidth);
    }
  }
}

}  // namespace
}  // namespace breliko::tree
