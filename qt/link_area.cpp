#include "qt/link_area.h"

#include <QAccessibleWidget>

namespace tarvola {

namespace {

// A link area as a link with one action, "press", that follows it.
class AccessibleLinkArea : public QAccessibleWidget {
public:
    explicit AccessibleLinkArea(LinkArea* area) : QAccessibleWidget(area, QAccessible::Link) { }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<LinkArea*>(widget())->followed();
    }
};

} // namespace

LinkArea::LinkArea(const QString& accessibleName, QWidget* parent)
    : QFrame(parent)
{
    setAccessibleName(accessibleName);
}

QAccessibleInterface* LinkArea::accessibleFor(QObject* object)
{
    if (auto* area = qobject_cast<LinkArea*>(object))
        return new AccessibleLinkArea(area);
    return nullptr;
}

} // namespace tarvola
