#include "curves/SurgeLine.h"

#include "curves/CurveTable.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace wattmere {

namespace {

// 200 - round(100 x qs) points after the origin, none when that is 0 or less.
int surgePointCount(double qs) {
    const double row = std::nearbyint(100.0 * qs);
    return row >= 200.0 ? 0 : 200 - static_cast<int>(row);
}

} // namespace

int surgeStartRow(double qs) {
    const double row = std::nearbyint(100.0 * qs);
    if (!(row > 0.0))
        return 0;
    return row >= CurveTable::lastPercent ? CurveTable::lastPercent : static_cast<int>(row);
}

bool SurgeLine::rebuild(const CurveTable& table, double qs, double designFlow, double designHead,
                        Application application) {
    if (!std::isfinite(qs) || qs < 0.0)
        return false;
    if (qs == 0.0) {
        if (application == Application::Fan) {
            if (!std::isfinite(designHead))
                return false;
            m_startPressure = designHead;
        }
        m_constant = 0.0;
        m_points[0] = SurgePoint{};
        m_count = 1;
        return true;
    }

    const double startPressure = table.headAt(surgeStartRow(qs));
    const double constant = SurgeConstant(startPressure, qs);
    if (!std::isfinite(startPressure) || !std::isfinite(constant))
        return false;
    const int n = surgePointCount(qs);
    Q_ASSERT(n < capacity);
    std::array<SurgePoint, capacity> points{};
    for (int k = 1; k <= n; ++k) {
        const double x = k * qs / n;
        const SurgePoint point{x, x * designFlow, x * x * startPressure / (qs * qs)};
        if (!std::isfinite(point.flow) || !std::isfinite(point.head))
            return false;
        points[static_cast<std::size_t>(k)] = point;
    }
    m_points = points;
    m_count = n + 1;
    m_startPressure = startPressure;
    m_constant = constant;
    return true;
}

const SurgePoint& SurgeLine::point(int index) const {
    Q_ASSERT(index >= 0 && index < m_count);
    return m_points[static_cast<std::size_t>(index)];
}

} // namespace wattmere
