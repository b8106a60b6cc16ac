#include "window_check.h"

#include <QPalette>

namespace rakamlik::model {

namespace {

QString shown(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}
QString shown(int value) {
    return QString::number(value);
}
QString shown(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
QString shown(const QColor& colour) {
    return colour.name();
}

constexpr int noIndex = -1;

// Remembers the first property whose two values differ. `what` names it,
// with %1 standing for `index` unless that is `noIndex`.
struct FirstDifference {
    std::optional<Difference> found;

    template <typename T>
    void operator()(const char* what, int index, const T& expected, const T& actual) {
        if (!found && !(expected == actual)) {
            const QString name = QString::fromUtf8(what);
            found = Difference{index == noIndex ? name : name.arg(index), shown(expected),
                               shown(actual)};
        }
    }
};

} // namespace

WindowCheck::WindowCheck(const Form1& window) : window_(window) {
    for (int k = 11; k <= 32; ++k) {
        keys_.at(k) = window.templatePicture(k).pixmap.cacheKey();
    }
}

QString WindowCheck::pictureName(qint64 key) const {
    if (key == 0) {
        return QStringLiteral("empty");
    }
    for (int k = 11; k <= 32; ++k) {
        if (keys_.at(k) == key) {
            return QStringLiteral("Image%1").arg(k);
        }
    }
    return QStringLiteral("an unknown picture");
}

std::optional<Difference> WindowCheck::firstDifference(const Board& board, int beeps) const {
    const Form1& w = window_;
    FirstDifference check;
    for (int n = 1; n <= 4; ++n) {
        check("Label%1 caption", n, board.guess.at(n - 1), w.label(n)->text());
    }
    check("Label6 caption", noIndex, board.message, w.label(6)->text());
    for (int i = 0; i < 40; ++i) {
        check("Label5(%1) caption", i, board.ledger.at(i), w.ledgerCell(i)->text());
    }
    const auto pictures = [&](const char* what, int image, int expected) {
        const qint64 actual = w.image(image)->picture().pixmap.cacheKey();
        if (!check.found && actual != keyOf(expected)) {
            check.found = Difference{QString::fromUtf8(what).arg(image),
                                     pictureName(keyOf(expected)), pictureName(actual)};
        }
    };
    for (int n = 1; n <= 10; ++n) {
        pictures("Image%1 picture", n, board.markers.at(n - 1));
    }
    for (int g = 0; g < 4; ++g) {
        pictures("Image%1 picture", 33 + g, board.gauges.at(g));
    }
    for (int c = 0; c < 4; ++c) {
        check("Label%1 visible", 7 + c, board.titleShown.at(c), w.label(7 + c)->isVisible());
        check("Label%1 caption", 11 + c, board.grades.at(c), w.label(11 + c)->text());
    }
    for (int n = 1; n <= 22; ++n) {
        check("SSCommand%1 enabled", n, board.enabled.at(n), w.command(n)->isEnabled());
    }
    for (int k = 0; k < 10; ++k) {
        check("SSCommand%1 caption colour", 13 + k, board.memoColours.at(k),
              w.command(13 + k)->palette().color(QPalette::Active, QPalette::ButtonText));
    }
    check("beeps", noIndex, board.beeps, beeps);

    const GameState& e = board.state;
    const GameState& a = w.state();
    for (int i = 0; i < 4; ++i) {
        check("secretDigits[%1]", i, int{e.secretDigits.at(i)}, int{a.secretDigits.at(i)});
        check("guessDigits[%1]", i, int{e.guessDigits.at(i)}, int{a.guessDigits.at(i)});
    }
    check("lastDigit", noIndex, int{e.lastDigit}, int{a.lastDigit});
    check("entryCount", noIndex, int{e.entryCount}, int{a.entryCount});
    check("nearCount", noIndex, int{e.nearCount}, int{a.nearCount});
    check("exactCount", noIndex, int{e.exactCount}, int{a.exactCount});
    check("tryCount", noIndex, int{e.tryCount}, int{a.tryCount});
    for (int k = 0; k < 10; ++k) {
        check("memoStates[%1]", k, int{e.memoStates.at(k)}, int{a.memoStates.at(k)});
    }
    return check.found;
}

} // namespace rakamlik::model
