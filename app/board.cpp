// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

#include "assets/pictures.h"

#include <cstddef>

namespace rakamlik {
namespace {

// The control as the kind of widget its role is played by.
template <typename Widget> Widget* as(QWidget* widget) {
    Q_ASSERT(qobject_cast<Widget*>(widget) != nullptr);
    return static_cast<Widget*>(widget);
}

// Every place of a role, filled with its controls; for the ledger, the columns of one row.
template <typename Widget, std::size_t n>
void fill(std::array<Widget*, n>& places, const Board& board, design::Role role, int row = -1) {
    for (std::size_t i = 0; i < n; ++i) {
        const int place = static_cast<int>(i);
        places[i] =
            as<Widget>(row < 0 ? board.control(role, place) : board.control(role, row, place));
    }
}

} // namespace

Board::Board(QWidget* window) {
    using design::Role;
    controls_[{Role::Window, 0, 0}] = window;
    const std::span<const design::Control> table = design::controls();
    for (const design::Control& entry : table) {
        controls_[{entry.role, entry.index, entry.column}] =
            makeControl(entry, control(entry.parent));
    }
    // The table is valid, so every place is taken, by a control of its role's kind.
    fill(keypad, *this, Role::Keypad);
    fill(memo, *this, Role::Memo);
    newGame = as<Button>(control(Role::NewGame));
    reveal = as<Button>(control(Role::Reveal));
    fill(guess, *this, Role::Guess);
    message = as<Label>(control(Role::Message));
    for (std::size_t row = 0; row < ledgerRows; ++row) {
        fill(ledger.at(row), *this, Role::LedgerCell, static_cast<int>(row));
    }
    fill(markers, *this, Role::Marker);
    fill(gauges, *this, Role::Gauge);
    fill(ratingTitles, *this, Role::RatingTitle);
    fill(ratingValues, *this, Role::RatingValue);
    board = as<Panel>(control(Role::Board));
    guessPanel = as<Panel>(control(Role::GuessPanel));
    newGameFrame = as<Panel>(control(Role::NewGameFrame));
    revealFrame = as<Panel>(control(Role::RevealFrame));
    backdrop = as<ImageBox>(control(Role::Backdrop));
    backdrop->setPicture({pictures::backdrop(), {}});

    // Buttons and panels lie above the labels and image boxes of their container, in creation
    // order; the backdrop lies beneath everything.
    for (const design::Control& entry : table) {
        const design::Kind kind = design::kindOf(entry.role);
        if (kind == design::Kind::Button || kind == design::Kind::Panel) {
            control(entry.role, entry.index, entry.column)->raise();
        }
    }
    backdrop->lower();

    const auto order = design::focusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(control(order[i].role, order[i].index),
                             control(order[i + 1].role, order[i + 1].index));
    }
}

QWidget* Board::control(design::Role role, int index, int column) const {
    return controls_.at({role, index, column}); // throws for a place no control takes
}

} // namespace rakamlik
