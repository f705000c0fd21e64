#pragma once

#include <string_view>

namespace tarvola {

// What screen readers call the controls that show no text of their own, in every front end.

// The About window's two focusable pictures.
inline constexpr std::string_view kDonationPictureName = "Donate";
inline constexpr std::string_view kProgramIconName = "Tarvola";

// The About window's two link areas, named by what they open.
inline constexpr std::string_view kSiteLinkName = "Open web site";
inline constexpr std::string_view kMailLinkName = "Send mail";

// The six fields, whose visible neighbours are only a header and unit marks.
inline constexpr std::string_view kText1Name = "Degrees";
inline constexpr std::string_view kText2Name = "Minutes";
inline constexpr std::string_view kText3Name = "Seconds";
inline constexpr std::string_view kText4Name = "Decimal degrees result";
inline constexpr std::string_view kText5Name = "Decimal degrees";
inline constexpr std::string_view kText6Name = "Degrees minutes seconds result";

} // namespace tarvola
