// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: the least Widgets program with a window like the game's (same size,
// same style, one label, one button, the default font), quitting after its first paint. The game
// cannot come up faster than this; bench_race compares the two.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QWidget window;
    window.setFixedSize(601, 392);
    auto* label = new QLabel(QStringLiteral("Başarılar"), &window);
    label->setGeometry(16, 16, 160, 24);
    auto* button = new QPushButton(QStringLiteral("Yeni"), &window);
    button->setGeometry(16, 48, 80, 32);

    new rakamlik::bench::FirstPaint(&window); // owned by the window
    window.show();
    return QApplication::exec();
}
