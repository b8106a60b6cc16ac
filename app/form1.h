// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "design.h"
#include "game/game.h"

#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <span>

class QMenu;
class QDialog;

namespace rakamlik {

class HelpWindow;

// The game's one window. It builds its controls from the design table,
// turns clicks into the game's commands and, after each, shows the game's
// state on its controls.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // `random` is seeded once, from the clock, when the window loads; `beep` sounds the system
    // beep. The controls are built from `table`; a fault in it throws, naming the control.
    Form1(std::unique_ptr<RandomSource> random, Game::Beep beep,
          std::span<const design::Control> table = design::controls(), QWidget* parent = nullptr);

    const Game& game() const { return game_; }
    // Only tests and benchmarks use this: to start from a state a game rarely reaches.
    Game& gameForTesting() { return game_; }

    // A control by its design name ("SSCommand11", "Label5(7)").
    QWidget* control(const QString& name) const { return controls_.value(name); }

    // Around the board: the help "Nasıl oynanır", the About box and the window's menu. Each is
    // made when first asked for, and asked again it comes to the front instead of opening twice.
    void showHelp();
    void showAbout();
    // Closes the window, which ends the program.
    void quit();
    // The menu, with its top left corner at `at` (global coordinates).
    void showMenu(const QPoint& at);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void build(std::span<const design::Control> table);
    void wire();
    void load();
    // Puts what the game shows on the controls; what is already shown is left alone.
    void showGame();
    // Words for a screen reader: the guess just completed, its score, and a win with its rating.
    QString guessNews() const;

    const Picture& markerPicture(const std::optional<Score>& score);
    const Picture& facePicture(int face);

    Game game_;
    QHash<QString, QWidget*> controls_;
    QPoint boardOffset_; // where the board's top left corner lies in a larger window

    std::array<QPushButton*, 10> keypad_{}; // by digit
    std::array<QPushButton*, 10> memo_{};   // by digit
    QPushButton* yeni_ = nullptr;
    QPushButton* bak_ = nullptr;
    std::array<Label*, 4> guess_{};
    Label* message_ = nullptr;
    std::array<Label*, 40> ledger_{};     // four cells a row, row by row, newest first
    std::array<ImageBox*, 10> markers_{}; // by ledger row
    std::array<ImageBox*, 4> gauges_{};
    std::array<Label*, 4> ratingTitles_{}; // by column
    std::array<Label*, 4> ratingValues_{};
    Announcer* announcer_ = nullptr;

    QPointer<HelpWindow> help_;
    QPointer<QDialog> about_;
    QMenu* menu_ = nullptr;

    // Each picture is loaded when first shown, then shared by every box
    // that shows it: only the dial's rest face is needed before the window
    // first appears.
    std::array<std::array<std::optional<Picture>, 5>, 5> markerPictures_{}; // [exact][near]
    std::array<std::optional<Picture>, 8> facePictures_{};
    Picture noPicture_;

    // What the controls show, as the game last said it.
    struct Shown {
        std::array<std::string, 4> guess;
        std::string message;
        std::array<Game::Row, 10> ledger;
        std::optional<Rating> rating;
        std::array<MemoMark, 10> marks;
    };
    std::optional<Shown> shown_; // nothing before the first showing
};

} // namespace rakamlik
