#include "web/about_record.h"

#include <utility>

namespace tarvola {

void AboutRecord::setUnderlined(AboutLabel label, bool underlined)
{
    const int bit = label == AboutLabel::Label1 ? 1 : 2;
    m_underlines = underlined ? (m_underlines | bit) : (m_underlines & ~bit);
}

std::optional<std::string> AboutRecord::takeLink()
{
    return std::exchange(m_link, std::nullopt);
}

bool AboutRecord::takeCloseAsked()
{
    return std::exchange(m_closeAsked, false);
}

} // namespace tarvola
