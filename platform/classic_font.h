#pragma once

#include <QFont>

namespace tarvola {

// "Microsoft Sans Serif" at the given size when the system has it, else the closest free sans
// with the same metrics, so that texts fit the fixed layouts.
[[nodiscard]] QFont ClassicSansFont(qreal pointSize);

} // namespace tarvola
