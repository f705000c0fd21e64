#pragma once

#include "app/about_behaviour.h"
#include "app/about_layout.h"
#include "app/about_lifetime.h"
#include "app/click_rule.h"
#include "qt/about_artwork.h"
#include "qt/pixels.h"

#include <QWidget>

#include <array>
#include <functional>
#include <utility>

class QLabel;
class QPushButton;

namespace tarvola {

class LinkArea;
class PictureControl;

// Opens a link on behalf of a window; OpenLink in the program, a recorder in tests.
using LinkOpener = std::function<void(QWidget* owner, const Link& link)>;

// The About window in Qt: the program's icon, title and version, the author's mail and web-site
// links with their hover underlines, a donation picture and an OK button. What the pointer,
// the keyboard and the clicks do is the shared AboutBehaviour's; this class only creates the
// widgets and routes their events. Closing it destroys it.
class About : public QWidget, public AboutWindow {
    Q_OBJECT

public:
    // Client area, in logical pixels.
    static constexpr QSize kClientSize = ToPixels(kAboutClient).size();

    // The artwork must outlive the window.
    About(LinkOpener openLink, const AboutArtwork& artwork, QWidget* parent = nullptr);

    // AboutWindow
    void setUnderlined(AboutLabel label, bool underlined) override;
    void openLink(const Link& link) override;
    void closeWindow() override { close(); }
    void present() override;

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

    void setTabOrder();

    // The name of a widget of this window, for the behaviour; Background for any other object.
    [[nodiscard]] AboutControl controlOf(QObject* widget) const;
    // The widget of a control, once created; null for the window itself.
    [[nodiscard]] QWidget* widgetOf(AboutControl control) const;
    // Each control's widget with its name.
    [[nodiscard]] std::array<std::pair<QWidget*, AboutControl>, kAboutLayout.size()> widgets() const;

    LinkOpener m_openLink;
    const AboutArtwork& m_artwork;
    AboutBehaviour m_behaviour {*this};
    // Which presses and releases make a click (the shared rule).
    ClickRule m_clickRule;

    PictureControl* Picture1 = nullptr;
    PictureControl* PictureDon = nullptr;
    QPushButton* Command1 = nullptr;
    LinkArea* SiteUlvo = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label2 = nullptr;
    LinkArea* Mail = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace tarvola
