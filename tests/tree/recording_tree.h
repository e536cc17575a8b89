#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "tree/fractal_tree.h"

namespace breliko::tree::testing {

// Hands out the numbers a test states, then `afterwards` for ever; a test
// with nothing to fall back on (afterwards < 0) fails on the first extra draw.
class ScriptedRandom {
 public:
  explicit ScriptedRandom(std::vector<double> values, double afterwards = -1)
      : values_(std::move(values)), afterwards_(afterwards) {}

  double Next() {
    if (used_ < values_.size()) return values_[used_++];
    ++used_;
    if (afterwards_ < 0) ADD_FAILURE() << "the tree drew an unscripted number, no. " << used_;
    return afterwards_ < 0 ? 0.5 : afterwards_;
  }
  bool AllUsed() const { return used_ == values_.size(); }

 private:
  std::vector<double> values_;
  double afterwards_;
  std::size_t used_ = 0;
};

// The arguments of one DrawBranch call.
struct Branch {
  float curve;
  Integer thickness, level, x, y, length;
  float theta;
};

// A tree that remembers every branch it started and every line it drew,
// with the level of the branch that drew it.
class RecordingTree : public FractalTree {
 public:
  explicit RecordingTree(ScriptedRandom& random, Integer drawWidth = 1)
      : FractalTree([&random] { return random.Next(); },
                    [this](const Line& line) {
                      lines.push_back(line);
                      levels.push_back(level_);
                    },
                    drawWidth) {}

  void DrawBranch(float curve, Integer thickness, Integer level, Integer x, Integer y,
                  Integer length, float theta) override {
    branches.push_back({curve, thickness, level, x, y, length, theta});
    level_ = level;
    FractalTree::DrawBranch(curve, thickness, level, x, y, length, theta);
  }

  // The children of the first branch drawn.
  std::vector<Branch> Children() const {
    std::vector<Branch> children;
    for (const Branch& branch : branches) {
      if (branch.level == branches.front().level - 1) children.push_back(branch);
    }
    return children;
  }

  std::vector<Branch> branches;
  std::vector<Line> lines;
  std::vector<Integer> levels;  // of the branch that drew each line

 private:
  Integer level_ = 0;
};

}  // namespace breliko::tree::testing
