// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "fonts.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace rakamlik {
namespace {

// A widget's single frame in whole device pixels: the widget's edges rounded to the screen's
// pixel grid, and lines as thick as the scale, rounded (one pixel at 1 and 1.25, two from 1.5 to
// 2). Drawn in logical pixels, at a fractional scale an edge falls between device pixels, so a
// line could vanish on one side, double on another, and the fill show outside it.
struct DeviceFrame {
    QRect outer; // device pixels
    QRect inner; // what lies inside the lines
    int line;
};

// Sets `painter` to draw in device pixels and returns `widget`'s frame in them.
DeviceFrame inDevicePixels(QPainter& painter, const QWidget* widget) {
    const QRectF edges = painter.deviceTransform().mapRect(QRectF(widget->rect()));
    painter.setWorldTransform(painter.deviceTransform().inverted());
    const QRect outer(QPoint(qRound(edges.left()), qRound(edges.top())),
                      QPoint(qRound(edges.right()) - 1, qRound(edges.bottom()) - 1));
    const int line = std::max(1, qRound(widget->devicePixelRatioF()));
    return {outer, outer.adjusted(line, line, -line, -line), line};
}

void paintFrame(QPainter& painter, const DeviceFrame& frame) {
    const QRect& o = frame.outer;
    const int line = frame.line;
    painter.fillRect(o.left(), o.top(), o.width(), line, Qt::black);
    painter.fillRect(o.left(), o.bottom() + 1 - line, o.width(), line, Qt::black);
    painter.fillRect(o.left(), o.top(), line, o.height(), Qt::black);
    painter.fillRect(o.right() + 1 - line, o.top(), line, o.height(), Qt::black);
}

// The gap between a panel's bevel and its content.
constexpr int panelBorder = 3;

// A label's or panel's back and caption colours; a caption without a colour of its own takes the
// platform's button text colour, as the design's controls do.
void setColours(QWidget* widget, const design::Control& entry) {
    QPalette palette = widget->palette();
    if (entry.back) {
        palette.setColor(QPalette::Window, toQColor(*entry.back));
    }
    palette.setColor(QPalette::WindowText,
                     entry.fore ? toQColor(*entry.fore) : palette.color(QPalette::ButtonText));
    widget->setPalette(palette);
}

QWidget* makeWidget(const design::Control& entry, QWidget* parent) {
    const QString caption = QString::fromStdString(entry.caption);
    switch (design::kindOf(entry.role)) {
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
    case design::Kind::Panel:
        break;
    }
    auto* panel = new Panel(parent);
    setColours(panel, entry);
    panel->setFrameShadow(entry.frame == design::Frame::Sunken ? QFrame::Sunken : QFrame::Raised);
    panel->setLineWidth(entry.bevel);
    panel->setCaption(caption, entry.captionBottomRight);
    return panel;
}

} // namespace

QWidget* makeControl(const design::Control& entry, QWidget* parent) {
    QWidget* widget = makeWidget(entry, parent);
    widget->setObjectName(QString::fromStdString(design::nameOf(entry)));
    widget->setGeometry(design::px(entry.left), design::px(entry.top), design::px(entry.width),
                        design::px(entry.height));
    // Controls inherit their container's font and are shown with it: only what differs is set,
    // which spares a round of change events per control.
    if (const QFont font = fontFor(entry.font); widget->font() != font) {
        widget->setFont(font);
    }
    if (!entry.visible) {
        widget->hide();
    }
    if (!entry.enabled) {
        widget->setEnabled(false);
    }
    return widget;
}

Style::Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void Style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                        const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion's own mark, a thin tinted outline, is easy to miss on grey.
    const State focused = State_HasFocus | State_KeyboardFocusChange;
    if (element == CE_PushButton && (option->state & focused) == focused) {
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine));
        painter->drawRect(option->rect.adjusted(3, 3, -4, -4));
        painter->restore();
    }
}

void setCaptionColour(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    button->setPalette(palette);
}

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

