#include "app/click_rule.h"

#include <utility>

namespace tarvola {

AboutControl ClickRule::released(AboutControl control)
{
    const AboutControl pressed = std::exchange(m_pressed, AboutControl::Background);
    return control == pressed ? control : AboutControl::Background;
}

} // namespace tarvola
