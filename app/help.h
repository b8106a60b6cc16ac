// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
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
    explicit HelpWindow(const std::array<QString, 4>& columnTitles, QWidget* parent = nullptr);

signals:
    // The player asked for the About box.
    void aboutAsked();
};

// "Rakamlik hakkında": the name and version, what the game is, its copyright and licence. The
// caller shows it; it does not block the game either.
QDialog* makeAboutBox(QWidget* parent);

} // namespace rakamlik
