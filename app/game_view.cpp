// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_view.h"

#include "assets/pictures.h"

#include <QStringList>

#include <cstddef>

namespace rakamlik {
namespace {

// A memo button's mark: the caption's colour, and its name as the button's description.
void showMemoMark(QPushButton* button, const MemoMark& mark) {
    const QColor colour = toQColor(mark.colour);
    if (button->palette().color(QPalette::Active, QPalette::ButtonText) != colour) {
        setCaptionColour(button, colour);
    }
    if (const QString name = toQString(mark.name); button->accessibleDescription() != name) {
        button->setAccessibleDescription(name); // tells a screen reader of every change
    }
}

void showText(QLabel* label, const std::string& text) {
    label->setText(toQString(text));
}

// Whether `now` is to be shown: on the first showing, and where it differs from what `shown`
// says is on the board, which then says `now`.
template <typename Value> bool changed(Value& shown, const Value& now, bool first) {
    if (!first && shown == now) {
        return false;
    }
    shown = now;
    return true;
}

} // namespace

GameView::GameView(const Game& game, const Board& board) : game_(game), board_(board) {}

void GameView::show() {
    const bool first = !shown_;
    Shown& was = first ? shown_.emplace() : *shown_;
    for (std::size_t d = 0; d < digitCount; ++d) {
        const int digit = static_cast<int>(d);
        if (changed(was.keypadOpen[d], game_.keypadOpen(digit), first)) {
            board_.keypad[d]->setEnabled(was.keypadOpen[d]);
        }
        if (changed(was.marks[d], game_.memoMark(digit), first)) {
            showMemoMark(board_.memo[d], was.marks[d]);
        }
    }
    if (changed(was.memoOpen, game_.memoOpen(), first)) {
        for (Button* memo : board_.memo) {
            memo->setEnabled(was.memoOpen);
        }
    }
    if (changed(was.revealOpen, game_.revealOpen(), first)) {
        board_.reveal->setEnabled(was.revealOpen);
    }
    for (std::size_t place = 0; place < guessLength; ++place) {
        if (changed(was.guess[place], game_.guess()[place], first)) {
            showText(board_.guess[place], was.guess[place]);
        }
    }
    if (changed(was.message, game_.message(), first)) {
        showText(board_.message, was.message);
    }
    for (std::size_t row = 0; row < ledgerRows; ++row) {
        if (changed(was.ledger[row], game_.ledger()[row], first)) {
            for (std::size_t column = 0; column < guessLength; ++column) {
                showText(board_.ledger[row][column], was.ledger[row].digits[column]);
            }
            board_.markers[row]->setPicture(markerPicture(was.ledger[row].score));
        }
    }
    for (std::size_t g = 0; g < gaugeCount; ++g) {
        if (changed(was.gauges[g], game_.gauges()[g], first)) {
            board_.gauges[g]->setPicture(facePicture(was.gauges[g]));
        }
    }
    if (changed(was.rating, game_.rating(), first)) {
        for (std::size_t column = 0; column < gaugeCount; ++column) {
            const bool rated = was.rating && was.rating->column == static_cast<int>(column);
            board_.ratingTitles[column]->setVisible(rated);
            board_.ratingValues[column]->setText(rated ? toQString(was.rating->text) : QString());
        }
    }
}

QString GameView::guessNews() const {
    const Game::Row& row = game_.ledger().front();
    QStringList words;
    for (const std::string& digit : row.digits) {
        words.append(toQString(digit));
    }
    QString news =
        words.join(u' ') + QStringLiteral(", ") + toQString(markerName(row.score.value()));
    if (row.score->exact == guessLength) {
        news += QStringLiteral(", ") + toQString(game_.message());
        if (const std::optional<Rating>& rating = game_.rating()) {
            const auto column = static_cast<std::size_t>(rating->column);
            news += QStringLiteral(". ") + board_.ratingTitles.at(column)->text() +
                    QStringLiteral(", ") + toQString(rating->text);
        }
    }
    return news;
}

// A scored guess's marks; a row without a guess shows nothing and says
// nothing, and a guess that found nothing shows nothing but says so.
const Picture& GameView::markerPicture(const std::optional<Score>& score) {
    if (!score) {
        return noPicture_;
    }
    auto& picture = markerPictures_.at(static_cast<std::size_t>(score->exact))
                        .at(static_cast<std::size_t>(score->near));
    if (!picture) {
        picture =
            Picture{pictures::marker(score->exact, score->near), toQString(markerName(*score))};
    }
    return *picture;
}

// Screen readers hear a gauge as empty, full or how many of its seven steps have run.
const Picture& GameView::facePicture(int face) {
    auto& picture = facePictures_.at(static_cast<std::size_t>(face));
    if (!picture) {
        picture = Picture{pictures::face(face), toQString(gaugeName(face))};
    }
    return *picture;
}

} // namespace rakamlik
