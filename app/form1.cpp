#include "form1.h"

#include "design.h"
#include "fonts.h"
#include "picture_catalog.h"

#include "board/memo.h"

#include <QButtonGroup>
#include <QKeyEvent>

#include <algorithm>
#include <stdexcept>
#include <string>
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
        auto* button = new QPushButton(caption, parent);
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

} // namespace

Form1::Form1(std::unique_ptr<RandomSource> random, Beep beep, QWidget* parent)
    : QWidget(parent), random_(std::move(random)), beep_(std::move(beep)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(design::windowTitle));
    setFixedSize(design::px(design::clientWidth), design::px(design::clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(design::windowColour));
    setPalette(palette);
    setAutoFillBackground(true);

    build();
    wire();
    load();
}

Form1::~Form1() = default;

const Picture& Form1::templatePicture(int image) const {
    auto loaded = templates_.find(image);
    if (loaded == templates_.end()) {
        const auto all = design::templates();
        const auto t = std::ranges::find(all, image, &design::Template::image);
        if (t == all.end()) {
            throw std::out_of_range("no template image box Image" + std::to_string(image));
        }
        loaded = templates_.emplace(image, pictureFor(t->picture)).first;
    }
    return loaded->second;
}

void Form1::build() {
    for (const design::Control& entry : design::controls()) {
        QWidget* parent =
            entry.parent == "Form1" ? this : control(QString::fromStdString(entry.parent));
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
        if (entry.picture.kind != design::PictureRef::Kind::None) {
            static_cast<ImageBox*>(widget)->setPicture(pictureFor(entry.picture));
        }
        controls_.insert(widget->objectName(), widget);
    }

    // Buttons and panels lie above the labels and image boxes of their
    // container, in creation order; the backdrop lies beneath everything.
    for (const design::Control& entry : design::controls()) {
        QWidget* widget = control(QString::fromStdString(entry.name));
        if (entry.kind == design::Kind::Button || entry.kind == design::Kind::Panel) {
            widget->raise();
        }
        if (entry.atBottom) {
            widget->lower();
        }
    }

    const auto order = design::focusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(control(QString::fromStdString(order[i])),
                    control(QString::fromStdString(order[i + 1])));
    }

    for (int n = 1; n <= 22; ++n) {
        commands_.at(n) = qobject_cast<QPushButton*>(control(QStringLiteral("SSCommand%1").arg(n)));
    }
    for (int n = 1; n <= 14; ++n) {
        labels_.at(n) =
            n == 5 ? nullptr : qobject_cast<Label*>(control(QStringLiteral("Label%1").arg(n)));
    }
    for (int i = 0; i < 40; ++i) {
        cells_.at(i) = qobject_cast<Label*>(control(QStringLiteral("Label5(%1)").arg(i)));
    }
    for (int n = 1; n <= 38; ++n) {
        images_.at(n) = qobject_cast<ImageBox*>(control(QStringLiteral("Image%1").arg(n)));
    }
    for (int n = 1; n <= 4; ++n) {
        panels_.at(n) = qobject_cast<Panel*>(control(QStringLiteral("SSPanel%1").arg(n)));
    }
}

void Form1::wire() {
    auto* keypad = new QButtonGroup(this);
    auto* memo = new QButtonGroup(this);
    keypad->setExclusive(false);
    memo->setExclusive(false);
    for (int digit = 0; digit <= 9; ++digit) {
        keypad->addButton(keypadButton(digit), digit);
        memo->addButton(memoButton(digit), digit);
    }
    connect(keypad, &QButtonGroup::idClicked, this, &Form1::onKeypad);
    connect(memo, &QButtonGroup::idClicked, this, &Form1::onMemo);
    connect(command(11), &QPushButton::clicked, this, &Form1::onYeni);
    connect(command(12), &QPushButton::clicked, this, &Form1::onBak);
    for (int n = 1; n <= 22; ++n) {
        command(n)->installEventFilter(this);
    }
    for (int digit = 0; digit <= 9; ++digit) {
        memoButton(digit)->setAccessibleDescription(toQString(memoResetName));
    }
}

// Enter and Return press the focused button, as Space does: the window has
// no default button for them to go to instead.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !key->isAutoRepeat()) {
            if (auto* button = qobject_cast<QPushButton*>(watched)) {
                button->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The window's load: seed the one random generator from the clock, the only
// seeding of the whole run, and put the dial's rest face into the gauges.
void Form1::load() {
    random_->seed(clockSeed());
    for (int n = 33; n <= 36; ++n) {
        image(n)->setPicture(templatePicture(19));
    }
}

} // namespace rakamlik
