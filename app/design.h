// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_size.h"
#include "game/dial.h"
#include "game/rgb.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The window's design: every control with its role, its container, place, size and the value of
// every property the design sets. The window is built from this table once, at start-up; nothing
// here changes at run time. Plain C++, so that the table and its checks are tested without Qt.
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

// What a control is for. Each role is played by one kind of control, and by as many controls as
// it has places (roleSize()): a keypad button for each digit, a ledger cell for each column of
// each row, and so on.
enum class Role {
    Window,       // the game's window itself: only a container, never a control of the table
    Board,        // the raised panel of the keypad, the guess and the two big buttons
    GuessPanel,   // the panel round the guess boxes, captioned "Q X T" in its corner
    NewGameFrame, // the sunken frame round "Yeni"
    RevealFrame,  // the sunken frame round "Bak"
    Backdrop,     // the board's parchment, beneath everything on it
    NewGame,      // "Yeni"
    Reveal,       // "Bak"
    Keypad,       // by digit
    Memo,         // by digit
    Guess,        // by place, from the left
    Message,      // the dark message box
    LedgerCell,   // by row, newest first, and column
    Marker,       // by ledger row
    Gauge,        // by gauge, from the left
    RatingTitle,  // by column, under the gauges
    RatingValue,  // by column
};

enum class Kind { Label, Image, Button, Panel };

// The kind of control that plays `role`.
Kind kindOf(Role role);

// How many places a role has: its digits, rows or columns; a ledger's cells are counted by row
// (each row has guessLength columns).
int roleSize(Role role);

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

struct Control {
    Role role = Role::Message;
    int index = 0;              // the place in its role: a digit, place, row, gauge or column
    int column = 0;             // a ledger cell's column
    Role parent = Role::Window; // the panel it lies in, or the window
    int left = 0;               // twips, relative to the container
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
    bool stretch = false; // image boxes: scale the picture to the box
};

// The control's name, for its object name and for messages: "board", "keypad7", "ledgerCell(3,2)".
std::string nameOf(const Control& control);

// Every control on the window, in creation order (containers before their
// children): 94 widgets. The design's 22 template image boxes, which only
// hold the pictures the others copy, are no widgets here: the pictures come
// from the assets.
std::span<const Control> controls();

// What is wrong with `table`, a line each, naming the control at fault; nothing for a table the
// window can be built from: every role's every place taken once, each control in a panel that
// comes before it.
std::vector<std::string> validate(std::span<const Control> table);

// The buttons that take keyboard focus, in focus order, as (role, index).
struct Focusable {
    Role role;
    int index = 0;
};
std::span<const Focusable> focusOrder();

} // namespace rakamlik::design
