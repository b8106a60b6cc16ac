// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace rakamlik {

// Whether the bell on the Qt platform `platformName` (QGuiApplication::platformName()) is the
// sound theme's, played by the program itself: Qt's Wayland plugins ring no bell at all. On X11
// Qt rings the X bell, which the desktop plays or shows as its user chose; elsewhere Qt's own.
bool bellFromSoundTheme(QStringView platformName);

// The system bell, for the platform the application runs on. It returns at once: the sound
// plays in the background, and where there is no sound server or no sound theme there is none.
void ringBell();

} // namespace rakamlik
