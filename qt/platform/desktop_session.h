#pragma once

#include <memory>

class QApplication;

namespace tarvola {

// The line the program prints when it cannot reach a graphical desktop session.
inline constexpr const char* kNoDesktopMessage =
    "tarvola: needs a graphical desktop session, and none could be opened (is DISPLAY or WAYLAND_DISPLAY set?)";

// Creates the application on the user's desktop. With no display named, or one that refuses the
// connection, prints kNoDesktopMessage on standard error and ends the program with status 1,
// where Qt would abort with advice to reinstall. argc must outlive the application.
[[nodiscard]] std::unique_ptr<QApplication> StartOnDesktop(int& argc, char** argv);

} // namespace tarvola
