#pragma once

class QWidget;

namespace tarvola {

struct Link;

// Hands a link to the desktop, which opens it with the user's default handler for its scheme
// (mail composer for mailto:, browser for http:) without blocking the program. The verb is the
// Windows shell's; the desktop here has no use for it. Whether a handler exists or not,
// nothing is reported.
void OpenLink(QWidget* owner, const Link& link);

} // namespace tarvola
