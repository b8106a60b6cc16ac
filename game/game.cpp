// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include "game/counter.h"
#include "game/dial.h"
#include "game/reveal.h"
#include "game/secret.h"

#include <algorithm>
#include <utility>

namespace rakamlik {

Game::Game(std::unique_ptr<RandomSource> random, Beep beep)
    : random_(std::move(random)), beep_(std::move(beep)) {
    memoMarks_.fill(memoReset);
}

void Game::load() {
    random_->seed(clockSeed());
}

void Game::newGame() {
    state_.tryCount = 0;
    state_.entryCount = 0;
    guess_.fill({});
    unlockKeypadAndReveal();
    clearMarkersAndDial();
    clearLedger();
    hideRating();
    resetMemoMarks();
    resetMemoStates();
    openMemo();
    drawSecret(*random_, state_.secretDigits);
    message_ = "Başarılar";
}

void Game::digit(int digit) {
    if (digit < 0 || digit >= digitCount || !keypadOpen(digit)) {
        return;
    }
    // The previous guess stays in view until the first digit of the next.
    if (state_.entryCount == 0) {
        guess_.fill({});
    }
    state_.lastDigit = static_cast<std::int16_t>(digit);
    increment(state_.entryCount);
    // A digit can stand only once in a guess.
    keypadOpen_.at(static_cast<std::size_t>(digit)) = false;
    showTypedDigit();
}

void Game::showTypedDigit() {
    const auto place = static_cast<std::size_t>(state_.entryCount - 1);
    guess_.at(place) = std::to_string(state_.lastDigit);
    state_.guessDigits.at(place) = state_.lastDigit;
    if (state_.entryCount == guessLength) {
        state_.entryCount = 0;
        // Unlocking comes before the scoring, so a win's lock stands; the dial counts before the
        // scoring, so the rating counts the winning guess.
        unlockKeypadAndReveal();
        countOnDial();
        writeToLedger();
    }
}

void Game::countOnDial() {
    increment(state_.tryCount);
    // After the dial's 28 steps every gauge is full and the dial stays as it is.
    if (const auto step = dialStep(state_.tryCount)) {
        gauges_.at(static_cast<std::size_t>(step->gauge)) = step->face;
    }
}

void Game::writeToLedger() {
    // The ledger scrolls bottom-up so no row is overwritten before it is copied; the bottom
    // row's guess falls off.
    std::shift_right(ledger_.begin(), ledger_.end(), 1);
    ledger_.front() = Row{guess_, std::nullopt};
    scoreGuess();
}

void Game::scoreGuess() {
    const Score s = score(state_.guessDigits, state_.secretDigits);
    state_.exactCount = s.exact;
    state_.nearCount = s.near;
    ledger_.front().score = s;
    if (s.exact == guessLength) {
        endWonGame();
    }
}

void Game::endWonGame() {
    beep_();
    message_ = "tebrikler";
    lockKeypadAndReveal();
    // A game won after more than 28 guesses gets no rating.
    rating_ = rakamlik::rating(state_.tryCount);
}

void Game::reveal() {
    if (revealOpen_) {
        message_ = revealText(state_.secretDigits);
    }
}

void Game::memo(int digit) {
    if (digit < 0 || digit >= digitCount || !memoOpen_) {
        return;
    }
    const auto k = static_cast<std::size_t>(digit);
    const MemoStep step = memoStep(state_.memoStates.at(k));
    memoMarks_.at(k) = step.mark;
    state_.memoStates.at(k) = step.next;
}

void Game::lockKeypadAndReveal() {
    keypadOpen_.fill(false);
    revealOpen_ = false;
}

void Game::unlockKeypadAndReveal() {
    keypadOpen_.fill(true);
    revealOpen_ = true;
}

void Game::clearMarkersAndDial() {
    for (Row& row : ledger_) {
        row.score.reset();
    }
    gauges_.fill(0);
}

void Game::clearLedger() {
    for (Row& row : ledger_) {
        row.digits.fill({});
    }
}

void Game::hideRating() {
    rating_.reset();
}

void Game::resetMemoMarks() {
    memoMarks_.fill(memoReset);
}

void Game::resetMemoStates() {
    state_.memoStates.fill(0);
}

void Game::openMemo() {
    memoOpen_ = true;
}

} // namespace rakamlik
