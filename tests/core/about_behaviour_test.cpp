// The About window's behaviour as the front ends share it, over a recording view.
#include "app/about_behaviour.h"
#include "app/about_layout.h"
#include "app/about_lifetime.h"
#include "app/click_rule.h"
#include "tests/core/recording_about_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <tuple>
#include <vector>

namespace tarvola {
namespace {

using RecordingView = test::RecordingAboutView;

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

TEST(AboutBehaviour, EachControlsClickAndCursorAreAsTheTableSays)
{
    const Link mail {"Open", "mailto:contact@ulvo.example.org?Subject=Freeware Ulvo - Tarvola"};
    const Link site {"open", "http://www.ulvo.example.org/"};
    const Link donation {"open", "http://www.ulvo.example.org/DON.html"};
    struct Case {
        AboutControl control;
        std::vector<Link> opens;
        int closes;
        bool hand; // the pointer shows the hand over it
    };
    // One row per control: the link areas with everything in them and the donation picture take
    // the hand and open their links; nothing else does; OK closes.
    const std::vector<Case> cases = {
        {AboutControl::Mail, {mail}, 0, true},           {AboutControl::Label1, {mail}, 0, true},
        {AboutControl::Image1, {mail}, 0, true},         {AboutControl::SiteUlvo, {site}, 0, true},
        {AboutControl::Image2, {site}, 0, true},         {AboutControl::Label2, {site}, 0, true},
        {AboutControl::PictureDon, {donation}, 0, true}, {AboutControl::Picture1, {}, 0, false},
        {AboutControl::Label3, {}, 0, false},            {AboutControl::Label5, {}, 0, false},
        {AboutControl::Command1, {}, 1, false},          {AboutControl::Background, {}, 0, false},
    };
    // Every control the window lays out, and the window itself, has exactly one row.
    std::vector<AboutControl> controls {AboutControl::Background};
    for (const AboutPlace& place : kAboutLayout)
        controls.push_back(place.control);
    for (const AboutControl control : controls)
        EXPECT_EQ(std::count_if(cases.begin(), cases.end(), [&](const Case& c) { return c.control == control; }), 1)
            << "rows for control " << static_cast<int>(control);
    EXPECT_EQ(cases.size(), controls.size());
    for (const Case& c : cases) {
        RecordingView view;
        AboutBehaviour behaviour(view);
        behaviour.clicked(c.control);
        EXPECT_EQ(view.opened, c.opens) << static_cast<int>(c.control);
        EXPECT_EQ(view.closes, c.closes) << static_cast<int>(c.control);
        EXPECT_EQ(AboutBehaviour::showsHand(c.control), c.hand) << static_cast<int>(c.control);
    }
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

TEST(AboutLayout, EveryControlHasOnePlaceAndTheWindowItselfIsTheClientArea)
{
    // The controls are numbered from Background to Label5. A control missing from the table
    // would silently take the whole window; a second row for one would never be read.
    for (int number = 0; number <= static_cast<int>(AboutControl::Label5); ++number) {
        const auto control = static_cast<AboutControl>(number);
        SCOPED_TRACE(number);
        const auto rows = std::count_if(kAboutLayout.begin(), kAboutLayout.end(),
                                         [&](const AboutPlace& place) { return place.control == control; });
        const AboutPlace& place = PlaceOf(control);
        EXPECT_EQ(place.control, control);
        if (control == AboutControl::Background) {
            EXPECT_EQ(rows, 0);
            EXPECT_EQ(PlaceIn(kAboutLayout, control), nullptr);
            EXPECT_EQ(place.rect, kAboutClient);
            EXPECT_EQ(WindowRectOf(control), kAboutClient);
        } else {
            EXPECT_EQ(rows, 1);
            EXPECT_EQ(PlaceIn(kAboutLayout, control), &place);
            // Frames sit on the window itself, never inside another frame.
            EXPECT_EQ(PlaceOf(place.container).container, AboutControl::Background);
        }
    }
    EXPECT_EQ(kAboutLayout.size(), static_cast<std::size_t>(AboutControl::Label5));
}

TEST(ClickRule, ClicksOnlyWhenPressAndReleaseMeetOverOneControl)
{
    enum class Event { Press, DoubleClick, Release };
    struct Step {
        Event event;
        AboutControl over;
        AboutControl clicked = AboutControl::Background; // what a release gives
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    using enum AboutControl;
    const std::vector<Case> cases = {
        {"press and release over one control", {{Event::Press, Label1}, {Event::Release, Label1, Label1}}},
        {"released over another control", {{Event::Press, Label1}, {Event::Release, Label2, Background}}},
        {"released outside any control", {{Event::Press, Command1}, {Event::Release, Background, Background}}},
        {"a double-click clicks once",
         {{Event::Press, Mail}, {Event::Release, Mail, Mail}, {Event::DoubleClick, Mail},
          {Event::Release, Mail, Background}}},
        {"a release without a press", {{Event::Release, PictureDon, Background}}},
        {"a press counts for one release only",
         {{Event::Press, PictureDon}, {Event::Release, PictureDon, PictureDon},
          {Event::Release, PictureDon, Background}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickRule rule;
        for (const Step& step : c.steps) {
            switch (step.event) {
            case Event::Press: rule.pressed(step.over); break;
            case Event::DoubleClick: rule.doubleClicked(); break;
            case Event::Release: EXPECT_EQ(rule.released(step.over), step.clicked); break;
            }
        }
    }
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
