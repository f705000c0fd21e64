#pragma once

#include <string>

namespace tarvola {

// The author's contact details. They live under a domain reserved for examples.
inline const std::string kMailLinkAddress = "contact@ulvo.example.org"; // the mail link writes to it
inline const std::string kShownMailAddress = "contact@ulvo.example.org"; // Label1 shows it
inline const std::string kSiteHost = "www.ulvo.example.org";
inline const std::string kMailSubject = "Freeware Ulvo - Tarvola";

// A link as the desktop receives it: the verb the Windows shell gets, and the target, in ASCII.
struct Link {
    std::string verb;
    std::string target;
    friend bool operator==(const Link&, const Link&) = default;
};

// The subject goes in as it stands, blanks included, without percent-encoding.
[[nodiscard]] inline Link MailLink()
{
    return {"Open", "mailto:" + kMailLinkAddress + "?Subject=" + kMailSubject};
}

[[nodiscard]] inline Link WebSiteLink()
{
    return {"open", "http://" + kSiteHost + "/"};
}

[[nodiscard]] inline Link DonationLink()
{
    return {"open", "http://" + kSiteHost + "/DON.html"};
}

// What Label2 shows: the site's address with no trailing slash.
[[nodiscard]] inline std::string SiteAddressText()
{
    return "http://" + kSiteHost;
}

} // namespace tarvola
