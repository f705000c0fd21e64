#pragma once

class QString;
class QWidget;

namespace tarvola {

// Hands a link to the desktop, which opens it with the user's default handler for its scheme
// (mail composer for mailto:, browser for http:) without blocking the program. On Windows the
// shell gets the owner, the verb and the target; elsewhere the verb has no effect. Whether a
// handler exists or not, nothing is reported.
void OpenLink(QWidget* owner, const QString& verb, const QString& target);

} // namespace tarvola
