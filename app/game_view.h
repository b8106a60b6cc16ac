// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board.h"
#include "controls.h"
#include "game/game.h"

#include <QString>

#include <array>
#include <optional>

namespace rakamlik {

// The game drawn onto the board, for the eye and for a screen reader: which buttons take a press,
// the guess, the message, the ledger with its markers, the dial, the rating and the memo marks.
class GameView {
public:
    GameView(const Game& game, const Board& board);

    // Puts what the game shows on the controls. Only what changed since the last showing is
    // touched: a digit changes a guess box and a keypad button, a guess a row of the ledger and a
    // gauge, a memo click one button.
    void show();

    // Words for a screen reader after a complete guess: its digits and score, and for a win
    // "tebrikler" and the rating.
    QString guessNews() const;

private:
    const Picture& markerPicture(const std::optional<Score>& score);
    const Picture& facePicture(int face);

    const Game& game_;
    const Board& board_;

    // What the controls show, as the game last said it; nothing before the first showing.
    struct Shown {
        std::array<bool, digitCount> keypadOpen;
        bool revealOpen;
        bool memoOpen;
        std::array<MemoMark, digitCount> marks;
        Game::Guess guess;
        std::string message;
        Game::Ledger ledger;
        Game::Gauges gauges;
        std::optional<Rating> rating;
    };
    std::optional<Shown> shown_;

    // Each picture is loaded when first shown, then shared by every box that shows it: only the
    // dial's rest face is needed before the window first appears.
    std::array<std::array<std::optional<Picture>, guessLength + 1>, guessLength + 1>
        markerPictures_{}; // [exact][near]
    std::array<std::optional<Picture>, stepsPerGauge + 1> facePictures_{};
    Picture noPicture_;
};

} // namespace rakamlik