// A button's key presses it at once, as a click does, not a moment later as Qt's own shortcut
// handling would: a digit typed quickly after a guess must find its button open.
bool Button::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

// Enter and Return press the focused button, as Space does: the window has no default button for
// them to go to instead. With Shift or Ctrl, or as a held key repeats, they do not.
void Button::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

Label::Label(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
}

void Label::setSingleFrame(bool on) {
    singleFrame_ = on;
    const int m = on ? 1 : 0;
    setContentsMargins(m, m, m, m);
    // A framed label fills only what lies inside its frame.
    setAutoFillBackground(!on);
    update();
}

void Label::paintEvent(QPaintEvent* event) {
    if (singleFrame_) {
        QPainter painter(this);
        painter.fillRect(inDevicePixels(painter, this).inner, palette().color(QPalette::Window));
    }
    // An empty label has nothing more to draw but its frame (most of the
    // ledger, most of the time).
    if (!text().isEmpty()) {
        QLabel::paintEvent(event);
    }
    if (singleFrame_) {
        QPainter painter(this);
        paintFrame(painter, inDevicePixels(painter, this));
    }
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const Picture& picture) {
    if (picture.pixmap.cacheKey() == picture_.pixmap.cacheKey() && picture.text == picture_.text) {
        return;
    }
    picture_ = picture;
    setAccessibleName(picture.text);
    if (!stretch_ && !picture.isEmpty()) {
        resize(picture.pixmap.deviceIndependentSize().toSize());
    }
    update();
}

void ImageBox::setSingleFrame(bool on) {
    singleFrame_ = on;
    update();
}

void ImageBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!singleFrame_) {
        if (stretch_) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(rect(), picture_.pixmap);
        } else {
            painter.drawPixmap(0, 0, picture_.pixmap);
        }
        return;
    }
    const DeviceFrame frame = inDevicePixels(painter, this);
    if (!picture_.isEmpty()) {
        const QSize natural =
            picture_.pixmap.deviceIndependentSize().toSize() * devicePixelRatioF();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(stretch_ ? frame.inner : QRect(frame.inner.topLeft(), natural),
                           picture_.pixmap);
    }
    paintFrame(painter, frame);
}

Panel::Panel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
}

void Panel::setCaption(const QString& caption, bool bottomRight) {
    caption_ = caption;
    bottomRight_ = bottomRight;
    setAccessibleName(caption.trimmed());
    update();
}

void Panel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.trimmed().isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect inside =
        contentsRect().adjusted(panelBorder, panelBorder, -panelBorder, -panelBorder);
    if (bottomRight_) {
        // Trailing spaces are part of the caption: they keep the text clear
        // of the corner, so measure them too.
        const QFontMetrics metrics(font());
        const QPoint baseline(inside.right() + 1 - metrics.horizontalAdvance(caption_),
                              inside.bottom() + 1 - metrics.descent());
        painter.drawText(baseline, caption_);
    } else {
        painter.drawText(inside, Qt::AlignCenter, caption_);
    }
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(1, 1);
    hide();
}

void Announcer::say(const QString& text) {
    setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Appearing anew, so that the same words said twice are heard twice.
    hide();
    show();
#endif
}

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    // Panels only group the buttons in them; image boxes are pictures, not layout.
    const std::pair<const QMetaObject*, QAccessible::Role> roles[] = {
        {&Panel::staticMetaObject, QAccessible::Grouping},
        {&ImageBox::staticMetaObject, QAccessible::Graphic},
        {&Announcer::staticMetaObject, QAccessible::Notification}};
    for (const auto& [meta, role] : roles) {
        if (className == QLatin1String(meta->className())) {
            return new QAccessibleWidget(static_cast<QWidget*>(object), role);
        }
    }
    // A window made of a plain widget, as the game's is, is a window, not the client area Qt
    // takes it for, so that a screen reader takes its focused button for the active window's.
    // Qt's dialogs and message boxes are known to Qt by their own classes, before this one.
    if (className == QLatin1String("QWidget") && object->isWidgetType() &&
        static_cast<QWidget*>(object)->isWindow()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace rakamlik
