#include "curves/CurveTable.h"

#include <QtGlobal>

#include <cmath>

namespace wattmere {

bool CurveTable::build(double designHead, double designFlow, const CurveCoefficients& coefficients,
                       bool horizontal) {
    const std::size_t spare = 1 - m_current;
    std::array<CurvePoint, rowCount>& rows = m_buffers[spare];
    for (int i = 0; i < rowCount; ++i) {
        const double q = i / 100.0;
        const CurvePoint point{i, q * designFlow,
                               designHead * curveHeadRatio(coefficients, horizontal, q)};
        if (!std::isfinite(point.flow) || !std::isfinite(point.head))
            return false;
        rows[static_cast<std::size_t>(i)] = point;
    }
    m_current = spare;
    return true;
}

const CurvePoint& CurveTable::row(int percent) const {
    Q_ASSERT(percent >= 0 && percent < rowCount);
    return m_buffers[m_current][static_cast<std::size_t>(percent)];
}

bool ControlCurve::build(double designHead, double staticHead, double designFlow) {
    std::array<CurvePoint, pointCount> points;
    for (int i = 0; i < pointCount; ++i) {
        const double q = i / 100.0;
        const CurvePoint point{i, q * designFlow, staticHead + q * q * (designHead - staticHead)};
        if (!std::isfinite(point.flow) || !std::isfinite(point.head))
            return false;
        points[static_cast<std::size_t>(i)] = point;
    }
    m_points = points;
    return true;
}

const CurvePoint& ControlCurve::point(int percent) const {
    Q_ASSERT(percent >= 0 && percent < pointCount);
    return m_points[static_cast<std::size_t>(percent)];
}

} // namespace wattmere
