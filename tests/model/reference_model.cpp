#include "reference_model.h"

#include <cmath>
#include <cstdint>

namespace rakamlik::model {

namespace {

constexpr int bak = 12;
constexpr int yeni = 11;

int keypadButton(int digit) {
    return digit == 0 ? 10 : digit;
}

// Counters stop at the largest 16-bit value; the game goes on.
void countOne(std::int16_t& counter) {
    if (counter < 32767) {
        ++counter;
    }
}

void setKeypadAndBak(Board& board, bool on) {
    for (int n = 1; n <= 10; ++n) {
        board.enabled[n] = on;
    }
    board.enabled[bak] = on;
}

// The marker template for a score, indexed [in place][elsewhere]; 0 where
// no guess can score so.
constexpr int markerFor[5][5] = {
    {21, 22, 23, 24, 20}, {11, 15, 16, 17, 0}, {12, 25, 18, 0, 0},
    {13, 0, 0, 0, 0},     {14, 0, 0, 0, 0},
};

// The grade shown under each gauge, by the number of guesses of a won game.
const std::array<std::array<QString, 7>, 4>& grades() {
    static const std::array<std::array<QString, 7>, 4> table = {{
        {"%100", "%85", "%70", "%55", "%40", "%25", "%10"},
        {"%100", "%85", "%70", "%55", "%40", "%25", "%10"},
        {QStringLiteral("Çok süper"), QStringLiteral("Süper"), QStringLiteral("Çok çok"),
         QStringLiteral("Çok"), QStringLiteral("Oldukça"), QStringLiteral("Biraz"),
         QStringLiteral("Az")},
        {"%10", "%25", "%40", "%55", "%70", "%85", "%100"},
    }};
    return table;
}

void score(Board& board) {
    GameState& s = board.state;
    s.exactCount = 0;
    s.nearCount = 0;
    for (int i = 0; i < 4; ++i) {
        if (s.guessDigits[i] == s.secretDigits[i]) {
            countOne(s.exactCount);
            continue;
        }
        for (int j = 0; j < 4; ++j) {
            if (j != i && s.guessDigits[i] == s.secretDigits[j]) {
                countOne(s.nearCount);
                break;
            }
        }
    }
    board.markers[0] = markerFor[s.exactCount][s.nearCount];
}

void win(Board& board) {
    ++board.beeps;
    board.message = QStringLiteral("tebrikler");
    setKeypadAndBak(board, false);
    const int n = board.state.tryCount;
    if (n >= 1 && n <= 28) {
        board.titleShown[(n - 1) / 7] = true;
        board.grades[(n - 1) / 7] = grades()[(n - 1) / 7][(n - 1) % 7];
    }
}

// The fourth digit: the keypad opens again, the dial counts the guess, the
// ledger scrolls down a row and takes the guess at its top, and the guess
// is scored; a win locks the keypad again.
void completeGuess(Board& board) {
    GameState& s = board.state;
    s.entryCount = 0;
    setKeypadAndBak(board, true);

    countOne(s.tryCount);
    if (s.tryCount <= 28) {
        board.gauges[(s.tryCount - 1) / 7] = 26 + (s.tryCount - 1) % 7;
    }

    for (int row = 9; row >= 1; --row) {
        for (int c = 0; c < 4; ++c) {
            board.ledger[4 * row + c] = board.ledger[4 * (row - 1) + c];
        }
        board.markers[row] = board.markers[row - 1];
    }
    for (int c = 0; c < 4; ++c) {
        board.ledger[c] = board.guess[c];
    }

    score(board);
    if (s.exactCount == 4) {
        win(board);
    }
}

} // namespace

Board::Board(QColor buttonText) : message(QStringLiteral("Q X T")) {
    markers.fill(noMarker);
    gauges.fill(restFace);
    enabled[yeni] = true;
    memoColours.fill(buttonText);
}

int digitOf(float r) {
    const double x = static_cast<double>(r) * 9.0;
    const double below = std::floor(x);
    const double rest = x - below;
    const bool up = rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<int>(below) + (up ? 1 : 0);
}

void newGame(Board& board, const Draw& draw) {
    GameState& s = board.state;
    s.tryCount = 0;
    s.entryCount = 0;
    for (QString& text : board.guess) {
        text.clear();
    }
    setKeypadAndBak(board, true);
    board.markers.fill(noMarker);
    board.gauges.fill(restFace);
    for (QString& text : board.ledger) {
        text.clear();
    }
    board.titleShown.fill(false);
    for (QString& text : board.grades) {
        text.clear();
    }
    board.memoColours.fill(Qt::black);
    s.memoStates.fill(0);
    for (int n = 13; n <= 22; ++n) {
        board.enabled[n] = true;
    }

    // Each digit is drawn again until it differs from every one before it.
    for (int i = 0; i < 4; ++i) {
        bool repeated = true;
        while (repeated) {
            s.secretDigits[i] = static_cast<std::int16_t>(digitOf(draw()));
            repeated = false;
            for (int j = 0; j < i; ++j) {
                repeated = repeated || s.secretDigits[j] == s.secretDigits[i];
            }
        }
    }
    board.message = QStringLiteral("Başarılar");
}

void pressDigit(Board& board, int digit) {
    GameState& s = board.state;
    if (s.entryCount == 0) {
        for (QString& text : board.guess) {
            text.clear();
        }
    }
    s.lastDigit = static_cast<std::int16_t>(digit);
    countOne(s.entryCount);
    board.enabled[keypadButton(digit)] = false;

    board.guess[s.entryCount - 1] = QString::number(s.lastDigit);
    s.guessDigits[s.entryCount - 1] = s.lastDigit;
    if (s.entryCount == 4) {
        completeGuess(board);
    }
}

void reveal(Board& board) {
    board.message.clear();
    for (const std::int16_t d : board.state.secretDigits) {
        board.message += QLatin1Char(' ') + QString::number(d);
    }
}

void pressMemo(Board& board, int digit) {
    std::int16_t& memo = board.state.memoStates[digit];
    static const std::array<QColor, 3> next = {QColor(0, 255, 255), QColor(255, 0, 0),
                                               QColor(0, 0, 0)};
    board.memoColours[digit] = next[memo];
    memo = static_cast<std::int16_t>((memo + 1) % 3);
}

void click(Board& board, int button, const Draw& draw) {
    if (!board.enabled[button]) {
        return;
    }
    if (button <= 10) {
        pressDigit(board, button % 10);
    } else if (button == yeni) {
        newGame(board, draw);
    } else if (button == bak) {
        reveal(board);
    } else {
        pressMemo(board, button - 13);
    }
}

} // namespace rakamlik::model
