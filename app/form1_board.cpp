// Board housekeeping: clearing it for a new game, locking the keypad, the memo buttons.
#include "form1.h"

#include "board/memo.h"

#include <QPushButton>

namespace rakamlik {
namespace {

void showMemoMark(QPushButton* button, Rgb colour, std::string_view name) {
    setCaptionColour(button, toQColor(colour));
    button->setAccessibleDescription(toQString(name));
}

} // namespace

void Form1::setKeypadEnabled(bool enabled) {
    for (int n = 1; n <= 10; ++n) {
        command(n)->setEnabled(enabled);
    }
    command(12)->setEnabled(enabled);
}

void Form1::kapat() {
    setKeypadEnabled(false);
}

void Form1::aç() {
    setKeypadEnabled(true);
}

void Form1::sil() {
    for (int n = 1; n <= 10; ++n) {
        image(n)->setPicture(templatePicture(21));
    }
    for (int n = 33; n <= 36; ++n) {
        image(n)->setPicture(templatePicture(19));
    }
}

void Form1::temizle() {
    for (int i = 0; i < 40; ++i) {
        ledgerCell(i)->clear();
    }
}

void Form1::gizle() {
    for (int n = 7; n <= 10; ++n) {
        label(n)->setVisible(false);
    }
    for (int n = 11; n <= 14; ++n) {
        label(n)->clear();
    }
}

void Form1::yenile() {
    for (int digit = 0; digit <= 9; ++digit) {
        showMemoMark(memoButton(digit), memoResetColour, memoResetName);
    }
}

void Form1::redüzelt() {
    state_.memoStates.fill(0);
}

void Form1::reaç() {
    for (int digit = 0; digit <= 9; ++digit) {
        memoButton(digit)->setEnabled(true);
    }
}

void Form1::onMemo(int digit) {
    std::int16_t& memo = state_.memoStates.at(digit);
    const MemoStep step = memoStep(memo);
    showMemoMark(memoButton(digit), step.colour, step.markName);
    memo = step.next;
}

} // namespace rakamlik
