// The ledger of guesses, the dial that counts them, and the rating of a won game.
#include "form1.h"

#include "game/counter.h"
#include "ledger/dial.h"
#include "ledger/rating.h"

namespace rakamlik {

void Form1::deftere_yaz() {
    // The ledger scrolls bottom-up so no row is overwritten before it is
    // copied; the bottom row's guess falls off.
    for (int row = 9; row >= 1; --row) {
        for (int column = 0; column < 4; ++column) {
            ledgerCell(4 * row + column)->setText(ledgerCell(4 * (row - 1) + column)->text());
        }
        image(row + 1)->setPicture(image(row)->picture());
    }
    for (int column = 0; column < 4; ++column) {
        ledgerCell(column)->setText(label(1 + column)->text());
    }
    sorgu();
}

void Form1::kadran() {
    increment(state_.tryCount);
    // After 28 guesses every gauge is full and the dial stays as it is.
    if (const auto step = dialStep(state_.tryCount)) {
        image(33 + step->gauge)->setPicture(templatePicture(25 + step->face));
    }
}

void Form1::sonuç() {
    beep_();
    label(6)->setText(QStringLiteral("tebrikler"));
    kapat();
    // A game won after more than 28 guesses gets no rating.
    if (const auto r = rating(state_.tryCount)) {
        label(7 + r->column)->setVisible(true);
        label(11 + r->column)->setText(toQString(r->text));
    }
}

} // namespace rakamlik
