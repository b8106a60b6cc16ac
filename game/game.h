// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_size.h"
#include "game/dial.h"
#include "game/game_state.h"
#include "game/memo.h"
#include "game/random_source.h"
#include "game/rating.h"
#include "game/scoring.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rakamlik {

// The whole play of one window: the secret, the guess being typed, the ledger of the last ten
// guesses, the dial, the rating of a won game, which buttons take a press, and the memo marks.
// Its commands are the player's; what it shows it says by meaning (a score, a dial step, a text),
// and the window turns that into pictures and captions.
class Game {
public:
    using Beep = std::function<void()>;

    // One row of the ledger: the guess's digits as shown ("5", or empty on a row without a
    // guess) and its score, which a row without a guess does not have.
    struct Row {
        std::array<std::string, guessLength> digits;
        std::optional<Score> score;
        friend bool operator==(const Row&, const Row&) = default;
    };

    Game(std::unique_ptr<RandomSource> random, Beep beep);

    // The window's load: seeds the random source from the clock, the only seeding of the run.
    void load();

    // The player's commands. A press on a button that is locked does nothing.
    void newGame();        // "Yeni"
    void digit(int digit); // a keypad digit, 0 to 9
    void reveal();         // "Bak": show the secret
    void memo(int digit);  // the memo button of a digit, 0 to 9

    // Which buttons take a press. "Yeni" always does.
    bool keypadOpen(int digit) const { return keypadOpen_.at(static_cast<std::size_t>(digit)); }
    bool revealOpen() const { return revealOpen_; }
    bool memoOpen() const { return memoOpen_; }

    // What the board shows.
    using Guess = std::array<std::string, guessLength>;
    const Guess& guess() const { return guess_; } // the guess boxes
    const std::string& message() const { return message_; }
    using Ledger = std::array<Row, ledgerRows>;
    const Ledger& ledger() const { return ledger_; } // newest first
    // The face of each gauge: 0 at rest, 1 to 7 its steps.
    using Gauges = std::array<int, gaugeCount>;
    const Gauges& gauges() const { return gauges_; }
    // The rating on show, after a game won in 28 guesses or fewer.
    const std::optional<Rating>& rating() const { return rating_; }
    const MemoMark& memoMark(int digit) const {
        return memoMarks_.at(static_cast<std::size_t>(digit));
    }

    const GameState& state() const { return state_; }
    // For tests and benchmarks only: to start from a state a game rarely reaches.
    GameState& stateForTesting() { return state_; }

private:
    // The game's steps; each takes and returns nothing, and their order of calls is part of the
    // game: newGame() and a guess's fourth digit run them in a fixed order, which the comments in
    // game.cpp explain.
    void showTypedDigit(); // show the digit just typed; complete the guess at the fourth
    void writeToLedger();  // scroll the ledger and write the guess at its top
    void scoreGuess();     // score the guess and mark it in the ledger
    void endWonGame();     // the end of a won game: the beep, "tebrikler", the lock, the rating
    void lockKeypadAndReveal();   // lock the keypad and "Bak"
    void unlockKeypadAndReveal(); // unlock the keypad and "Bak"
    void clearMarkersAndDial();   // blank the ledger's markers, the dial back to rest
    void hideRating();            // take the rating off the board
    void resetMemoMarks();        // memo marks back to black
    void countOnDial();           // count the guess on the dial
    void clearLedger();           // empty the ledger's digits
    void resetMemoStates();       // memo states back to 0
    void openMemo();              // open the memo buttons

    GameState state_;
    std::unique_ptr<RandomSource> random_;
    Beep beep_;

    std::array<bool, digitCount> keypadOpen_{};
    bool revealOpen_ = false;
    bool memoOpen_ = false;
    Guess guess_;
    std::string message_ = "Q X T";
    Ledger ledger_;
    Gauges gauges_{};
    std::optional<Rating> rating_;
    std::array<MemoMark, digitCount> memoMarks_;
};

} // namespace rakamlik
