// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/dial.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

namespace rakamlik {

class HelpWindow;
struct Board;

// The commands around the board: a new game, the help "Nasıl oynanır", the About box and
// quitting, each one action with its key, which the window and its menu share. The help and the
// About box are made when first asked for, and asked again they come to the front instead of
// opening twice.
class Commands : public QObject {
    Q_OBJECT

public:
    // The actions act on `window` and its `board`: a new game presses "Yeni", and quitting closes
    // the window, which ends the program. Their keys work in the help and the About box too.
    Commands(QWidget* window, const Board& board);

    QAction* newGame() const { return newGame_; }
    QAction* help() const { return help_; }
    QAction* about() const { return about_; }
    QAction* quit() const { return quit_; }

    // The menu, with its top left corner at `at` (global coordinates).
    void showMenu(const QPoint& at);

private:
    void showHelp();
    void showAbout();

    QWidget* window_;
    std::array<QString, gaugeCount> columnTitles_; // the rating's, for the help's table
    QAction* newGame_;
    QAction* help_;
    QAction* about_;
    QAction* quit_;
    QMenu* menu_ = nullptr;
    QPointer<HelpWindow> helpWindow_;
    QPointer<QDialog> aboutBox_;
};

} // namespace rakamlik
