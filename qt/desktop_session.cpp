#include "qt/desktop_session.h"

#include "app/version.h"

#include <QApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tarvola {

namespace {

void PrintLine(const QByteArray& line)
{
    std::fputs(line.constData(), stderr);
    std::fputc('\n', stderr);
}

[[noreturn]] void EndStart(const QByteArray& line)
{
    PrintLine(line);
    std::fflush(stderr);
    std::_Exit(1);
}

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previousHandler = nullptr;
std::vector<HeldMessage>* g_heldMessages = nullptr;

// Qt's plugin loader speaks in this category; a platform plugin that runs but cannot reach its
// display says why in another (qt.qpa.xcb, or the default one for Wayland).
constexpr char kLoaderCategory[] = "qt.qpa.plugin";

// Ends a start that Qt gave up on with `fatalText`. When the platform plugin was found, ran and
// said why it could not reach its display, that is our one line about the missing desktop.
// Otherwise the plugin itself is missing or could not be loaded: Qt's own lines are kept and our
// line names the plugin.
[[noreturn]] void EndFailedStart(const QString& fatalText)
{
    QString plugin = qEnvironmentVariable("QT_QPA_PLATFORM");
    bool pluginRan = false;
    bool pluginMissing = false;
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]*)\""));
    for (const HeldMessage& message : *g_heldMessages) {
        if (message.category != kLoaderCategory) {
            pluginRan = true;
            continue;
        }
        const QRegularExpressionMatch match = named.match(message.text);
        if (match.hasMatch())
            plugin = match.captured(1);
        pluginMissing = pluginMissing || message.text.contains(QLatin1String("Could not find"));
    }
    if (pluginRan && !pluginMissing)
        EndStart(kNoDesktopMessage);

    for (const HeldMessage& message : *g_heldMessages) {
        // As Qt's own handler writes them: the default category goes unnamed.
        const QByteArray prefix = message.category == "default" ? QByteArray() : message.category + ": ";
        PrintLine(prefix + message.text.toLocal8Bit());
    }
    PrintLine(fatalText.toLocal8Bit());
    EndStart("tarvola: cannot start: the Qt platform plugin \"" + plugin.toLocal8Bit()
             + "\" is missing or could not be loaded");
}

// While the application connects to the display, its messages are held back: on failure they
// decide what is said, on success they are passed on unchanged.
void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        EndFailedStart(text);
    g_heldMessages->push_back({type, QByteArray(context.category ? context.category : "default"), text});
}

} // namespace

std::unique_ptr<QApplication> StartOnDesktop(int& argc, char** argv)
{
    // A platform chosen explicitly (offscreen in tests) needs no display; otherwise without
    // either variable Qt cannot even try.
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY"))
        EndStart(kNoDesktopMessage);

    std::vector<HeldMessage> held;
    g_heldMessages = &held;
    g_previousHandler = qInstallMessageHandler(HoldPlatformMessages);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    g_heldMessages = nullptr;

    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (g_previousHandler)
            g_previousHandler(message.type, context, message.text);
    }
    ConfigureApplication();
    return application;
}

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tarvola"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLA_VERSION_TEXT));
    // Ties the windows to the installed desktop entry: it becomes the Wayland app id, by which
    // docks and task switchers find the entry's name and icon. (On X11 they match the window
    // class, the application name above, against the entry's StartupWMClass.)
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ulvo.Tarvola"));
}

int LeaveDesktop(int status)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace tarvola
