// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include <array>
#include <cassert>
#include <set>
#include <utility>

namespace rakamlik::design {
namespace {

constexpr Rgb grey{192, 192, 192};
constexpr Rgb olive{192, 192, 0};

constexpr Font keypadFont{Face::SansSerif, 9.75, true};

std::vector<Control> buildControls() {
    std::vector<Control> c;
    c.reserve(94);

    // Memo buttons, created from the one for 9 down to the one for 0; the
    // button of digit k stands level with ledger row k.
    for (int k = digitCount - 1; k >= 0; --k) {
        c.push_back({.role = Role::Memo,
                     .index = k,
                     .left = 8340,
                     .top = 2100 + 360 * k,
                     .width = 465,
                     .height = 375,
                     .caption = std::to_string(k),
                     .font = keypadFont,
                     .enabled = false});
    }

    // The board panel and everything in it.
    c.push_back({.role = Role::Board,
                 .left = 240,
                 .top = 240,
                 .width = 3915,
                 .height = 5475,
                 .caption = "       ",
                 .back = grey,
                 .font = {Face::SansSerif, 12, true},
                 .frame = Frame::Raised,
                 .bevel = 3});
    // The sunken frames round the two big buttons.
    const auto buttonFrame = [](Role role, int left, int top, int width, int height) {
        return Control{.role = role,
                       .parent = Role::Board,
                       .left = left,
                       .top = top,
                       .width = width,
                       .height = height,
                       .back = grey,
                       .frame = Frame::Sunken,
                       .bevel = 3};
    };
    c.push_back(buttonFrame(Role::RevealFrame, 1950, 4560, 1575, 435));
    c.push_back({.role = Role::Reveal,
                 .parent = Role::RevealFrame,
                 .left = 90,
                 .top = 60,
                 .width = 1365,
                 .height = 315,
                 .caption = "Bak",
                 .enabled = false});
    c.push_back({.role = Role::GuessPanel,
                 .parent = Role::Board,
                 .left = 180,
                 .top = 360,
                 .width = 3555,
                 .height = 1155,
                 .caption = "Q X T          ",
                 .back = grey,
                 .font = {Face::Small, 6.75, false},
                 .frame = Frame::Raised,
                 .bevel = 1,
                 .captionBottomRight = true});
    for (int place = 0; place < guessLength; ++place) {
        // The first digit is a size smaller than the other three.
        c.push_back({.role = Role::Guess,
                     .index = place,
                     .parent = Role::GuessPanel,
                     .left = 240 + 780 * place,
                     .top = 240,
                     .width = 765,
                     .height = 675,
                     .back = olive,
                     .fore = Rgb{192, 64, 0},
                     .font = {Face::Tahoma, place == 0 ? 18 : 19.5, true},
                     .frame = Frame::Single,
                     .centred = true});
    }
    c.push_back(buttonFrame(Role::NewGameFrame, 360, 4080, 1455, 975));
    c.push_back({.role = Role::NewGame,
                 .parent = Role::NewGameFrame,
                 .left = 90,
                 .top = 60,
                 .width = 1275,
                 .height = 855,
                 .caption = "Yeni"});
    // The keypad: 1 2 3 / 4 5 6 / 7 8 9, and 0 alone under the 8, created in that order.
    constexpr std::array<int, 3> keypadColumns{780, 1620, 2475};
    constexpr std::array<int, 4> keypadRows{1920, 2460, 3000, 3540};
    constexpr std::array<std::pair<int, int>, digitCount> keypadPlaces{
        {{1, 3}, {0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}};
    for (const int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        const auto [column, row] = keypadPlaces.at(static_cast<std::size_t>(digit));
        c.push_back({.role = Role::Keypad,
                     .index = digit,
                     .parent = Role::Board,
                     .left = keypadColumns.at(static_cast<std::size_t>(column)),
                     .top = keypadRows.at(static_cast<std::size_t>(row)),
                     .width = 765,
                     .height = 435,
                     .caption = std::to_string(digit),
                     .fore = Rgb{0, 255, 0},
                     .font = keypadFont,
                     .enabled = false});
    }
    c.push_back({.role = Role::Message,
                 .parent = Role::Board,
                 .left = 2130,
                 .top = 4080,
                 .width = 1215,
                 .height = 375,
                 .caption = "Q X T",
                 .back = Rgb{64, 0, 64},
                 .fore = Rgb{0, 255, 0},
                 .font = {Face::Serif, 12, true},
                 .frame = Frame::Single,
                 .centred = true});
    c.push_back({.role = Role::Backdrop,
                 .parent = Role::Board,
                 .left = 210,
                 .top = 120,
                 .width = 3495,
                 .height = 5175,
                 .stretch = true});

    // The dial and the rating, in their creation order. A rating's value stands above its title,
    // both under the gauge of their column.
    const auto value = [](int column, int left, int width) {
        return Control{.role = Role::RatingValue,
                       .index = column,
                       .left = left,
                       .top = 1380,
                       .width = width,
                       .height = 195,
                       .back = grey,
                       .fore = Rgb{128, 255, 255},
                       .centred = true};
    };
    const auto title = [](int column, int left, int width, const char* caption) {
        return Control{.role = Role::RatingTitle,
                       .index = column,
                       .left = left,
                       .top = 1560,
                       .width = width,
                       .height = 195,
                       .caption = caption,
                       .back = grey,
                       .fore = Rgb{255, 255, 0},
                       .centred = true,
                       .visible = false};
    };
    const auto gauge = [](int g) {
        return Control{.role = Role::Gauge,
                       .index = g,
                       .left = 4320 + 1140 * g,
                       .top = 240,
                       .width = 1095,
                       .height = 975,
                       .frame = Frame::Single,
                       .stretch = true};
    };
    c.push_back(title(1, 5520, 975, "Üstün"));
    c.push_back(value(3, 7920, 885));
    c.push_back(value(2, 6390, 1605));
    c.push_back(value(1, 5550, 945));
    c.push_back(value(0, 4440, 855));
    c.push_back(title(2, 6660, 1035, "Normal"));
    c.push_back(title(0, 4380, 975, "Şanslı"));
    for (int g = gaugeCount - 1; g >= 0; --g) {
        c.push_back(gauge(g));
    }
    c.push_back(title(3, 7890, 1005, "Anormal"));

    // The ledger's row markers, created from the bottom row up. Their design sizes last only
    // until their first picture, whose size they then take.
    constexpr std::array<std::array<int, 2>, ledgerRows> markerSizes{{{345, 285},
                                                                      {345, 285},
                                                                      {345, 285},
                                                                      {345, 285},
                                                                      {165, 75},
                                                                      {255, 195},
                                                                      {195, 135},
                                                                      {195, 75},
                                                                      {195, 75},
                                                                      {225, 75}}};
    for (int row = ledgerRows - 1; row >= 0; --row) {
        const auto [width, height] = markerSizes.at(static_cast<std::size_t>(row));
        c.push_back({.role = Role::Marker,
                     .index = row,
                     .left = row == 0 ? 6500 : 6510,
                     .top = 2220 + 360 * row,
                     .width = width,
                     .height = height});
    }

    // The ledger's cells, created from the last one (bottom right) to the first.
    for (int row = ledgerRows - 1; row >= 0; --row) {
        for (int column = guessLength - 1; column >= 0; --column) {
            c.push_back({.role = Role::LedgerCell,
                         .index = row,
                         .column = column,
                         .left = 4470 + 480 * column,
                         .top = 2160 + 360 * row,
                         .width = 435,
                         .height = 315,
                         .back = olive,
                         .fore = Rgb{0, 0, 0},
                         .font = keypadFont,
                         .frame = Frame::Single,
                         .centred = true});
        }
    }
    return c;
}

std::vector<Focusable> buildFocusOrder() {
    std::vector<Focusable> order;
    for (const int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        order.push_back({Role::Keypad, digit});
    }
    order.push_back({Role::NewGame});
    for (int digit = 0; digit < digitCount; ++digit) {
        order.push_back({Role::Memo, digit});
    }
    order.push_back({Role::Reveal});
    return order;
}

struct RoleFacts {
    const char* name;
    Kind kind;
    int size;
};

RoleFacts factsOf(Role role) {
    switch (role) {
    case Role::Window:
        return {"window", Kind::Panel, 0};
    case Role::Board:
        return {"board", Kind::Panel, 1};
    case Role::GuessPanel:
        return {"guessPanel", Kind::Panel, 1};
    case Role::NewGameFrame:
        return {"newGameFrame", Kind::Panel, 1};
    case Role::RevealFrame:
        return {"revealFrame", Kind::Panel, 1};
    case Role::Backdrop:
        return {"backdrop", Kind::Image, 1};
    case Role::NewGame:
        return {"newGame", Kind::Button, 1};
    case Role::Reveal:
        return {"reveal", Kind::Button, 1};
    case Role::Keypad:
        return {"keypad", Kind::Button, digitCount};
    case Role::Memo:
        return {"memo", Kind::Button, digitCount};
    case Role::Guess:
        return {"guess", Kind::Label, guessLength};
    case Role::Message:
        return {"message", Kind::Label, 1};
    case Role::LedgerCell:
        return {"ledgerCell", Kind::Label, ledgerRows};
    case Role::Marker:
        return {"marker", Kind::Image, ledgerRows};
    case Role::Gauge:
        return {"gauge", Kind::Image, gaugeCount};
    case Role::RatingTitle:
        return {"ratingTitle", Kind::Label, gaugeCount};
    case Role::RatingValue:
        return {"ratingValue", Kind::Label, gaugeCount};
    }
    assert(!"a role without its facts");
    return {"?", Kind::Label, 0}; // and validate() finds no place for it
}

constexpr std::array allRoles{
    Role::Board,    Role::GuessPanel, Role::NewGameFrame, Role::RevealFrame,
    Role::Backdrop, Role::NewGame,    Role::Reveal,       Role::Keypad,
    Role::Memo,     Role::Guess,      Role::Message,      Role::LedgerCell,
    Role::Marker,   Role::Gauge,      Role::RatingTitle,  Role::RatingValue};

} // namespace

Kind kindOf(Role role) {
    return factsOf(role).kind;
}

int roleSize(Role role) {
    return factsOf(role).size;
}

std::string nameOf(const Control& control) {
    const std::string role = factsOf(control.role).name;
    if (control.role == Role::LedgerCell) {
        return role + '(' + std::to_string(control.index) + ',' + std::to_string(control.column) +
               ')';
    }
    return roleSize(control.role) == 1 ? role : role + std::to_string(control.index);
}

std::vector<std::string> validate(std::span<const Control> table) {
    std::vector<std::string> faults;
    // Each role's places as they are taken, by (index, column).
    std::set<std::pair<Role, std::pair<int, int>>> taken;
    for (const Control& control : table) {
        const std::string name = nameOf(control);
        const int columns = control.role == Role::LedgerCell ? guessLength : 1;
        if (control.role == Role::Window) {
            faults.emplace_back("a control takes the window's role");
            continue;
        }
        if (control.index < 0 || control.index >= roleSize(control.role) || control.column < 0 ||
            control.column >= columns) {
            faults.push_back(name + " lies beyond its role's places");
            continue;
        }
        const bool containerMade =
            control.parent == Role::Window ||
            (kindOf(control.parent) == Kind::Panel && taken.contains({control.parent, {0, 0}}));
        if (!containerMade) {
            faults.push_back(name + " lies in " + factsOf(control.parent).name +
                             ", which is no panel made before it");
        }
        if (!taken.insert({control.role, {control.index, control.column}}).second) {
            faults.push_back(name + " is there twice");
        }
    }
    for (const Role role : allRoles) {
        for (int index = 0; index < roleSize(role); ++index) {
            for (int column = 0; column < (role == Role::LedgerCell ? guessLength : 1); ++column) {
                const Control missing{.role = role, .index = index, .column = column};
                if (!taken.contains({role, {index, column}})) {
                    faults.push_back("no control is " + nameOf(missing));
                }
            }
        }
    }
    return faults;
}

std::span<const Control> controls() {
    static const std::vector<Control> table = buildControls();
    return table;
}

std::span<const Focusable> focusOrder() {
    static const std::vector<Focusable> order = buildFocusOrder();
    return order;
}

} // namespace rakamlik::design
