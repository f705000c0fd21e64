#pragma once

#include "app/refresh_cycle.h"
#include "core/locale_separators.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace tarvola {

// Runs the refresh cycle on its fields every kRefreshIntervalMs on the user-interface thread,
// reading the locale's separators afresh at each tick.
class RefreshTimer : public QObject {
    Q_OBJECT

public:
    using SeparatorSource = std::function<LocaleSeparators()>;

    RefreshTimer(RefreshFields fields, SeparatorSource separators, QObject* parent = nullptr);

    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }
    [[nodiscard]] bool isActive() const { return m_timer.isActive(); }
    // The time between ticks, in milliseconds, as the timer was given it.
    [[nodiscard]] int interval() const { return m_timer.interval(); }

    // One refresh at once, outside the timer's rhythm.
    void tick();

private:
    RefreshFields m_fields;
    SeparatorSource m_separators;
    QTimer m_timer;
};

} // namespace tarvola
