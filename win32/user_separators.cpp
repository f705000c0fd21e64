#include "win32/user_separators.h"

#include "win32/wide_text.h"

#include <windows.h>

namespace tarvola::win32 {

namespace {

// One locale text of at most a few characters ("," or "\u00A0"); empty when the system has none.
std::string LocaleText(LCTYPE type)
{
    wchar_t buffer[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer)));
    return length > 1 ? Narrow(std::wstring_view(buffer, static_cast<std::size_t>(length - 1))) : std::string();
}

} // namespace

LocaleSeparators UserSeparators()
{
    LocaleSeparators separators {LocaleText(LOCALE_SDECIMAL), LocaleText(LOCALE_STHOUSAND)};
    if (separators.decimal.empty())
        separators.decimal.push_back('.'); // a number still reads
    return separators;
}

} // namespace tarvola::win32
