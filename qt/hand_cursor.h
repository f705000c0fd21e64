#pragma once

#include <QCursor>

namespace tarvola {

// The monochrome pointing hand shown over links, 32 x 32, hot spot at the tip of the index
// finger (5, 0). Needs the program's compiled-in artwork.
[[nodiscard]] QCursor HandCursor();

} // namespace tarvola
