#pragma once

#include "app/form1.h"
#include "reference_model.h"

#include <QString>

#include <array>
#include <optional>

namespace rakamlik::model {

struct Difference {
    QString property;
    QString expected;
    QString actual;
};

// Compares a shown window with the board the model expects, property by
// property, cheaply enough to run after every click: texts, Enabled and
// Visible flags, caption colours, the cache keys of the pictures shown, the
// beeps and the game's state.
class WindowCheck {
public:
    explicit WindowCheck(const Form1& window);

    std::optional<Difference> firstDifference(const Board& board, int beeps) const;

private:
    // "Image26" for the template whose picture has `key`, "empty" for none.
    QString pictureName(qint64 key) const;
    qint64 keyOf(int templateImage) const { return keys_.at(templateImage); }

    const Form1& window_;
    std::array<qint64, 33> keys_{}; // cache key of template Image k's picture, 0 if empty
};

} // namespace rakamlik::model
