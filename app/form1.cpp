#include "form1.h"

#include "design.h"
#include "fonts.h"
#include "picture_catalog.h"

#include <QButtonGroup>

#include <utility>

namespace rakamlik {
namespace {

void setColours(QWidget* widget, const design::Control& spec) {
    QPalette palette = widget->palette();
    if (spec.back) {
        palette.setColor(QPalette::Window, toQColor(*spec.back));
    }
    if (spec.fore) {
        palette.setColor(QPalette::WindowText, toQColor(*spec.fore));
    } else {
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    }
    widget->setPalette(palette);
}

QWidget* makeControl(const design::Control& spec, QWidget* parent) {
    const QString caption = QString::fromStdString(spec.caption);
    switch (spec.kind) {
    case design::Kind::Label: {
        auto* label = new Label(parent);
        setColours(label, spec);
        label->setText(caption);
        label->setSingleFrame(spec.frame == design::Frame::Single);
        label->setAlignment(spec.centred ? Qt::AlignHCenter | Qt::AlignTop
                                         : Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case design::Kind::Image: {
        auto* box = new ImageBox(parent);
        box->setStretch(spec.stretch);
        box->setSingleFrame(spec.frame == design::Frame::Single);
        return box;
    }
    case design::Kind::Button: {
        auto* button = new QPushButton(caption, parent);
        if (spec.fore) {
            setCaptionColour(button, toQColor(*spec.fore));
        }
        button->setAutoDefault(false);
        return button;
    }
    case design::Kind::Panel: {
        auto* panel = new Panel(parent);
        setColours(panel, spec);
        panel->setFrameShadow(spec.frame == design::Frame::Sunken ? QFrame::Sunken
                                                                  : QFrame::Raised);
        panel->setLineWidth(spec.bevel);
        panel->setCaption(caption, spec.captionBottomRight);
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

    for (const design::Template& t : design::templates()) {
        templates_.emplace(t.image, pictureFor(t.picture));
    }
    build();
    wire();
    load();
}

Form1::~Form1() = default;

void Form1::build() {
    for (const design::Control& spec : design::controls()) {
        QWidget* parent =
            spec.parent == "Form1" ? this : control(QString::fromStdString(spec.parent));
        QWidget* widget = makeControl(spec, parent);
        widget->setObjectName(QString::fromStdString(spec.name));
        widget->setGeometry(design::px(spec.left), design::px(spec.top), design::px(spec.width),
                            design::px(spec.height));
        widget->setFont(fontFor(spec.font));
        widget->setVisible(spec.visible);
        widget->setEnabled(spec.enabled);
        if (spec.picture.kind != design::PictureRef::Kind::None) {
            static_cast<ImageBox*>(widget)->setPicture(pictureFor(spec.picture));
        }
        controls_.insert(widget->objectName(), widget);
    }

    // Buttons and panels lie above the labels and image boxes of their
    // container, in creation order; the backdrop lies beneath everything.
    for (const design::Control& spec : design::controls()) {
        QWidget* widget = control(QString::fromStdString(spec.name));
        if (spec.kind == design::Kind::Button || spec.kind == design::Kind::Panel) {
            widget->raise();
        }
        if (spec.atBottom) {
            widget->lower();
        }
    }

    const auto order = design::focusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(control(QString::fromStdString(order[i])),
                    control(QString::fromStdString(order[i + 1])));
    }

    const auto find = [this](const QString& name) { return controls_.value(name); };
    for (int n = 1; n <= 22; ++n) {
        commands_.at(n) = qobject_cast<QPushButton*>(find(QStringLiteral("SSCommand%1").arg(n)));
    }
    for (int n = 1; n <= 14; ++n) {
        labels_.at(n) =
            n == 5 ? nullptr : qobject_cast<Label*>(find(QStringLiteral("Label%1").arg(n)));
    }
    for (int i = 0; i < 40; ++i) {
        cells_.at(i) = qobject_cast<Label*>(find(QStringLiteral("Label5(%1)").arg(i)));
    }
    for (int n = 1; n <= 38; ++n) {
        images_.at(n) = qobject_cast<ImageBox*>(find(QStringLiteral("Image%1").arg(n)));
    }
    for (int n = 1; n <= 4; ++n) {
        panels_.at(n) = qobject_cast<Panel*>(find(QStringLiteral("SSPanel%1").arg(n)));
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
