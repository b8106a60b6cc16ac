// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "design.h"

#include <QWidget>

#include <array>
#include <map>
#include <tuple>

namespace rakamlik {

// The game's controls, made in `window` from the design table and kept by role: what the game is
// drawn onto and what the player clicks. The window owns the widgets.
struct Board {
    // Builds the board from the design table, which must be valid (design::validate()): made,
    // stacked as designed and chained in the focus order.
    explicit Board(QWidget* window);

    // A control by its role and place; the window for Role::Window.
    QWidget* control(design::Role role, int index = 0, int column = 0) const;

    std::array<Button*, digitCount> keypad{}; // by digit
    std::array<Button*, digitCount> memo{};   // by digit
    Button* newGame = nullptr;
    Button* reveal = nullptr;
    std::array<Label*, guessLength> guess{}; // by place, from the left
    Label* message = nullptr;
    std::array<std::array<Label*, guessLength>, ledgerRows> ledger{}; // [row][column], newest first
    std::array<ImageBox*, ledgerRows> markers{};                      // by ledger row
    std::array<ImageBox*, gaugeCount> gauges{};
    std::array<Label*, gaugeCount> ratingTitles{}; // by column
    std::array<Label*, gaugeCount> ratingValues{};
    // The containers, and the parchment beneath the board's controls.
    Panel* board = nullptr;
    Panel* guessPanel = nullptr;
    Panel* newGameFrame = nullptr;
    Panel* revealFrame = nullptr;
    ImageBox* backdrop = nullptr;

private:
    std::map<std::tuple<design::Role, int, int>, QWidget*> controls_;
};

} // namespace rakamlik
