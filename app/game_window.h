// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board.h"
#include "commands.h"
#include "game/game.h"
#include "game_view.h"

#include <QWidget>

#include <memory>

namespace rakamlik {

class Announcer;

// The game's one window: the board built from the design table, the player's clicks and keys
// turned into the game's commands and, after each, the game drawn onto the board and told to a
// screen reader.
class GameWindow : public QWidget {
    Q_OBJECT

public:
    // `random` is seeded once, from the clock, when the window loads; `beep` sounds the system
    // beep.
    GameWindow(std::unique_ptr<RandomSource> random, Game::Beep beep, QWidget* parent = nullptr);

    const Game& game() const { return game_; }
    // For tests and benchmarks only: to start from a state a game rarely reaches.
    Game& gameForTesting() { return game_; }

    const Board& board() const { return board_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void connectControls();
    void load();

    Game game_;
    Board board_;
    GameView view_;
    Announcer* announcer_;
    Commands* commands_;
    QPoint boardOffset_; // where the board's top left corner lies in a larger window
};

} // namespace rakamlik
