#pragma once

#include <string>

namespace tarvola {

// Everything the page needs to lay out and label both windows, from the shared tables, as one
// JSON object: the caption, the fonts and colours, the main window's controls in
// layout order and its fields in tab order with the text each is first drawn with, the About
// window's controls, texts and links.
// Rectangles are CSS pixels relative to their container (15 twips a pixel, as at 96 DPI).
[[nodiscard]] std::string WindowFactsJson();

} // namespace tarvola
