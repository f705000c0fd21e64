#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tarvola {

// The author's contact details. They live under a domain reserved for examples.
inline const QString kMailLinkAddress = QStringLiteral("contact@ulvo.example.org"); // the mail link writes to it
inline const QString kShownMailAddress = QStringLiteral("contact@ulvo.example.org"); // Label1 shows it
inline const QString kSiteHost = QStringLiteral("www.ulvo.example.org");
inline const QString kMailSubject = QStringLiteral("Freeware Ulvo - Tarvola");

// A link as the desktop receives it: the verb the Windows shell gets, and the target.
struct Link {
    QString verb;
    QString target;
    friend bool operator==(const Link&, const Link&) = default;
};

// Opens a link on behalf of a window; OpenLink in the program, a recorder in tests.
using LinkOpener = std::function<void(QWidget* owner, const QString& verb, const QString& target)>;

// The subject goes in as it stands, blanks included, without percent-encoding.
[[nodiscard]] inline Link MailLink()
{
    return {QStringLiteral("Open"), QStringLiteral("mailto:") + kMailLinkAddress + QStringLiteral("?Subject=") + kMailSubject};
}

[[nodiscard]] inline Link WebSiteLink()
{
    return {QStringLiteral("open"), QStringLiteral("http://") + kSiteHost + QStringLiteral("/")};
}

[[nodiscard]] inline Link DonationLink()
{
    return {QStringLiteral("open"), QStringLiteral("http://") + kSiteHost + QStringLiteral("/DON.html")};
}

// What Label2 shows: the site's address with no trailing slash.
[[nodiscard]] inline QString SiteAddressText()
{
    return QStringLiteral("http://") + kSiteHost;
}

} // namespace tarvola
