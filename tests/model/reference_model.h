#pragma once

#include "game/game_state.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

// A second, deliberately plain account of the game: what every control that the game changes
// should show after each click, written without the window's rule code, so that the two can be
// played side by side.
namespace rakamlik::model {

// The digit one draw r makes: r * 9 rounded to the nearest integer, a half going to the even
// neighbour.
inline int digitOf(float r) {
    const double x = static_cast<double>(r) * 9.0;
    const double below = std::floor(x);
    const double rest = x - below;
    const bool up = rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<int>(below) + (up ? 1 : 0);
}

// Picture boxes hold the number of the template image box whose picture they copy: the markers
// start as Image21, the empty one, and the gauges as Image19, the dial at rest.
class Board {
public:
    explicit Board(const QColor& buttonText) {
        markers.fill(21);
        gauges.fill(19);
        enabled[yeni] = true;
        memoColours.fill(buttonText);
    }

    GameState state;
    std::array<QString, 4> guess;              // Label1..Label4
    QString message = QStringLiteral("Q X T"); // Label6
    std::array<QString, 40> ledger;            // Label5(0..39)
    std::array<int, 10> markers{};             // Image1..Image10
    std::array<int, 4> gauges{};               // Image33..Image36
    std::array<bool, 4> titleShown{};          // Label7..Label10
    std::array<QString, 4> grades;             // Label11..Label14
    std::array<bool, 23> enabled{};            // SSCommand1..22 at [1..22]
    std::array<QColor, 10> memoColours;        // SSCommand13..22, caption colour
    int beeps = 0;

    friend bool operator==(const Board&, const Board&) = default;

    // A click on SSCommand`button` (1..22); a disabled button ignores it. Only "Yeni" draws.
    void click(int button, const std::function<float()>& draw) {
        if (!enabled[button]) {
            return;
        }
        if (button <= 10) {
            pressDigit(button % 10);
        } else if (button == yeni) {
            newGame(draw);
        } else if (button == bak) {
            message.clear();
            for (const std::int16_t d : state.secretDigits) {
                message += QLatin1Char(' ') + QString::number(d);
            }
        } else {
            std::int16_t& memo = state.memoStates[button - 13];
            const std::array<QColor, 3> next{QColor(0, 255, 255), QColor(255, 0, 0), Qt::black};
            memoColours[button - 13] = next[memo];
            memo = static_cast<std::int16_t>((memo + 1) % 3);
        }
    }

private:
    static constexpr int yeni = 11;
    static constexpr int bak = 12;

    // Counters stop at the largest 16-bit value; the game goes on.
    static void countOne(std::int16_t& counter) {
        if (counter < 32767) {
            ++counter;
        }
    }

    void enableKeypadAndBak(bool on) {
        std::fill_n(enabled.begin() + 1, 10, on);
        enabled[bak] = on;
    }

    void newGame(const std::function<float()>& draw) {
        state.tryCount = 0;
        state.entryCount = 0;
        guess.fill({});
        enableKeypadAndBak(true);
        markers.fill(21);
        gauges.fill(19);
        ledger.fill({});
        titleShown.fill(false);
        grades.fill({});
        memoColours.fill(Qt::black);
        state.memoStates.fill(0);
        std::fill(enabled.begin() + 13, enabled.end(), true);
        // Each digit is drawn again until it differs from every one before it.
        for (int i = 0; i < 4; ++i) {
            for (bool repeated = true; repeated;) {
                state.secretDigits[i] = static_cast<std::int16_t>(digitOf(draw()));
                repeated = false;
                for (int j = 0; j < i; ++j) {
                    repeated = repeated || state.secretDigits[j] == state.secretDigits[i];
                }
            }
        }
        message = QStringLiteral("Başarılar");
    }

    void pressDigit(int digit) {
        GameState& s = state;
        if (s.entryCount == 0) {
            guess.fill({});
        }
        s.lastDigit = static_cast<std::int16_t>(digit);
        countOne(s.entryCount);
        enabled[digit == 0 ? 10 : digit] = false;
        guess[s.entryCount - 1] = QString::number(digit);
        s.guessDigits[s.entryCount - 1] = s.lastDigit;
        if (s.entryCount == 4) {
            completeGuess();
        }
    }

    // The fourth digit: the keypad opens again, the dial counts the guess, the ledger scrolls
    // down a row and takes the guess at its top, and the guess is scored; a win locks the keypad.
    void completeGuess() {
        GameState& s = state;
        s.entryCount = 0;
        enableKeypadAndBak(true);
        countOne(s.tryCount);
        const int n = s.tryCount - 1; // 0 to 27 while the dial moves: gauge n / 7, step n % 7
        if (n < 28) {
            gauges[n / 7] = 26 + n % 7;
        }
        for (int row = 9; row >= 1; --row) {
            std::copy_n(ledger.begin() + 4 * (row - 1), 4, ledger.begin() + 4 * row);
            markers[row] = markers[row - 1];
        }
        std::copy(guess.begin(), guess.end(), ledger.begin());

        // Digits in place, then digits found at another place, and the marker of that score,
        // by [in place][elsewhere]; 0 where no guess can score so.
        constexpr int markerFor[5][5] = {
            {21, 22, 23, 24, 20}, {11, 15, 16, 17, 0}, {12, 25, 18, 0, 0}, {13}, {14}};
        s.exactCount = 0;
        s.nearCount = 0;
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                if (s.guessDigits[i] == s.secretDigits[j]) {
                    countOne(i == j ? s.exactCount : s.nearCount);
                }
            }
        }
        markers[0] = markerFor[s.exactCount][s.nearCount];

        if (s.exactCount == 4) {
            // The grade under each gauge, by the number of guesses of a won game.
            static const char* const gradeTexts[4][7] = {
                {"%100", "%85", "%70", "%55", "%40", "%25", "%10"},
                {"%100", "%85", "%70", "%55", "%40", "%25", "%10"},
                {"Çok süper", "Süper", "Çok çok", "Çok", "Oldukça", "Biraz", "Az"},
                {"%10", "%25", "%40", "%55", "%70", "%85", "%100"},
            };
            ++beeps;
            message = QStringLiteral("tebrikler");
            enableKeypadAndBak(false);
            if (n < 28) {
                titleShown[n / 7] = true;
                grades[n / 7] = QString::fromUtf8(gradeTexts[n / 7][n % 7]);
            }
        }
    }
};

} // namespace rakamlik::model
