#include "app/about_layout.h"

#include <algorithm>

namespace tarvola {

const AboutPlace& PlaceOf(AboutControl control)
{
    // The window itself has no entry: its place is the whole client area.
    static constexpr AboutPlace kBackground {AboutControl::Background, "Background", AboutControl::Background, kAboutClient, kNoTab};
    const AboutPlace* place = PlaceIn(kAboutLayout, control);
    return place ? *place : kBackground;
}

std::vector<AboutControl> InTabOrder(std::vector<AboutControl> controls)
{
    std::stable_sort(controls.begin(), controls.end(),
                     [](AboutControl a, AboutControl b) { return PlaceOf(a).tab < PlaceOf(b).tab; });
    return controls;
}

Rect WindowRectOf(AboutControl control)
{
    const AboutPlace& place = PlaceOf(control);
    Rect rect = place.rect;
    if (place.container != AboutControl::Background) {
        const Rect frame = PlaceOf(place.container).rect;
        rect.left += frame.left;
        rect.top += frame.top;
        const int right = std::min(rect.left + rect.width, frame.left + frame.width);
        const int bottom = std::min(rect.top + rect.height, frame.top + frame.height);
        rect.width = std::max(0, right - rect.left);
        rect.height = std::max(0, bottom - rect.top);
    }
    return rect;
}

AboutControl AboutControlAt(int x, int y)
{
    // At 1440 dots per inch a pixel is a twip.
    return AboutControlAtPixel(x, y, 1440);
}

AboutControl AboutControlAtPixel(int x, int y, int dotsPerInch)
{
    for (const AboutPlace& place : kAboutLayout) {
        if (place.control == AboutControl::Image2)
            continue;
        if (PixelsOf(WindowRectOf(place.control), dotsPerInch).contains(x, y))
            return place.control;
    }
    return AboutControl::Background;
}

} // namespace tarvola
