#pragma once

#include <memory>

class QApplication;

namespace tarvola {

// The line the program prints when it cannot reach a graphical desktop session.
inline constexpr const char* kNoDesktopMessage =
    "tarvola: needs a graphical desktop session, and none could be opened (is DISPLAY or WAYLAND_DISPLAY set?)";

// Creates the application on the user's desktop and configures it (ConfigureApplication). With
// no display named, or one that refuses the connection, prints kNoDesktopMessage on standard
// error and ends the program with status 1, where Qt would abort with advice to reinstall. A
// platform plugin that is missing or cannot be loaded is reported as such instead: Qt's own
// lines, then one of ours naming the plugin, status 1. argc must outlive the application.
[[nodiscard]] std::unique_ptr<QApplication> StartOnDesktop(int& argc, char** argv);

// Gives an application object that exists already the program's name, its version as the
// version record gives it (TARVOLA_VERSION_TEXT) and its desktop entry, before any window is
// created. The icon belongs to the main window alone: an application-wide one would also put it
// on the About window, which has none.
void ConfigureApplication();

// Returns `status` for main to return, once the event loop has ended. On Wayland it ends the
// process right away instead: Qt 6.4's Wayland client can hang for good while it tears down its
// display connection (its event thread left waiting for a read), and nothing is left to save.
int LeaveDesktop(int status);

} // namespace tarvola
