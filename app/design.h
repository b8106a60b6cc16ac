// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/rgb.h"

#include <optional>
#include <span>
#include <string>

// The window's design: every control with its container, place, size and
// the value of every property the design sets. The window is built from
// this table once, at start-up; nothing here changes at run time.
namespace rakamlik::design {

// Positions and sizes are kept in twips, as designed: 15 twips make one
// logical pixel.
inline constexpr int twipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int px(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

inline constexpr int clientWidth = 9015;
inline constexpr int clientHeight = 5880;
inline constexpr Rgb windowColour{192, 192, 192};
inline constexpr const char* windowTitle = "Rakamlik";

enum class Kind { Label, Image, Button, Panel };

// The faces the design names; each maps to an available font (see fonts.cpp).
enum class Face { SansSerif, Tahoma, Serif, Small };

struct Font {
    Face face = Face::SansSerif;
    double points = 8.25;
    bool bold = false;
    friend constexpr bool operator==(const Font&, const Font&) = default;
};

// The window's default font, used by every control that sets none.
inline constexpr Font defaultFont{};

enum class Frame {
    None,   // no frame
    Single, // a one-pixel line round a label or image box
    Raised, // a panel's raised bevel
    Sunken, // a panel's sunken bevel
};

// What a control is for in the game; the window keeps its controls by role. The index is the
// digit of a keypad or memo button, the place of a guess box, the cell of the ledger (row times
// four plus column), the row of a marker, the gauge, or the rating's column.
enum class Role {
    None,
    Keypad,
    Yeni,
    Bak,
    Memo,
    Guess,
    Message,
    LedgerCell,
    Marker,
    Gauge,
    RatingTitle,
    RatingValue,
};

struct Control {
    std::string name{}; // "Label6", "SSCommand11", or "Label5(7)" for an array element
    Kind kind = Kind::Label;
    Role role = Role::None;
    int index = 0;
    std::string parent{}; // "Form1" or the containing panel
    int left = 0;         // twips, relative to the container
    int top = 0;
    int width = 0;
    int height = 0;
    std::string caption{};
    std::optional<Rgb> back{}; // no value: the platform's colour
    std::optional<Rgb> fore{}; // no value: the platform's button text colour
    Font font = defaultFont;
    Frame frame = Frame::None;
    int bevel = 0;                   // panels: width of the bevel
    bool centred = false;            // labels: text centred
    bool captionBottomRight = false; // panels: caption in the lower right corner
    bool visible = true;
    bool enabled = true;
    bool stretch = false;  // image boxes: scale the picture to the box
    bool atBottom = false; // lies beneath every other child of its container
    bool backdrop = false; // image boxes: shows the board's parchment
};

// Every control on the window, in creation order (containers before their
// children): 94 widgets. The design's 22 template image boxes, which only
// hold the pictures the others copy, are no widgets here: the pictures come
// from the assets.
std::span<const Control> controls();

// The controls that take keyboard focus, in focus order.
std::span<const std::string> focusOrder();

} // namespace rakamlik::design
