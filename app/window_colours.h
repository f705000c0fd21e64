#pragma once

#include "app/colour_contrast.h"

namespace tarvola {

// The colours the windows fix for themselves; everything else takes the desktop's.

// The results: dark text on a light grey, readable under any desktop theme.
inline constexpr Rgb kResultBackground {224, 224, 224};
inline constexpr Rgb kResultText {0, 0, 0};

// The links' green, made darker or lighter where it would not read on the window (ReadableOn).
inline constexpr Rgb kLinkColour {0, 128, 0};

} // namespace tarvola
