#pragma once

#include <QLabel>

namespace tarvola {

// A picture that takes the keyboard focus and shows it with the style's focus frame, as a
// focused button does.
class PictureControl : public QLabel {
    Q_OBJECT

public:
    // What the picture is to its window, and so to a screen reader.
    enum class Role {
        Picture, // shows something and does nothing
        Link,    // opens something on Space, as a link is followed
    };

    PictureControl(const QPixmap& pixmap, Role role, QWidget* parent);

    [[nodiscard]] Role role() const { return m_role; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Role m_role;
};

} // namespace tarvola
