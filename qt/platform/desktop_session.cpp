#include "desktop_session.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tarvola {

namespace {

[[noreturn]] void EndWithoutDesktop()
{
    std::fputs(kNoDesktopMessage, stderr);
    std::fputc('\n', stderr);
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

// While the application connects to the display, the platform plugin's complaints are held
// back: on failure our own line replaces them, on success they are passed on unchanged.
void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        EndWithoutDesktop();
    if (g_heldMessages && context.category && QByteArray(context.category).startsWith("qt.qpa")) {
        g_heldMessages->push_back({type, QByteArray(context.category), text});
        return;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> StartOnDesktop(int& argc, char** argv)
{
    // A platform chosen explicitly (offscreen in tests) needs no display; otherwise without
    // either variable Qt cannot even try.
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY"))
        EndWithoutDesktop();

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
    return application;
}

} // namespace tarvola
