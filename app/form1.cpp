// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "design.h"
#include "fonts.h"
#include "help.h"

#include "assets/pictures.h"
#include "game/dial.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace rakamlik {
namespace {

void setColours(QWidget* widget, const design::Control& entry) {
    QPalette palette = widget->palette();
    if (entry.back) {
        palette.setColor(QPalette::Window, toQColor(*entry.back));
    }
    if (entry.fore) {
        palette.setColor(QPalette::WindowText, toQColor(*entry.fore));
    } else {
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    }
    widget->setPalette(palette);
}

QWidget* makeControl(const design::Control& entry, QWidget* parent) {
    const QString caption = QString::fromStdString(entry.caption);
    switch (entry.kind) {
    case design::Kind::Label: {
        auto* label = new Label(parent);
        setColours(label, entry);
        label->setText(caption);
        label->setSingleFrame(entry.frame == design::Frame::Single);
        label->setAlignment(entry.centred ? Qt::AlignHCenter | Qt::AlignTop
                                          : Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case design::Kind::Image: {
        auto* box = new ImageBox(parent);
        box->setStretch(entry.stretch);
        box->setSingleFrame(entry.frame == design::Frame::Single);
        return box;
    }
    case design::Kind::Button: {
        auto* button = new Button(caption, parent);
        if (entry.fore) {
            setCaptionColour(button, toQColor(*entry.fore));
        }
        button->setAutoDefault(false);
        return button;
    }
    case design::Kind::Panel: {
        auto* panel = new Panel(parent);
        setColours(panel, entry);
        panel->setFrameShadow(entry.frame == design::Frame::Sunken ? QFrame::Sunken
                                                                   : QFrame::Raised);
        panel->setLineWidth(entry.bevel);
        panel->setCaption(caption, entry.captionBottomRight);
        return panel;
    }
    }
    return nullptr;
}

// A fault in the design table, found as the window is built. Left alone, it would leave a role
// without its control and fail later, far from its cause, where that control is first used.
std::runtime_error wrongDesign(const QString& what) {
    return std::runtime_error(
        QStringLiteral("the design table is wrong: %1").arg(what).toStdString());
}

// The control as the kind of widget its role needs.
template <typename Widget> Widget* as(QWidget* widget) {
    auto* control = qobject_cast<Widget*>(widget);
    if (control == nullptr) {
        throw wrongDesign(QStringLiteral("%1 is a %2, where its role needs a %3")
                              .arg(widget->objectName(),
                                   QLatin1String(widget->metaObject()->className()),
                                   QLatin1String(Widget::staticMetaObject.className())));
    }
    return control;
}

// Puts the control in its role's place, which no other control may have taken.
template <typename Widget> void fill(Widget*& place, QWidget* widget) {
    auto* control = as<Widget>(widget);
    if (place != nullptr) {
        throw wrongDesign(QStringLiteral("%1 takes the place of %2")
                              .arg(widget->objectName(), place->objectName()));
    }
    place = control;
}

template <typename Widget, std::size_t n>
void place(std::array<Widget*, n>& role, int index, QWidget* widget) {
    if (index < 0 || static_cast<std::size_t>(index) >= n) {
        throw wrongDesign(QStringLiteral("%1 has the index %2, beyond its role's %3 places")
                              .arg(widget->objectName())
                              .arg(index)
                              .arg(n));
    }
    fill(role[static_cast<std::size_t>(index)], widget);
}

// A role's place that no control took.
void expectFilled(const QObject* place, const QString& role) {
    if (place == nullptr) {
        throw wrongDesign(QStringLiteral("no control is the %1").arg(role));
    }
}
template <typename Widget, std::size_t n>
void expectFilled(const std::array<Widget*, n>& role, const char* name) {
    for (std::size_t i = 0; i < n; ++i) {
        expectFilled(role[i], QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(i));
    }
}

void showText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text)); // a label ignores the text it already shows
}

void showMemoMark(QPushButton* button, const MemoMark& mark) {
    const QColor colour = toQColor(mark.colour);
    if (button->palette().color(QPalette::Active, QPalette::ButtonText) != colour) {
        setCaptionColour(button, colour);
    }
    if (const QString name = toQString(mark.name); button->accessibleDescription() != name) {
        button->setAccessibleDescription(name);
    }
}

