#pragma once

#include "app/about_layout.h"

namespace tarvola {

// What counts as a click on a control of the About window, in every front end: the left button
// pressed and released over the same control. The release that ends a double-click is not one:
// a double-click opens a link once.
class ClickRule {
public:
    // The left button went down over `control`.
    void pressed(AboutControl control) { m_pressed = control; }
    // The second press of a double-click.
    void doubleClicked() { m_pressed = AboutControl::Background; }
    // The left button came up over `control`: the control clicked, or Background for none.
    [[nodiscard]] AboutControl released(AboutControl control);

private:
    AboutControl m_pressed = AboutControl::Background;
};

} // namespace tarvola
