#pragma once

#include <cstdint>
#include <functional>

namespace breliko::tree {

// The tree counts in 16-bit whole numbers, like every coordinate of the canvas.
using Integer = std::int16_t;

// Converts to Integer the way the tree always does: to the nearest whole
// number, a half going to the even neighbour. Values beyond the 16-bit range
// stick at its ends.
Integer ToInteger(double value);

// One straight piece of a branch, in canvas units (twips, y downwards), with
// the line width in pixels that the canvas is set to when it is drawn.
struct Line {
  Integer x1;
  Integer y1;
  Integer x2;
  Integer y2;
  Integer widthPixels;
};

// The shape of the tree, set afresh before every trunk is drawn (and once at
// construction, so that a single branch can be drawn on its own).
struct TreeSettings {
  float LengthFactor = 0;   // mean ratio of a child branch's length to its parent's
  float LengthJitter = 0;   // width of the random spread of that ratio
  float SpreadAngle = 0;    // half the fan of a branch's children, radians
  float AngleJitter = 0;    // width of the random spread of a child's direction, radians
  Integer MaxBranches = 0;  // most children of one branch
  Integer TreeDepth = 0;    // branch levels, trunk included
  Integer TrunkX = 0;       // foot of the trunk
  Integer TrunkY = 0;
  Integer TrunkLength = 0;  // canvas units
};

// Grows a random tree: a trunk that splits into two to four slightly curving
// branches, level after level, each child shorter than its parent.
class FractalTree {
 public:
  // A uniform number in [0, 1).
  using RandomNumber = std::function<double()>;
  using LineSink = std::function<void(const Line&)>;

  // drawWidth is the line width the canvas is set to before the first
  // branch; a branch of thickness 0 keeps whatever width it finds.
  FractalTree(RandomNumber nextRandom, LineSink drawLine, Integer drawWidth = 1);
  virtual ~FractalTree() = default;

  // Puts the foot of the trunk at the middle of the canvas's bottom edge,
  // 5 units above it. Sizes are the canvas's inner size in canvas units.
  void PlaceTrunkFoot(float scaleWidth, float scaleHeight);

  // Sets the shape of the tree, sizes the trunk so that it and five
  // shrinking successors fill the canvas height less 10 units, and draws
  // the whole tree from the foot placed before.
  void DrawTree(float scaleHeight);

  // Draws one branch as a chain of 5-unit segments whose direction wanders
  // by up to curve/2 per segment, then its children depth first, fanned
  // across the branch's direction. level counts the levels still to draw,
  // this one included; theta 0 points right, -pi/2 points up.
  virtual void DrawBranch(float curve, Integer thickness, Integer level, Integer x, Integer y,
                          Integer length, float theta);

  const TreeSettings& Settings() const { return settings_; }
  Integer DrawWidth() const { return drawWidth_; }

 private:
  void SetShape();

  RandomNumber nextRandom_;
  LineSink drawLine_;
  Integer drawWidth_;
  TreeSettings settings_;
};

}  // namespace breliko::tree