// Where a menu opened from the keyboard appears: on the window's focused button.
QPoint atFocus(const QWidget* window) {
    const QWidget* focused = window->focusWidget() != nullptr ? window->focusWidget() : window;
    return focused->mapToGlobal(focused->rect().center());
}

// Shown again, a window that is already open comes to the front with the keyboard's focus. Once
// closed, it hands the focus back to the window it was opened from (the board, or the help for
// the About box), where it was, rather than leave it to the window manager.
template <typename Window, typename Make> void present(QPointer<Window>& window, Make make) {
    if (!window) {
        window = make();
    }
    if (!window->isVisible()) {
        QObject::connect(
            window, &QDialog::finished, window,
            [from = QPointer<QWidget>(QApplication::activeWindow()), window = window.data()] {
                QWidget* back = from && from->isVisible() ? from.data() : window->parentWidget();
                back->activateWindow();
            },
            Qt::SingleShotConnection);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Form1::Form1(std::unique_ptr<RandomSource> random, Game::Beep beep,
             std::span<const design::Control> table, QWidget* parent)
    : QWidget(parent), game_(std::move(random), std::move(beep)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(design::windowTitle));
    // The window opens at the board's size and can't be made smaller. A desktop may still
    // maximise it or make it full-screen (Wayland compositors insist on their own size for
    // both, and end a client that keeps another), and then the board stays centred on the grey.
    const QSize board(design::px(design::clientWidth), design::px(design::clientHeight));
    setMinimumSize(board);
    resize(board);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(design::windowColour));
    setPalette(palette);
    setAutoFillBackground(true);

    build(table);
    wire();
    load();
}

void Form1::build(std::span<const design::Control> table) {
    using design::Role;
    for (const design::Control& entry : table) {
        QWidget* parent =
            entry.parent == "Form1" ? this : control(QString::fromStdString(entry.parent));
        if (parent == nullptr) {
            throw wrongDesign(
                QStringLiteral("%1 lies in %2, which is not made before it")
                    .arg(QString::fromStdString(entry.name), QString::fromStdString(entry.parent)));
        }
        QWidget* widget = makeControl(entry, parent);
        widget->setObjectName(QString::fromStdString(entry.name));
        widget->setGeometry(design::px(entry.left), design::px(entry.top), design::px(entry.width),
                            design::px(entry.height));
        // Controls inherit their container's font and are shown with it:
        // only what differs is set, which spares a round of change events
        // per control.
        if (const QFont font = fontFor(entry.font); widget->font() != font) {
            widget->setFont(font);
        }
        if (!entry.visible) {
            widget->hide();
        }
        if (!entry.enabled) {
            widget->setEnabled(false);
        }
        if (entry.backdrop) {
            as<ImageBox>(widget)->setPicture({pictures::backdrop(), {}});
        }
        controls_.insert(widget->objectName(), widget);

        switch (entry.role) {
        case Role::None:
            break;
        case Role::Keypad:
            place(keypad_, entry.index, widget);
            break;
        case Role::Memo:
            place(memo_, entry.index, widget);
            break;
        case Role::Yeni:
            fill(yeni_, widget);
            break;
        case Role::Bak:
            fill(bak_, widget);
            break;
        case Role::Guess:
            place(guess_, entry.index, widget);
            break;
        case Role::Message:
            fill(message_, widget);
            break;
        case Role::LedgerCell:
            place(ledger_, entry.index, widget);
            break;
        case Role::Marker:
            place(markers_, entry.index, widget);
            break;
        case Role::Gauge:
            place(gauges_, entry.index, widget);
            break;
        case Role::RatingTitle:
            place(ratingTitles_, entry.index, widget);
            break;
        case Role::RatingValue:
            place(ratingValues_, entry.index, widget);
            break;
        }
    }
    expectFilled(keypad_, "keypad button");
    expectFilled(memo_, "memo button");
    expectFilled(yeni_, QStringLiteral("Yeni button"));
    expectFilled(bak_, QStringLiteral("Bak button"));
    expectFilled(guess_, "guess box");
    expectFilled(message_, QStringLiteral("message"));
    expectFilled(ledger_, "ledger cell");
    expectFilled(markers_, "marker");
    expectFilled(gauges_, "gauge");
    expectFilled(ratingTitles_, "rating title");
    expectFilled(ratingValues_, "rating value");

    // Buttons and panels lie above the labels and image boxes of their
    // container, in creation order; the backdrop lies beneath everything.
    for (const design::Control& entry : table) {
        QWidget* widget = control(QString::fromStdString(entry.name));
        if (entry.kind == design::Kind::Button || entry.kind == design::Kind::Panel) {
            widget->raise();
        }
        if (entry.atBottom) {
            widget->lower();
        }
    }

    announcer_ = new Announcer(this);

    const auto order = design::focusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(control(QString::fromStdString(order[i])),
                    control(QString::fromStdString(order[i + 1])));
    }
}

