#pragma once

#include "core/locale_separators.h"

namespace tarvola {

// The decimal and group separators of the user's locale (LC_ALL, then LC_NUMERIC, then LANG),
// read afresh at each call.
[[nodiscard]] LocaleSeparators UserSeparators();

} // namespace tarvola
