#pragma once

#include "core/locale_separators.h"

namespace tarvola::test {

// Comma decimal, dot group (as in de_DE): the locale the default texts are written for.
inline const LocaleSeparators kCommaDecimal {",", "."};
// Dot decimal, comma group (as in en_US).
inline const LocaleSeparators kDotDecimal {".", ","};
// French: comma decimal, narrow no-break space (U+202F) as group separator.
inline const LocaleSeparators kFrench {",", "\u202F"};
// Arabic: U+066B decimal separator, U+066C group separator.
inline const LocaleSeparators kArabic {"\u066B", "\u066C"};
// No group separator at all, as in the C locale or a Windows user's cleared digit grouping.
inline const LocaleSeparators kNoGroup {".", ""};

} // namespace tarvola::test
