// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moment a start-up benchmark stops the clock: the window's first paint. bench_floor and
// bench_startup both use this, so both programs are timed to the same event.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <unistd.h>

namespace rakamlik::bench {

// bench_race passes the number of a pipe's write end in this variable; the program writes one
// byte into it once the window has been painted. Without the variable the program just quits.
inline constexpr const char* firstPaintFdVariable = "RAKAMLIK_FIRST_PAINT_FD";

// Watches a top-level window for its first paint event and lets it through. The window's children
// are painted and the result flushed to the screen within the same round of the event loop, so a
// call queued at that moment runs once the whole window is on screen: it tells the runner and
// ends the program.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                tellRunner();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void tellRunner() {
        const char* value = std::getenv(firstPaintFdVariable);
        if (value == nullptr) {
            return;
        }
        char* end = nullptr;
        const long fd = std::strtol(value, &end, 10);
        if (end == value || *end != '\0' || fd < 0 || fd > INT_MAX) {
            return;
        }
        const char byte = 'P';
        while (write(static_cast<int>(fd), &byte, 1) < 0 && errno == EINTR) {
        }
        close(static_cast<int>(fd));
    }

    bool seen_ = false;
};

} // namespace rakamlik::bench
