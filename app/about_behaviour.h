#pragma once

#include "app/about_layout.h"
#include "app/about_links.h"

namespace tarvola {

// The two address labels whose underline follows the pointer.
enum class AboutLabel { Label1, Label2 };

// What an About window of any front end does when the behaviour asks.
class AboutView {
public:
    virtual ~AboutView() = default;

    // Turns one label's underline on or off, at once; setting it again is harmless.
    virtual void setUnderlined(AboutLabel label, bool underlined) = 0;
    // Hands the link to the desktop on behalf of this window; the result is ignored.
    virtual void openLink(const Link& link) = 0;
    // Closes and destroys the window.
    virtual void closeWindow() = 0;
};

// The About window's hover cues and link actions, the same in every front end. The front end
// reports what the pointer and the keyboard do, by control, once per activation (a double-click
// is one click), and the behaviour answers through the view.
class AboutBehaviour {
public:
    explicit AboutBehaviour(AboutView& view) : m_view(view) { }

    // The pointer moved over a control (or the background). Over Mail or Image1, Label1 is
    // underlined; over SiteUlvo (banner included), Label2; over the background, neither; over
    // any other control, nothing changes.
    void pointerMoved(AboutControl over);

    // A click: the mail area, its icon and its address send mail; the site area, its banner and
    // its address open the web site; the donation picture opens the donation page; OK closes.
    void clicked(AboutControl control);

    // Space or Enter on the focused donation picture opens the donation page, once per press
    // however long the key is held. True when the key was used.
    bool activatedByKey(AboutControl focused, bool autoRepeat);

    // Whether the pointer shows the hand over this control: the two link areas with everything
    // in them, and the donation picture.
    [[nodiscard]] static bool showsHand(AboutControl control);

private:
    void SendMail() { m_view.openLink(MailLink()); }
    void OpenWebSite() { m_view.openLink(WebSiteLink()); }
    void OpenDonationPage() { m_view.openLink(DonationLink()); }

    AboutView& m_view;
};

} // namespace tarvola
