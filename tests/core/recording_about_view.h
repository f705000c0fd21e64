#pragma once

#include "app/about_behaviour.h"

#include <vector>

namespace tarvola::test {

// An About view that only records what the shared behaviour asks of it.
class RecordingAboutView final : public AboutView {
public:
    void setUnderlined(AboutLabel label, bool on) override { (label == AboutLabel::Label1 ? label1 : label2) = on; }
    void openLink(const Link& link) override { opened.push_back(link); }
    void closeWindow() override { ++closes; }

    bool label1 = false;
    bool label2 = false;
    std::vector<Link> opened;
    int closes = 0;
};

} // namespace tarvola::test
