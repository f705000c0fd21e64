#pragma once

#include <windows.h>

namespace tarvola::win32 {

// The About window's pictures and hand cursor, from the program's resources. The bitmaps come
// drawn at their own size and at twice it, each taken where it is nearer the size shown; the
// icons are loaded at the size a resolution shows them (useDpi). Owns everything it loads.
class AboutArtwork {
public:
    // Loads the bitmaps and the cursor; the icons wait for useDpi. What fails to load stays null.
    explicit AboutArtwork(HINSTANCE instance);
    ~AboutArtwork();
    AboutArtwork(const AboutArtwork&) = delete;
    AboutArtwork& operator=(const AboutArtwork&) = delete;

    // Loads the icons at their size for `dpi` and frees the previous ones: a picture showing
    // one must be given the new one before it next paints.
    void useDpi(int dpi);

    // The donation picture and the banner drawn nearest their size at the resolution last
    // given to useDpi.
    [[nodiscard]] HBITMAP donation() const { return m_donation[m_scale]; }
    [[nodiscard]] HBITMAP banner() const { return m_banner[m_scale]; }
    // The program icon, 48 pixels at 96 DPI, and the mail icon, 32; null before useDpi.
    [[nodiscard]] HICON icon() const { return m_icon; }
    [[nodiscard]] HICON mailIcon() const { return m_mailIcon; }
    // Its own 32 x 32 and hot spot (5, 0) at any resolution.
    [[nodiscard]] HCURSOR hand() const { return m_hand; }

private:
    HINSTANCE m_instance;
    int m_scale = 0; // 0: the bitmaps at their own size, 1: at twice it
    HBITMAP m_donation[2] = {nullptr, nullptr};
    HBITMAP m_banner[2] = {nullptr, nullptr};
    HICON m_icon = nullptr;
    HICON m_mailIcon = nullptr;
    HCURSOR m_hand = nullptr;
};

} // namespace tarvola::win32
