#include "app/about_behaviour.h"

namespace tarvola {

void AboutBehaviour::pointerMoved(AboutControl over)
{
    switch (over) {
    case AboutControl::Background:
        m_view.setUnderlined(AboutLabel::Label1, false);
        m_view.setUnderlined(AboutLabel::Label2, false);
        break;
    case AboutControl::Mail:
    case AboutControl::Image1:
        m_view.setUnderlined(AboutLabel::Label1, true);
        break;
    case AboutControl::SiteUlvo:
    case AboutControl::Image2: // draws only: its area is the frame's
        m_view.setUnderlined(AboutLabel::Label2, true);
        break;
    default:
        break; // the labels themselves, the pictures, the title and the button
    }
}

void AboutBehaviour::clicked(AboutControl control)
{
    switch (control) {
    case AboutControl::Mail:
    case AboutControl::Label1:
    case AboutControl::Image1:
        SendMail();
        break;
    case AboutControl::SiteUlvo:
    case AboutControl::Image2:
    case AboutControl::Label2:
        OpenWebSite();
        break;
    case AboutControl::PictureDon:
        OpenDonationPage();
        break;
    case AboutControl::Command1:
        m_view.closeWindow();
        break;
    default:
        break;
    }
}

bool AboutBehaviour::activatedByKey(AboutControl focused, bool autoRepeat)
{
    if (focused != AboutControl::PictureDon)
        return false;
    if (!autoRepeat)
        OpenDonationPage();
    return true;
}

bool AboutBehaviour::showsHand(AboutControl control)
{
    switch (control) {
    case AboutControl::Mail:
    case AboutControl::Image1:
    case AboutControl::Label1:
    case AboutControl::SiteUlvo:
    case AboutControl::Image2:
    case AboutControl::Label2:
    case AboutControl::PictureDon:
        return true;
    default:
        return false;
    }
}

} // namespace tarvola
