// The About window's behaviour as both front ends share it, over a recording view.
#include "about_behaviour.h"
#include "about_lifetime.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace tarvola {
namespace {

class RecordingView final : public AboutView {
public:
    void setUnderlined(AboutLabel label, bool on) override { (label == AboutLabel::Label1 ? label1 : label2) = on; }
    void openLink(const Link& link) override { opened.push_back(link); }
    void closeWindow() override { ++closes; }

    bool label1 = false;
    bool label2 = false;
    std::vector<Link> opened;
    int closes = 0;
};

TEST(AboutBehaviour, UnderlinesFollowThePointerAsTheTableSays)
{
    struct Move {
        AboutControl over;
        bool label1;
        bool label2;
    };
    // From the mail area across the background into the site area, then over controls that
    // change nothing.
    const std::vector<Move> moves = {
        {AboutControl::Mail, true, false},      {AboutControl::Background, false, false},
        {AboutControl::SiteUlvo, false, true},  {AboutControl::Image1, true, true},
        {AboutControl::Label1, true, true},     {AboutControl::Label2, true, true},
        {AboutControl::Command1, true, true},   {AboutControl::PictureDon, true, true},
        {AboutControl::Background, false, false}, {AboutControl::Image2, false, true},
    };
    RecordingView view;
    AboutBehaviour behaviour(view);
    for (const Move& move : moves) {
        behaviour.pointerMoved(move.over);
        EXPECT_EQ(view.label1, move.label1) << static_cast<int>(move.over);
        EXPECT_EQ(view.label2, move.label2) << static_cast<int>(move.over);
    }
}

TEST(AboutBehaviour, ClicksOpenTheirLinksAndOkCloses)
{
    const Link mail {"Open", "mailto:contact@ulvo.example.org?Subject=Freeware Ulvo - Tarvola"};
    const Link site {"open", "http://www.ulvo.example.org/"};
    const Link donation {"open", "http://www.ulvo.example.org/DON.html"};
    const std::vector<std::pair<AboutControl, std::vector<Link>>> cases = {
        {AboutControl::Mail, {mail}},       {AboutControl::Label1, {mail}},   {AboutControl::Image1, {mail}},
        {AboutControl::SiteUlvo, {site}},   {AboutControl::Image2, {site}},   {AboutControl::Label2, {site}},
        {AboutControl::PictureDon, {donation}}, {AboutControl::Picture1, {}}, {AboutControl::Label3, {}},
        {AboutControl::Background, {}},
    };
    for (const auto& [control, links] : cases) {
        RecordingView view;
        AboutBehaviour behaviour(view);
        behaviour.clicked(control);
        EXPECT_EQ(view.opened, links) << static_cast<int>(control);
        EXPECT_EQ(view.closes, 0);
    }
    RecordingView view;
    AboutBehaviour(view).clicked(AboutControl::Command1);
    EXPECT_EQ(view.closes, 1);
}

TEST(AboutBehaviour, AKeyHeldOnTheDonationPictureOpensItOnce)
{
    RecordingView view;
    AboutBehaviour behaviour(view);
    EXPECT_TRUE(behaviour.activatedByKey(AboutControl::PictureDon, false));
    EXPECT_TRUE(behaviour.activatedByKey(AboutControl::PictureDon, true));
    EXPECT_FALSE(behaviour.activatedByKey(AboutControl::Picture1, false));
    EXPECT_EQ(view.opened, std::vector<Link>({DonationLink()}));
}

TEST(AboutLayout, FindsTheControlThatTakesThePointer)
{
    // Points in twips of the client area; the banner draws only, so it belongs to its frame.
    const std::vector<std::tuple<int, int, AboutControl>> cases = {
        {5, 5, AboutControl::Background},         {200, 200, AboutControl::Picture1},
        {480 + 100, 1200 + 100, AboutControl::SiteUlvo}, {480 + 2300, 1200 + 100, AboutControl::SiteUlvo},
        {480 + 200, 1200 + 800, AboutControl::Label2},   {240 + 100, 2400 + 200, AboutControl::Image1},
        {240 + 700, 2400 + 300, AboutControl::Label1},   {240 + 2850, 2400 + 50, AboutControl::Mail},
        {150, 3150, AboutControl::PictureDon},     {1300, 3500, AboutControl::Command1},
        {3209, 3914, AboutControl::Background},
    };
    for (const auto& [x, y, control] : cases)
        EXPECT_EQ(AboutControlAt(x, y), control) << x << ',' << y;
}

class CountingWindow final : public AboutWindow {
public:
    explicit CountingWindow(AboutLifetime*& lifetime) : m_lifetime(lifetime) { }
    void setUnderlined(AboutLabel, bool) override { }
    void openLink(const Link&) override { }
    void present() override { ++presented; }
    void closeWindow() override { m_lifetime->windowGone(); }
    int presented = 0;

private:
    AboutLifetime*& m_lifetime;
};

TEST(AboutLifetime, KeepsOneWindowAndMakesAFreshOneAfterItCloses)
{
    std::vector<std::unique_ptr<CountingWindow>> made;
    AboutLifetime* self = nullptr;
    AboutLifetime lifetime([&] { return made.emplace_back(std::make_unique<CountingWindow>(self)).get(); });
    self = &lifetime;

    lifetime.showAbout();
    lifetime.showAbout();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0]->presented, 2);
    lifetime.closeAbout();
    EXPECT_EQ(lifetime.window(), nullptr);
    lifetime.closeAbout(); // nothing to close: nothing happens
    lifetime.showAbout();
    EXPECT_EQ(made.size(), 2u);
    EXPECT_EQ(lifetime.window(), made[1].get());
}

} // namespace
} // namespace tarvola
