// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "game/rgb.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QString>

#include <string_view>

class QAccessibleInterface;

namespace rakamlik {

inline QColor toQColor(Rgb c) {
    return {c.r, c.g, c.b};
}
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Sets a button's caption colour for the Active and Inactive groups only,
// so that a disabled button keeps the platform's greyed caption.
void setCaptionColour(QPushButton* button, const QColor& colour);

// The window's style: Fusion, whose button captions take exactly the
// palette's ButtonText, with a dotted rectangle inside a button that has
// the keyboard focus, so a player who uses Tab sees at once where it is.
class Style : public QProxyStyle {
    Q_OBJECT

public:
    Style();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// A push button that presses at once on its key, and on Return and Enter when it has the focus.
class Button : public QPushButton {
    Q_OBJECT

public:
    explicit Button(const QString& caption, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// What an image box shows: a picture and the words a screen reader says
// for it. An empty picture shows nothing.
struct Picture {
    QPixmap pixmap;
    QString text;
    bool isEmpty() const { return pixmap.isNull(); }
};

// A label: its back colour over its whole area, its caption in its fore
// colour, and optionally a one-pixel black frame.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    void setSingleFrame(bool on);
    bool hasSingleFrame() const { return singleFrame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool singleFrame_ = false;
};

// An image box. With stretch the picture is scaled to the box; without it
// the box takes the picture's natural size whenever a picture is set. An
// empty picture shows nothing at all, not even a frame.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr);

    // Shows a copy of `picture`; later changes to the source don't reach it.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    void setStretch(bool on) { stretch_ = on; }
    bool stretch() const { return stretch_; }
    void setSingleFrame(bool on);
    bool hasSingleFrame() const { return singleFrame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    bool stretch_ = false;
    bool singleFrame_ = false;
};

// A 3-D panel that holds other controls: a bevelled frame on its back
// colour, and a caption either centred or in the lower right corner.
class Panel : public QFrame {
    Q_OBJECT

public:
    explicit Panel(QWidget* parent = nullptr);

    void setCaption(const QString& caption, bool bottomRight);
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    bool bottomRight_ = false;
};

// Tells a screen reader what just changed on the board, without moving the keyboard focus: an
// announcement where Qt has them (6.8 and later), and before that a notification, which screen
// readers read out as soon as it appears. It draws nothing and lets clicks through to what lies
// beneath it.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent = nullptr);

    // Says `text`; the same words said twice are heard twice.
    void say(const QString& text);
};

// The control that `entry` describes, in `parent`: the widget of its role's kind, with the place,
// size, font, colours, caption, frame and state the design gives it, named by its role.
QWidget* makeControl(const design::Control& entry, QWidget* parent);

// What the program's windows and its own kinds of control are to assistive technology: an
// accessibility factory for QAccessible::installFactory().
QAccessibleInterface* accessibleControl(const QString& className, QObject* object);

} // namespace rakamlik
