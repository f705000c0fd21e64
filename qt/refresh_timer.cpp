#include "qt/refresh_timer.h"

namespace tarvola {

RefreshTimer::RefreshTimer(RefreshFields fields, SeparatorSource separators, QObject* parent)
    : QObject(parent)
    , m_fields(fields)
    , m_separators(std::move(separators))
{
    m_timer.setInterval(kRefreshIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RefreshTimer::tick);
}

void RefreshTimer::tick()
{
    // Nothing may escape into the event loop; a tick that cannot even read the locale is skipped.
    try {
        RunRefreshTick(m_fields, m_separators());
    } catch (...) {
    }
}

} // namespace tarvola
