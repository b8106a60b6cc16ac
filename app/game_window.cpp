// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_window.h"

#include "controls.h"
#include "design.h"

#include "assets/pictures.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QShortcut>

#include <stdexcept>
#include <utility>

namespace rakamlik {
namespace {

// The window made ready for its board, before the board's controls are made: its title, icon,
// size and colour (set now, they need not be passed on to every control), a design table that
// the board can be built from, and every picture it will show. A fault in the table would leave a
// role without its control and fail later, far from its cause, where that control is first used.
QWidget* readyForBoard(QWidget* window) {
    if (const auto faults = design::validate(design::controls()); !faults.empty()) {
        std::string what = "the design table is wrong:";
        for (const std::string& fault : faults) {
            what += "\n" + fault;
        }
        throw std::runtime_error(what);
    }
    pictures::checkPresent();
    window->setObjectName(QStringLiteral("gameWindow"));
    window->setWindowTitle(QString::fromLatin1(design::windowTitle));
    // Every window of the program's, the fatal-error box included, has the game's icon.
    QApplication::setWindowIcon(pictures::icon());
    // The window opens at the board's size and can't be made smaller. A desktop may still
    // maximise it or make it full-screen (Wayland compositors insist on their own size for
    // both, and end a client that keeps another), and then the board stays centred on the grey.
    const QSize size(design::px(design::clientWidth), design::px(design::clientHeight));
    window->setMinimumSize(size);
    window->resize(size);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, toQColor(design::windowColour));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    return window;
}

// Where a menu opened from the keyboard appears: on the window's focused button.
QPoint atFocus(const QWidget* window) {
    const QWidget* focused = window->focusWidget() != nullptr ? window->focusWidget() : window;
    return focused->mapToGlobal(focused->rect().center());
}

} // namespace

GameWindow::GameWindow(std::unique_ptr<RandomSource> random, Game::Beep beep, QWidget* parent)
    : QWidget(parent), game_(std::move(random), std::move(beep)), board_(readyForBoard(this)),
      view_(game_, board_), announcer_(new Announcer(this)), commands_(new Commands(this, board_)) {
    connectControls();
    load();
}

void GameWindow::connectControls() {
    auto* keypad = new QButtonGroup(this);
    auto* memo = new QButtonGroup(this);
    keypad->setExclusive(false);
    memo->setExclusive(false);
    for (int digit = 0; digit < digitCount; ++digit) {
        keypad->addButton(board_.keypad.at(static_cast<std::size_t>(digit)), digit);
        memo->addButton(board_.memo.at(static_cast<std::size_t>(digit)), digit);
    }
    connect(keypad, &QButtonGroup::idClicked, this, [this](int digit) {
        game_.digit(digit);
        view_.show();
        // A completed guess stays whole in the guess boxes until the next digit.
        if (!game_.guess().back().empty()) {
            announcer_->say(view_.guessNews());
        }
    });
    connect(memo, &QButtonGroup::idClicked, this, [this](int digit) {
        game_.memo(digit);
        view_.show();
        // The button's description names its mark too, but Orca does not hear a description
        // change as Qt reports it.
        announcer_->say(toQString(game_.memoMark(digit).name));
    });
    connect(board_.newGame, &QPushButton::clicked, this, [this] {
        game_.newGame();
        view_.show();
        announcer_->say(toQString(game_.message()));
    });
    connect(board_.reveal, &QPushButton::clicked, this, [this] {
        game_.reveal();
        view_.show();
        announcer_->say(toQString(game_.message()).trimmed());
    });
    // The keyboard's digits, on the main row and the numeric keypad, press the keypad's buttons;
    // a locked button ignores its key. Each digit's key has one owner, its button.
    for (int digit = 0; digit < digitCount; ++digit) {
        board_.keypad.at(static_cast<std::size_t>(digit))
            ->setShortcut(QKeySequence(Qt::Key_0 + digit));
    }
    // The Menu key opens the menu by itself, as a right click does; Shift+F10 is its other usual
    // key.
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { commands_->showMenu(atFocus(this)); });
}

// A right click anywhere on the window, or the Menu key, opens the menu: at the pointer, or from
// the keyboard at the focused button.
void GameWindow::contextMenuEvent(QContextMenuEvent* event) {
    commands_->showMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                    : atFocus(this));
}

void GameWindow::resizeEvent(QResizeEvent* /*event*/) {
    const QPoint centred((width() - minimumWidth()) / 2, (height() - minimumHeight()) / 2);
    const QPoint by = centred - boardOffset_;
    if (by.isNull()) {
        return;
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->move(child->pos() + by);
    }
    boardOffset_ = centred;
}

// The window's load: the game seeds its random source from the clock, and
// the gauges take the dial's rest face.
void GameWindow::load() {
    game_.load();
    view_.show();
}

} // namespace rakamlik
