// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/dial.h"

#include <QDialog>
#include <QRect>
#include <QString>

#include <array>

namespace rakamlik {

// "Nasıl oynanır": the rules, the marks, the dial, the rating table, the keys and what a screen
// reader says, in the board's own words. It does not block the game: a player may keep it open
// beside the board and play on. Esc closes it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // `columnTitles` are the rating's column titles as the board shows them, from the left.
    explicit HelpWindow(const std::array<QString, gaugeCount>& columnTitles,
                        QWidget* parent = nullptr);

signals:
    // The player asked for the About box.
    void aboutAsked();
};

// Where the help opens, as its frame in logical pixels of the screen's `available` rectangle:
// beside the board's frame `board`, on the side with more room, `preferred` wide or narrowed to fit
// down to `narrowest`. Only where neither side leaves that much does it lie over the board, at the
// screen's edge, as little as it can and off `kept` (the keypad and the guess boxes); a screen too
// small for even that gets the help where it covers `kept` least. Its top is level with the
// board's, as far as the screen allows.
QRect helpGeometry(const QRect& available, const QRect& board, const QRect& kept, QSize preferred,
                   int narrowest);

// "Rakamlik hakkında": the name and version, what the game is, its copyright and licence. The
// caller shows it; it does not block the game either.
QDialog* makeAboutBox(QWidget* parent);

} // namespace rakamlik
