#pragma once

#include <string>
#include <string_view>

namespace tarvola::win32 {

// UTF-8, as the shared code speaks it, to the UTF-16 of the W functions and back. Invalid
// input is replaced, never rejected.
[[nodiscard]] std::wstring Widen(std::string_view utf8);
[[nodiscard]] std::string Narrow(std::wstring_view utf16);

} // namespace tarvola::win32
