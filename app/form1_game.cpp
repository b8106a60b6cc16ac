// Playing a game: a new game, typing a guess, scoring it, showing the secret.
#include "form1.h"

#include "game/counter.h"
#include "game/reveal.h"
#include "game/scoring.h"
#include "game/secret.h"

namespace rakamlik {

void Form1::onYeni() {
    state_.tryCount = 0;
    state_.entryCount = 0;
    for (int n = 1; n <= 4; ++n) {
        label(n)->clear();
    }
    aç();
    sil();
    temizle();
    gizle();
    yenile();
    redüzelt();
    reaç();
    drawSecret(*random_, state_.secretDigits);
    label(6)->setText(QStringLiteral("Başarılar"));
}

void Form1::onKeypad(int digit) {
    // The previous guess stays in view until the first digit of the next.
    if (state_.entryCount == 0) {
        for (int n = 1; n <= 4; ++n) {
            label(n)->clear();
        }
    }
    state_.lastDigit = static_cast<std::int16_t>(digit);
    increment(state_.entryCount);
    // A digit can stand only once in a guess.
    keypadButton(digit)->setEnabled(false);
    etikete_yaz();
}

void Form1::etikete_yaz() {
    const int place = state_.entryCount - 1;
    label(1 + place)->setText(QString::number(state_.lastDigit));
    state_.guessDigits.at(place) = state_.lastDigit;
    if (state_.entryCount == 4) {
        state_.entryCount = 0;
        // Unlocking comes before the scoring, so a win's lock stands; the
        // dial counts before the scoring, so the rating counts the winning
        // guess.
        aç();
        kadran();
        deftere_yaz();
    }
}

void Form1::sorgu() {
    const Score s = score(state_.guessDigits, state_.secretDigits);
    state_.exactCount = s.exact;
    state_.nearCount = s.near;
    // Every score four different digits can reach has its marker. Screen
    // readers hear it by its marks; an empty marker says nothing was found.
    Picture marker = templatePicture(markerImage(s).value());
    marker.text = toQString(markerName(s));
    image(1)->setPicture(marker);
    if (s.exact == 4) {
        sonuç();
    }
}

void Form1::onBak() {
    label(6)->setText(QString::fromStdString(revealText(state_.secretDigits)));
}

} // namespace rakamlik
