// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
        std::array<std::string, 4> digits;
        std::optional<Score> score;
        friend bool operator==(const Row&, const Row&) = default;
    };

    Game(std::unique_ptr<RandomSource> random, Beep beep);

    // The window's load: seeds the random source from the clock, the only seeding of the run.
    void load();

    // The player's commands. A press on a button that is locked does nothing.
    void yeni();           // a new game
    void digit(int digit); // a keypad digit, 0 to 9
    void bak();            // show the secret
    void memo(int digit);  // the memo button of a digit, 0 to 9

    // Which buttons take a press. "Yeni" always does.
    bool keypadOpen(int digit) const { return keypadOpen_.at(static_cast<std::size_t>(digit)); }
    bool bakOpen() const { return bakOpen_; }
    bool memoOpen() const { return memoOpen_; }

    // What the board shows.
    const std::array<std::string, 4>& guess() const { return guess_; } // the guess boxes
    const std::string& message() const { return message_; }
    const std::array<Row, 10>& ledger() const { return ledger_; } // newest first
    // The face of each gauge: 0 at rest, 1 to 7 its steps.
    const std::array<int, 4>& gauges() const { return gauges_; }
    // The rating on show, after a game won in 28 guesses or fewer.
    const std::optional<Rating>& rating() const { return rating_; }
    const MemoMark& memoMark(int digit) const {
        return memoMarks_.at(static_cast<std::size_t>(digit));
    }

    const GameState& state() const { return state_; }
    // Only tests use this: to start from a state a game rarely reaches.
    GameState& stateForTesting() { return state_; }

private:
    // The game's procedures; each takes and returns nothing, and their order of calls is part of
    // the game.
    void etikete_yaz(); // show the digit just typed; complete the guess at the fourth
    void deftere_yaz(); // scroll the ledger and write the guess at its top
    void sorgu();       // score the guess and mark it in the ledger
    void sonuç();       // the end of a won game
    void kapat();       // lock the keypad and "Bak"
    void aç();          // unlock the keypad and "Bak"
    void sil();         // blank the markers, dial back to rest
    void gizle();       // take the rating off the board
    void yenile();      // memo marks back to black
    void kadran();      // count the guess on the dial
    void temizle();     // empty the ledger's digits
    void redüzelt();    // memo states back to 0
    void reaç();        // open the memo buttons

    GameState state_;
    std::unique_ptr<RandomSource> random_;
    Beep beep_;

    std::array<bool, 10> keypadOpen_{};
    bool bakOpen_ = false;
    bool memoOpen_ = false;
    std::array<std::string, 4> guess_;
    std::string message_ = "Q X T";
    std::array<Row, 10> ledger_;
    std::array<int, 4> gauges_{};
    std::optional<Rating> rating_;
    std::array<MemoMark, 10> memoMarks_;
};

} // namespace rakamlik