void Form1::wire() {
    auto* keypad = new QButtonGroup(this);
    auto* memo = new QButtonGroup(this);
    keypad->setExclusive(false);
    memo->setExclusive(false);
    for (int digit = 0; digit <= 9; ++digit) {
        keypad->addButton(keypad_.at(static_cast<std::size_t>(digit)), digit);
        memo->addButton(memo_.at(static_cast<std::size_t>(digit)), digit);
    }
    connect(keypad, &QButtonGroup::idClicked, this, [this](int digit) {
        game_.digit(digit);
        showGame();
        // A completed guess stays whole in the guess boxes until the next digit.
        if (!game_.guess().back().empty()) {
            announcer_->say(guessNews());
        }
    });
    connect(memo, &QButtonGroup::idClicked, this, [this](int digit) {
        game_.memo(digit);
        showGame();
        // The button's description names its mark too, but Orca does not hear a description
        // change as Qt reports it.
        announcer_->say(toQString(game_.memoMark(digit).name));
    });
    connect(yeni_, &QPushButton::clicked, this, [this] {
        game_.yeni();
        showGame();
        announcer_->say(toQString(game_.message()));
    });
    connect(bak_, &QPushButton::clicked, this, [this] {
        game_.bak();
        showGame();
        announcer_->say(toQString(game_.message()).trimmed());
    });
    // The keyboard's digits, on the main row and the numeric keypad, press the keypad's buttons,
    // and the desktop's "new" key starts a game; a locked button ignores its key.
    for (int digit = 0; digit <= 9; ++digit) {
        keypad_.at(static_cast<std::size_t>(digit))->setShortcut(QKeySequence(Qt::Key_0 + digit));
    }
    yeni_->setShortcut(QKeySequence::New);
    // The desktop's keys for help and for quitting, which work in the help and the About box
    // too. The Menu key opens the menu by itself, as a right click does; Shift+F10 is its other
    // usual key.
    for (const auto& [key, slot] :
         {std::pair{QKeySequence(QKeySequence::HelpContents), &Form1::showHelp},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_Q), &Form1::quit}}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    }
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { showMenu(atFocus(this)); });
}

void Form1::showHelp() {
    present(help_, [this] {
        std::array<QString, 4> titles;
        std::ranges::transform(ratingTitles_, titles.begin(), &QLabel::text);
        auto* help = new HelpWindow(titles, this);
        connect(help, &HelpWindow::aboutAsked, this, &Form1::showAbout);
        return help;
    });
}

void Form1::showAbout() {
    present(about_, [this] { return makeAboutBox(this); });
}

void Form1::quit() {
    // Asked from the help or the About box, too: the board's closing ends the program.
    close();
}

void Form1::showMenu(const QPoint& at) {
    if (menu_ == nullptr) {
        menu_ = new QMenu(this);
        // Each item shows, and tells a screen reader, the window's key for it. The key acts once
        // whether the menu is open or not: Qt runs a shortcut only when one owner of it is live,
        // and the closed menu is no active window.
        menu_->addAction(QStringLiteral("Yeni oyun"), QKeySequence::New, yeni_,
                         &QPushButton::click);
        menu_->addAction(QStringLiteral("Nasıl oynanır"), QKeySequence::HelpContents, this,
                         &Form1::showHelp);
        menu_->addAction(QStringLiteral("Hakkında"), this, &Form1::showAbout);
        menu_->addSeparator();
        menu_->addAction(QStringLiteral("Çık"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                         &Form1::quit);
    }
    menu_->popup(at);
}

// A right click anywhere on the window, or the Menu key, opens the menu: at the pointer, or from
// the keyboard at the focused button.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
    showMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : atFocus(this));
}

