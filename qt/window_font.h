#pragma once

#include <QFont>

namespace tarvola {

// "Microsoft Sans Serif" at the given size when the system has it, else the closest free sans
// with the same metrics, so that texts fit the fixed layouts.
[[nodiscard]] QFont ClassicSansFont(qreal pointSize);

// "Arial" when the system has it, else a free sans with the same metrics.
[[nodiscard]] QFont ArialFont(qreal pointSize, bool bold = false);

} // namespace tarvola
