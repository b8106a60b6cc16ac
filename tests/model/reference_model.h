#pragma once

#include "game/game_state.h"

#include <QColor>
#include <QString>

#include <array>
#include <functional>

// A second, deliberately plain account of the game: what every control that
// the game changes should show after each click, written without the
// window's rule code, so that the two can be played side by side.
namespace rakamlik::model {

// The template image number a picture box shows a copy of. Markers start
// and are cleared as `noMarker` (the empty picture of Image21); gauges show
// `restFace` or one of the step faces 26..32.
constexpr int noMarker = 21;
constexpr int restFace = 19;

struct Board {
    explicit Board(QColor buttonText);

    GameState state;
    std::array<QString, 4> guess;       // Label1..Label4
    QString message;                    // Label6
    std::array<QString, 40> ledger;     // Label5(0..39)
    std::array<int, 10> markers{};      // Image1..Image10
    std::array<int, 4> gauges{};        // Image33..Image36
    std::array<bool, 4> titleShown{};   // Label7..Label10
    std::array<QString, 4> grades;      // Label11..Label14
    std::array<bool, 23> enabled{};     // SSCommand1..22 at [1..22]
    std::array<QColor, 10> memoColours; // SSCommand13..22, caption colour
    int beeps = 0;
};

// One value in [0, 1) from the game's random generator.
using Draw = std::function<float()>;

// The digit one draw r makes: r * 9 rounded to the nearest integer, a half
// going to the even neighbour.
int digitOf(float r);

// Clicks on SSCommand`button` (1..22); a disabled button ignores it. Only a
// click on "Yeni" draws.
void click(Board& board, int button, const Draw& draw);

void newGame(Board& board, const Draw& draw);
void pressDigit(Board& board, int digit);
void reveal(Board& board);
void pressMemo(Board& board, int digit);

} // namespace rakamlik::model
