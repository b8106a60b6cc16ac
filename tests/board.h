// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <QStringList>

namespace rakamlik::testing {

// Everything a board shows, with the beeps heard: the game's, or a reference's.
struct View {
    GameState state;
    std::array<std::string, 4> guess;
    std::string message = "Q X T";
    std::array<Game::Row, 10> ledger;
    std::array<int, 4> gauges{};
    std::optional<Rating> rating;
    std::array<bool, 10> keypad{};
    bool bak = false;
    bool memo = false;
    std::array<MemoMark, 10> marks{memoReset, memoReset, memoReset, memoReset, memoReset,
                                   memoReset, memoReset, memoReset, memoReset, memoReset};
    int beeps = 0;
    bool operator==(const View&) const = default;
};

inline View viewOf(const Game& g, int beeps) {
    View v{g.state(), g.guess(), g.message(), g.ledger(), g.gauges(), g.rating()};
    for (int d = 0; d <= 9; ++d) {
        v.keypad.at(std::size_t(d)) = g.keypadOpen(d);
        v.marks.at(std::size_t(d)) = g.memoMark(d);
    }
    v.bak = g.bakOpen();
    v.memo = g.memoOpen();
    v.beeps = beeps;
    return v;
}

// A view as "name=value" lines that read plainly in a failure. "open" lists the keypad's digits
// that take a press, then B for "Bak" and M for the memo buttons; "memo" has a letter per memo
// button (s, c or k: black, cyan or red); a ledger row reads "digits:exact/near".
inline QStringList summary(const View& v) {
    const auto str = [](std::string_view s) {
        return QString::fromUtf8(s.data(), qsizetype(s.size()));
    };
    const auto four = [&](const std::array<std::string, 4>& d) {
        return str(d[0] + d[1] + d[2] + d[3]);
    };
    const GameState& s = v.state;
    QStringList l{"message=" + str(v.message),
                  "guess=" + four(v.guess),
                  "open=",
                  "memo=",
                  "gauges=",
                  "rating=none"};
    for (std::size_t d = 0; d < 10; ++d) {
        l[2] += v.keypad[d] ? QString::number(d) : QString();
        l[3] += str(v.marks[d].name.substr(0, 1));
        const std::optional<Score>& score = v.ledger[d].score;
        l << QStringLiteral("row%1=%2").arg(d).arg(four(v.ledger[d].digits)) +
                 (score ? QStringLiteral(":%1/%2").arg(score->exact).arg(score->near) : "")
          << QStringLiteral("memoState%1=%2").arg(d).arg(s.memoStates[d]);
    }
    l[2] += QString(v.bak ? "B" : "") + (v.memo ? "M" : "");
    for (std::size_t i = 0; i < 4; ++i) {
        l[4] += QString::number(v.gauges[i]);
        l << QStringLiteral("secret%1=%2").arg(i).arg(s.secretDigits[i])
          << QStringLiteral("typed%1=%2").arg(i).arg(s.guessDigits[i]);
    }
    if (v.rating) {
        l[5] = QStringLiteral("rating=%1 ").arg(v.rating->column) + str(v.rating->text);
    }
    const std::pair<const char*, int> numbers[] = {{"beeps", v.beeps},      {"tries", s.tryCount},
                                                   {"entry", s.entryCount}, {"last", s.lastDigit},
                                                   {"exact", s.exactCount}, {"near", s.nearCount}};
    for (const auto& [name, n] : numbers) {
        l << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(n);
    }
    return l;
}

// Presses a key on a board: a digit on the keypad, 'a' to 'j' the memo buttons of 0 to 9, 'B' is
// "Bak" and 'N' is "Yeni".
template <class Board> void press(Board& b, char key) {
    if (key == 'N') {
        b.yeni();
    } else if (key == 'B') {
        b.bak();
    } else if (key >= 'a') {
        b.memo(key - 'a');
    } else {
        b.digit(key - '0');
    }
}

} // namespace rakamlik::testing
