#include "open_link.h"

#include <QString>
#include <QWidget>

#if defined(Q_OS_WIN)
#include <windows.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace tarvola {

void OpenLink([[maybe_unused]] QWidget* owner, [[maybe_unused]] const QString& verb, const QString& target)
{
#if defined(Q_OS_WIN)
    // The shell takes text in the system's single-byte code page.
    const QByteArray localVerb = verb.toLocal8Bit();
    const QByteArray localTarget = target.toLocal8Bit();
    const HWND window = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
    ShellExecuteA(window, localVerb.constData(), localTarget.constData(), nullptr, nullptr, SW_SHOWNORMAL);
    [[maybe_unused]] const DWORD lastError = GetLastError(); // captured, never read
#else
    // Tolerant parsing turns the subject's blanks into %20.
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
#endif
}

} // namespace tarvola
