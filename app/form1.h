#pragma once

#include "controls.h"
#include "game/game_state.h"
#include "game/random_source.h"

#include <QHash>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>

namespace rakamlik {

// The game's one window. It owns every control, built from the design
// table, and the game's state; its procedures are short calls into the
// rules of the game.
class Form1 : public QWidget {
    Q_OBJECT

public:
    using Beep = std::function<void()>;

    // `random` is seeded once, from the clock, when the window loads;
    // `beep` sounds the system beep.
    Form1(std::unique_ptr<RandomSource> random, Beep beep, QWidget* parent = nullptr);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const GameState& state() const { return state_; }

    // Controls by their design names.
    QWidget* control(const QString& name) const { return controls_.value(name); }
    QPushButton* command(int n) const { return commands_.at(n); } // SSCommand1..22
    Label* label(int n) const { return labels_.at(n); }           // Label1..14, not 5
    Label* ledgerCell(int i) const { return cells_.at(i); }       // Label5(0..39)
    ImageBox* image(int n) const { return images_.at(n); }        // visible image boxes
    Panel* panel(int n) const { return panels_.at(n); }           // SSPanel1..4
    // The picture a template image box holds (Image19, Image26, ...).
    const Picture& templatePicture(int image) const;

    // Only tests use this: to start from a state a game rarely reaches.
    GameState& stateForTesting() { return state_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void wire();
    void load();

    // Click handlers.
    void onYeni();            // a new game
    void onBak();             // show the secret
    void onKeypad(int digit); // a digit of the guess
    void onMemo(int digit);   // the next colour of a memo button

    // The game's procedures; each takes and returns nothing, and their
    // order of calls is part of the game.
    void etikete_yaz(); // show the digit just typed; complete the guess at the fourth
    void deftere_yaz(); // scroll the ledger and write the guess at its top
    void sorgu();       // score the guess and show its marker
    void sonuç();       // the end of a won game
    void kapat();       // lock the keypad and "Bak"
    void aç();          // unlock the keypad and "Bak"
    void sil();         // blank the markers, dial back to rest
    void gizle();       // take the rating off the board
    void yenile();      // memo captions back to black
    void kadran();      // count the guess on the dial
    void temizle();     // empty the ledger's cells
    void redüzelt();    // memo states back to 0
    void reaç();        // enable the memo buttons

    QPushButton* keypadButton(int digit) const { return command(digit == 0 ? 10 : digit); }
    QPushButton* memoButton(int digit) const { return command(13 + digit); }
    void setKeypadEnabled(bool enabled);

    GameState state_;
    std::unique_ptr<RandomSource> random_;
    Beep beep_;

    QHash<QString, QWidget*> controls_;
    std::array<QPushButton*, 23> commands_{};
    std::array<Label*, 15> labels_{};
    std::array<Label*, 40> cells_{};
    std::array<ImageBox*, 39> images_{};
    std::array<Panel*, 5> panels_{};
    // Templates are loaded when first copied: only the dial's rest face is
    // needed before the window first appears.
    mutable std::map<int, Picture> templates_;
};

} // namespace rakamlik
