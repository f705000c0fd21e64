#pragma once

#include <QLabel>

namespace tarvola {

// A picture that takes the keyboard focus and shows it with the style's focus frame, as a
// focused button does.
class PictureControl : public QLabel {
    Q_OBJECT

public:
    PictureControl(const QPixmap& pixmap, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvola
