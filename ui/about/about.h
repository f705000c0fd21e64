#pragma once

#include "about_artwork.h"
#include "about_links.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace tarvola {

// The About window: the program's icon, title and version, the author's mail and web-site links
// with their hover underlines, a donation picture and an OK button. Closing it destroys it.
class About : public QWidget {
    Q_OBJECT

public:
    // Client area, in logical pixels.
    static constexpr QSize kClientSize {214, 261};

    // The artwork must outlive the window.
    About(LinkOpener openLink, const AboutArtwork& artwork, QWidget* parent = nullptr);

signals:
    // The window is closing and will be destroyed.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPictures();
    void createSiteLink();
    void createMailLink();
    void createTitle();
    void setUpPointerRouting();

    void pointerMovedOver(QObject* control);
    void clicked(QObject* control);
    void setUnderlined(QLabel* label, bool underlined);

    void SendMail();
    void OpenWebSite();
    void OpenDonationPage();
    void open(const Link& link);

    LinkOpener m_openLink;
    const AboutArtwork& m_artwork;
    // A double-click is a press, a release, a double-click and a release: the second release
    // must not open the link again.
    bool m_releaseEndsDoubleClick = false;

    QLabel* Picture1 = nullptr;
    QLabel* PictureDon = nullptr;
    QPushButton* Command1 = nullptr;
    QFrame* SiteUlvo = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Mail = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace tarvola
