#pragma once

class QLabel;
class QLineEdit;
class QString;

namespace tarvola {

// The layouts were measured against one font at 96 dpi; another font, or larger points on the
// same pixels, draws texts wider and taller. These keep a text whole inside its place.

// Widens the label up to its parent's right edge when its text needs it, then makes its font
// smaller until the text fits both ways. A label that fits is left as it is.
void FitLabel(QLabel& label);

// Makes the field's font smaller until the sample (its longest expected text) fits inside the
// field's text area, without scrolling, and its ink fits the height too.
void FitField(QLineEdit& field, const QString& sample);

} // namespace tarvola
