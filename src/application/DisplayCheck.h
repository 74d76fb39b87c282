#pragma once

#include <QCoreApplication>
#include <QString>

// Said, with exit status 2, when the windows are to open without a display;
// translated in the context "DisplayCheck".
inline constexpr char NoDisplayMessage[] = QT_TRANSLATE_NOOP(
    "DisplayCheck",
    "No display found. The command line works without one: see vantora-programmer --help.");

// Whether the windows can open, decided before the application object
// exists: without a display, Qt would end the program with an abort. The
// desktop platforms need theirs, X11 (xcb) the display in DISPLAY and Wayland
// the one in WAYLAND_DISPLAY; without a platform named, either will do. Any
// other platform (offscreen, a frame buffer, VNC) is taken to work. Qt tries
// the platforms of a list ("wayland;xcb") in turn.
bool DisplayFound(const QString& platforms, const QString& x11Display,
                  const QString& waylandDisplay);
// The same for this process: the -platform argument when given, else
// QT_QPA_PLATFORM.
bool DisplayFound(const QString& platformArgument);
