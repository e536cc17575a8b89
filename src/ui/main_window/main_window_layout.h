// Main window: where every control of Form1 sits, and its captions and access keys.
#pragma once

#include <QColor>
#include <QRect>

#include <array>

#include "ui/common/device_pixels.h"

namespace breliko::ui::form1 {

// The main window is a fixed 800 × 600 pixels without any frame of the
// system's; everything on it has a fixed place.
inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

inline constexpr QColor kWindowColour{0, 128, 0};
inline constexpr QColor kPaleGreen{192, 255, 192};  // design text colour of the title
inline constexpr QColor kStartBaseColour{230, 255, 230};
inline constexpr QColor kButtonFace{185, 255, 185};
inline constexpr QColor kTreeColour{0, 128, 0};
inline constexpr QColor kFieldDesignColour{224, 224, 224};

// Board fields are 62 × 62 with a one-pixel gap, from (37, 17).
inline constexpr int kFieldSize = 62;
inline constexpr int kFieldPitch = 63;
inline constexpr int kBoardLeft = 37;
inline constexpr int kBoardTop = 17;

constexpr QRect FieldRect(int index) {
  return QRect(kBoardLeft + kFieldPitch * (index % 9), kBoardTop + kFieldPitch * (index / 9),
               kFieldSize, kFieldSize);
}

// The board on a screen of `ratio` device pixels to the pixel; at 1x its
// cells are those of FieldRect.
inline DeviceGrid BoardOnDevice(qreal ratio) {
  return GridOnDevice(FieldRect(0), kFieldPitch, 9, ratio);
}

inline constexpr QRect kRulesPanel{31, 13, 577, 574};
inline constexpr QRect kInformationPanel{35, 15, 570, 570};
inline constexpr QRect kTitle{622, 22, 161, 34};
inline constexpr QRect kScore{656, 70, 90, 37};
inline constexpr QRect kCanvas{624, 125, 152, 152};
inline constexpr QRect kGo{647, 573, 24, 24};

constexpr QRect PrototypeRect(int index) { return QRect(770, 300 + 30 * index, 25, 25); }

// The command buttons down the right-hand column.
enum Button {
  kSpielStarten,
  kSpielAbbrechen,
  kTonEinschaltenAusschalten,
  kFelderGrundfarbe,
  kSpielregeln,
  kInformation,
  kHighscoreAnzeigen,
  kHighscoreErneuern,
  kProgrammBeenden,
  kButtonCount
};

struct ButtonSpec {
  const char* name;
  const char* caption;  // UTF-8; "&" marks the access key
  QRect rect;
};

inline constexpr std::array<ButtonSpec, kButtonCount> kButtons = {{
    {"cmdSpielStarten", "startigi &ludon", {635, 295, 130, 22}},
    {"cmdSpielAbbrechen", "ĉesigi &partion", {635, 322, 130, 22}},
    {"cmdTonEinschaltenAusschalten", "&malkonekti sonon", {635, 349, 130, 22}},
    {"cmdFelderGrundfarbe", "ŝanĝi fonan &koloron", {635, 376, 130, 22}},
    {"cmdSpielregeln", "lud&regularo", {635, 403, 130, 22}},
    {"cmdInformation", "&informado", {635, 430, 130, 22}},
    {"cmdHighscoreAnzeigen", "montri &highscore", {635, 457, 130, 22}},
    {"cmdHighscoreErneuern", "re&novigi highscore", {635, 484, 130, 22}},
    {"cmdProgrammBeenden", "&fini programon", {635, 538, 130, 22}},
}};

// The two captions of the sound switch: each names what the next click does.
inline constexpr const char* kSoundOffCaption = "&malkonekti sonon";
inline constexpr const char* kSoundOnCaption = "konekti &sonon";

}  // namespace breliko::ui::form1
