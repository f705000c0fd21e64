#pragma once

#include "core/locale_separators.h"

namespace tarvola::win32 {

// The user's decimal and digit-group separators, read afresh from the system at each call.
[[nodiscard]] LocaleSeparators UserSeparators();

} // namespace tarvola::win32
