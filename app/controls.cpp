#include "controls.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace rakamlik {
namespace {

// A one-pixel black line just inside the widget's edge.
void drawSingleFrame(QPainter& painter, const QWidget* widget) {
    painter.setPen(Qt::black);
    painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
}

// The gap between a panel's bevel and its content.
constexpr int panelBorder = 3;

} // namespace

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

Label::Label(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
}

void Label::setSingleFrame(bool on) {
    singleFrame_ = on;
    const int m = on ? 1 : 0;
    setContentsMargins(m, m, m, m);
    update();
}

void Label::paintEvent(QPaintEvent* event) {
    // The background is filled before this; an empty label has nothing
    // more to draw but its frame (most of the ledger, most of the time).
    if (!text().isEmpty()) {
        QLabel::paintEvent(event);
    }
    if (singleFrame_) {
        QPainter painter(this);
        drawSingleFrame(painter, this);
    }
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const Picture& picture) {
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
    const QRect inside = singleFrame_ ? rect().adjusted(1, 1, -1, -1) : rect();
    if (!picture_.isEmpty()) {
        if (stretch_) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(inside, picture_.pixmap);
        } else {
            painter.drawPixmap(inside.topLeft(), picture_.pixmap);
        }
    }
    if (singleFrame_) {
        drawSingleFrame(painter, this);
    }
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

} // namespace rakamlik
