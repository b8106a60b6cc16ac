// SPDX-License-Identifier: GPL-3.0-or-later
#include "bell.h"

#include <QApplication>

#include <canberra.h>
#include <dlfcn.h>

#include <atomic>
#include <system_error>
#include <thread>

namespace rakamlik {

namespace {

template <typename Function> Function* symbol(void* library, const char* name) {
    return reinterpret_cast<Function*>(dlsym(library, name));
}

// Says why the bell is silent, on the first failure of the run only: a game won again and again
// on a desktop without sound would otherwise repeat it at every win.
void silent(const char* why) {
    static std::atomic_flag said;
    if (!said.test_and_set()) {
        qWarning("rakamlik: the bell is silent: %s", why);
    }
}

// The sound theme's bell through libcanberra, as desktops play event sounds. The library is
// loaded and its context made at the first bell: linked, libcanberra and the libraries it needs
// would load at every start, 0.6 ms of it. The context lives as long as the program. With no
// sound server or no theme playing fails, and the bell is silent; the first failure says why.
class ThemeBell {
public:
    ThemeBell(const QByteArray& name, const QByteArray& id) {
        void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            silent(dlerror()); // NOLINT(concurrency-mt-unsafe): only this thread loads it
            return;
        }
        auto* create = symbol<decltype(ca_context_create)>(library, "ca_context_create");
        auto* describe =
            symbol<decltype(ca_context_change_props)>(library, "ca_context_change_props");
        auto* play = symbol<decltype(ca_context_play)>(library, "ca_context_play");
        explain_ = symbol<decltype(ca_strerror)>(library, "ca_strerror");
        if (create == nullptr || describe == nullptr || play == nullptr || explain_ == nullptr) {
            silent("libcanberra.so.0 lacks the functions it should have");
            return;
        }
        if (const int error = create(&context_); error != CA_SUCCESS) {
            silent(explain_(error));
            return;
        }
        describe(context_, CA_PROP_APPLICATION_NAME, name.constData(), CA_PROP_APPLICATION_ID,
                 id.constData(), nullptr);
        play_ = play;
    }

    void ring() const {
        if (play_ == nullptr) {
            return; // said already
        }
        // A theme without a bell of its own for the window system falls back to "bell".
        if (const int error = play_(context_, 0, CA_PROP_EVENT_ID, "bell-window-system",
                                    CA_PROP_EVENT_DESCRIPTION, "Oyun kazanıldı", nullptr);
            error != CA_SUCCESS) {
            silent(explain_(error));
        }
    }

private:
    ca_context* context_ = nullptr;
    decltype(&ca_context_play) play_ = nullptr;
    decltype(&ca_strerror) explain_ = nullptr;
};

} // namespace

bool bellFromSoundTheme(QStringView platformName) {
    return platformName.startsWith(u"wayland"); // wayland, wayland-egl, ...
}

void ringBell() {
    if (!bellFromSoundTheme(QGuiApplication::platformName())) {
        QApplication::beep();
        return;
    }
    // On a thread of its own, which a sound server that does not answer holds instead of the
    // game: libcanberra waits for the server to take the sound. It takes 1 to 10 ms when all is
    // well.
    try {
        std::thread([name = QApplication::applicationName().toUtf8(),
                     id = QGuiApplication::desktopFileName().toUtf8()] {
            static const ThemeBell bell(name, id);
            bell.ring();
        }).detach();
    } catch (const std::system_error& error) {
        silent(error.what()); // no thread, no bell; the game goes on
    }
}

} // namespace rakamlik