void Form1::resizeEvent(QResizeEvent* /*event*/) {
    const QPoint centred((width() - minimumWidth()) / 2, (height() - minimumHeight()) / 2);
    const QPoint by = centred - boardOffset_;
    if (by.isNull()) {
        return;
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->move(child->pos() + by);
    }
    boardOffset_ = centred;
}

// The window's load: the game seeds its random source from the clock, and
// the gauges take the dial's rest face.
void Form1::load() {
    game_.load();
    showGame();
}

void Form1::showGame() {
    // Only what differs from the last showing is touched: a memo click changes one button, a
    // guess one row and a gauge.
    const bool all = !shown_;
    Shown& was = all ? shown_.emplace() : *shown_;
    for (std::size_t d = 0; d < 10; ++d) {
        keypad_[d]->setEnabled(game_.keypadOpen(static_cast<int>(d)));
        memo_[d]->setEnabled(game_.memoOpen());
        const MemoMark& mark = game_.memoMark(static_cast<int>(d));
        if (all || was.marks[d] != mark) {
            showMemoMark(memo_[d], mark);
            was.marks[d] = mark;
        }
    }
    bak_->setEnabled(game_.bakOpen());
    for (std::size_t place = 0; place < guess_.size(); ++place) {
        if (all || was.guess[place] != game_.guess()[place]) {
            was.guess[place] = game_.guess()[place];
            showText(guess_[place], was.guess[place]);
        }
    }
    if (all || was.message != game_.message()) {
        was.message = game_.message();
        showText(message_, was.message);
    }
    for (std::size_t row = 0; row < markers_.size(); ++row) {
        const Game::Row& shown = game_.ledger()[row];
        if (all || was.ledger[row] != shown) {
            was.ledger[row] = shown;
            for (std::size_t column = 0; column < 4; ++column) {
                showText(ledger_[row * 4 + column], shown.digits[column]);
            }
            markers_[row]->setPicture(markerPicture(shown.score));
        }
    }
    for (std::size_t g = 0; g < gauges_.size(); ++g) {
        gauges_[g]->setPicture(facePicture(game_.gauges()[g]));
    }
    const std::optional<Rating>& rating = game_.rating();
    if (all || was.rating != rating) {
        was.rating = rating;
        for (std::size_t column = 0; column < ratingTitles_.size(); ++column) {
            const bool rated = rating && rating->column == static_cast<int>(column);
            ratingTitles_[column]->setVisible(rated);
            ratingValues_[column]->setText(rated ? toQString(rating->text) : QString());
        }
    }
}

QString Form1::guessNews() const {
    const Game::Row& row = game_.ledger().front();
    QStringList words;
    for (const std::string& digit : row.digits) {
        words.append(toQString(digit));
    }
    QString news =
        words.join(u' ') + QStringLiteral(": ") + toQString(markerName(row.score.value()));
    if (row.score->exact == 4) {
        news += QStringLiteral(", ") + toQString(game_.message());
        if (const std::optional<Rating>& rating = game_.rating()) {
            const auto column = static_cast<std::size_t>(rating->column);
            news += QStringLiteral(". ") + ratingTitles_.at(column)->text() + u' ' +
                    toQString(rating->text);
        }
    }
    return news;
}

// A scored guess's marks; a row without a guess shows nothing and says
// nothing, and a guess that found nothing shows nothing but says so.
const Picture& Form1::markerPicture(const std::optional<Score>& score) {
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
const Picture& Form1::facePicture(int face) {
    auto& picture = facePictures_.at(static_cast<std::size_t>(face));
    if (!picture) {
        picture = Picture{pictures::face(face), toQString(gaugeName(face))};
    }
    return *picture;
}

} // namespace rakamlik
