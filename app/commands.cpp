// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "board.h"
#include "help.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>

namespace rakamlik {
namespace {

// Shown again, a window that is already open comes to the front with the keyboard's focus. Once
// closed, it hands the focus back to the window it was opened from (the board, or the help for
// the About box), where it was, rather than leave it to the window manager.
template <typename Window, typename Make> void present(QPointer<Window>& window, Make make) {
    if (!window) {
        window = make();
    }
    if (!window->isVisible()) {
        QObject::connect(
            window, &QDialog::finished, window,
            [from = QPointer<QWidget>(QApplication::activeWindow()), window = window.data()] {
                QWidget* back = from && from->isVisible() ? from.data() : window->parentWidget();
                back->activateWindow();
            },
            Qt::SingleShotConnection);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// An action of the window's, with its key, if it has one. The key works in every window of the
// game, the help and the About box included, and while the menu is open: Qt looks for a
// window-wide key only in the active window, which an open menu is, and never in the menu's items.
QAction* command(QWidget* window, const QString& text, const QKeySequence& key = {}) {
    auto* action = new QAction(text, window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    window->addAction(action);
    return action;
}

} // namespace

Commands::Commands(QWidget* window, const Board& board)
    : QObject(window), window_(window),
      newGame_(command(window, QStringLiteral("Yeni oyun"), QKeySequence::New)),
      help_(command(window, QStringLiteral("Nasıl oynanır"), QKeySequence::HelpContents)),
      about_(command(window, QStringLiteral("Hakkında"))),
      quit_(command(window, QStringLiteral("Çık"), QKeySequence(Qt::CTRL | Qt::Key_Q))) {
    for (std::size_t column = 0; column < columnTitles_.size(); ++column) {
        columnTitles_[column] = board.ratingTitles.at(column)->text();
    }
    // "Yeni oyun" is the button's press, so that the game and the screen reader hear of it as of
    // a click.
    connect(newGame_, &QAction::triggered, board.newGame, &QPushButton::click);
    connect(help_, &QAction::triggered, this, &Commands::showHelp);
    connect(about_, &QAction::triggered, this, &Commands::showAbout);
    connect(quit_, &QAction::triggered, window, &QWidget::close);
}

void Commands::showMenu(const QPoint& at) {
    if (menu_ == nullptr) {
        // The window's own actions: each item shows its key, and tells a screen reader of it,
        // and the key acts once, with the menu open or closed.
        menu_ = new QMenu(window_);
        menu_->addActions({newGame_, help_, about_});
        menu_->addSeparator();
        menu_->addAction(quit_);
    }
    menu_->popup(at);
}

void Commands::showHelp() {
    present(helpWindow_, [this] {
        auto* help = new HelpWindow(columnTitles_, window_);
        connect(help, &HelpWindow::aboutAsked, this, &Commands::showAbout);
        return help;
    });
}

void Commands::showAbout() {
    present(aboutBox_, [this] { return makeAboutBox(window_); });
}

} // namespace rakamlik
