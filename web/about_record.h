#pragma once

#include "app/about_lifetime.h"

#include <optional>
#include <string>

namespace tarvola {

// The page's About window as the shared behaviour and lifetime see it: what they ask of the
// window is recorded here, and the page's script applies it after each event it reports.
class AboutRecord final : public AboutWindow {
public:
    void setUnderlined(AboutLabel label, bool underlined) override;
    void openLink(const Link& link) override { m_link = link.target; }
    void closeWindow() override { m_closeAsked = true; }
    void present() override { } // the page brings its window forward itself

    // Bit 0: Label1 underlined, bit 1: Label2.
    [[nodiscard]] int underlines() const { return m_underlines; }
    // The link asked for since the last call, if any; then none.
    [[nodiscard]] std::optional<std::string> takeLink();
    // Whether closing was asked since the last call.
    [[nodiscard]] bool takeCloseAsked();

private:
    int m_underlines = 0;
    std::optional<std::string> m_link;
    bool m_closeAsked = false;
};

} // namespace tarvola
