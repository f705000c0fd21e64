#pragma once

#include <QFrame>

class QAccessibleInterface;

namespace tarvola {

// A borderless frame that groups a picture and an address into one link. Assistive technology
// sees it as a link, named by what it opens, whose action follows it.
class LinkArea : public QFrame {
    Q_OBJECT

public:
    LinkArea(const QString& accessibleName, QWidget* parent);

    // What assistive technology sees of a link area; none for other objects.
    static QAccessibleInterface* accessibleFor(QObject* object);

signals:
    // Assistive technology followed the link.
    void followed();
};

} // namespace tarvola
