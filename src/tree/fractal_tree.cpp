#include "tree/fractal_tree.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace breliko::tree {

namespace {

// Segments a third of a pixel long make a branch bend smoothly.
constexpr double kSegmentLength = 5;

// Angles are written with pi as 3.14159 throughout the tree.
constexpr float kTrunkCurve = static_cast<float>(3.14159 / 90);  // 2 degrees
constexpr float kMaxCurve = 0.5235983f;                          // 30 degrees
constexpr float kStraightUp = -1.570795f;
constexpr Integer kTrunkThickness = 4;

// The tree's shape; only the trunk's place and length depend on the canvas.
constexpr float kLengthFactor = 0.75f;
constexpr float kLengthJitter = 0.24f;
constexpr float kSpreadAngle = static_cast<float>(87.96452 / 180);  // 28 degrees
constexpr float kAngleJitter = static_cast<float>(125.6636 / 180);  // 40 degrees
constexpr Integer kMaxBranches = 4;
constexpr Integer kTreeDepth = 5;

// The trunk's foot stands 5 units above the bottom edge, and a tree grown
// straight up would end 5 units below the top.
constexpr float kFootMargin = 5;
constexpr double kHeightMargin = 10;

}  // namespace

Integer ToInteger(double value) {
  constexpr double kLowest = std::numeric_limits<Integer>::min();
  constexpr double kHighest = std::numeric_limits<Integer>::max();
  // nearbyint rounds a half to even in the default rounding mode.
  return static_cast<Integer>(std::nearbyint(std::clamp(value, kLowest, kHighest)));
}

FractalTree::FractalTree(RandomNumber nextRandom, LineSink drawLine, Integer drawWidth)
    : nextRandom_(std::move(nextRandom)), drawLine_(std::move(drawLine)), drawWidth_(drawWidth) {
  SetShape();
}

void FractalTree::PlaceTrunkFoot(float scaleWidth, float scaleHeight) {
  const auto wholeWidth = static_cast<std::int32_t>(std::nearbyint(scaleWidth));
  settings_.TrunkX = static_cast<Integer>(wholeWidth / 2);
  settings_.TrunkY = ToInteger(scaleHeight - kFootMargin);
}

void FractalTree::SetShape() {
  settings_.LengthFactor = kLengthFactor;
  settings_.LengthJitter = kLengthJitter;
  settings_.TreeDepth = kTreeDepth;
  settings_.SpreadAngle = kSpreadAngle;
  settings_.AngleJitter = kAngleJitter;
  settings_.MaxBranches = kMaxBranches;
}

void FractalTree::DrawTree(float scaleHeight) {
  SetShape();

  // The trunk and its successors form a geometric series that fills the
  // height: trunk x (1 + f + f^2 + ... + f^depth).
  const double factor = settings_.LengthFactor;
  const double seriesSum = (1 - std::pow(factor, settings_.TreeDepth + 1)) / (1 - factor);
  settings_.TrunkLength = ToInteger((scaleHeight - kHeightMargin) / seriesSum);

  DrawBranch(kTrunkCurve, kTrunkThickness, settings_.TreeDepth, settings_.TrunkX, settings_.TrunkY,
             settings_.TrunkLength, kStraightUp);
}

void FractalTree::DrawBranch(float curve, Integer thickness, Integer level, Integer x, Integer y,
                             Integer length, float theta) {
  // The twigs of the last level come with thickness 0 and keep the
  // one-pixel width their parent left on the canvas.
  if (thickness > 0) {
    drawWidth_ = thickness;
  }

  const Integer segments = ToInteger(length / kSegmentLength);
  Integer cx = x;
  Integer cy = y;
  float t = theta;
  for (Integer segment = 0; segment < segments; ++segment) {
    // The angle is kept in single precision but its sine and cosine are not.
    const double angle = t;
    const Integer nx = ToInteger(cx + kSegmentLength * std::cos(angle));
    const Integer ny = ToInteger(cy + kSegmentLength * std::sin(angle));
    drawLine_(Line{cx, cy, nx, ny, drawWidth_});
    t = static_cast<float>(t + (nextRandom_() - 0.5) * curve);
    cx = nx;
    cy = ny;
  }

  if (level <= 1) {
    return;
  }

  // 2, 3 or 4 children, each equally likely.
  const auto children =
      static_cast<Integer>(std::floor((settings_.MaxBranches - 1) * nextRandom_() + 2));
  const float step = 2 * settings_.SpreadAngle / static_cast<float>(children - 1);
  float direction = theta - settings_.SpreadAngle;
  // Each level wiggles twice as much as its parent, up to a limit.
  const float childCurve = std::min(2 * curve, kMaxCurve);
  for (Integer child = 0; child < children; ++child) {
    const double ratio = settings_.LengthJitter * (nextRandom_() - 0.5) + settings_.LengthFactor;
    const Integer childLength = ToInteger(ratio * length);
    const auto childTheta =
        static_cast<float>(settings_.AngleJitter * (nextRandom_() - 0.5) + direction);
    direction += step;
    DrawBranch(childCurve, static_cast<Integer>(thickness - 1), static_cast<Integer>(level - 1), cx,
               cy, childLength, childTheta);
  }
}

}  // namespace breliko::tree
