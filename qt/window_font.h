#pragma once

#include "app/window_fonts.h"

#include <QFont>

namespace tarvola {

// The font a window asks for (window_fonts.h) as a Qt font: its face when the system has it,
// else the first of Liberation Sans, Arimo and Arial that it has, then any sans. The layouts
// were measured with Microsoft Sans Serif and Arial, whose metrics these free faces share, so
// that texts still fit their places.
[[nodiscard]] QFont WindowFont(const FontDescription& description);

} // namespace tarvola
