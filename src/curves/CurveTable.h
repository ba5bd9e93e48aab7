#pragma once
// The fitted curve tabulated at every whole percent of design flow from 0 to 800 %, and the
// control (system) curve from 0 to 110 %: the data the curve charts draw and the surge limit
// reads.

#include "curves/CurveCoefficients.h"

#include <array>

namespace wattmere {

// One tabulated point: the percent of design flow, the flow and the head in base units.
struct CurvePoint {
    int percent = 0;
    double flow = 0.0;
    double head = 0.0;
};

class CurveTable {
public:
    static constexpr int lastPercent = 800;
    static constexpr int rowCount = lastPercent + 1;

    // Row i: flow i / 100 x DesignFlow, head DesignHead x h(i / 100). Returns false, leaving
    // the table as it was, when any value is not finite.
    bool build(double designHead, double designFlow, const CurveCoefficients& coefficients,
               bool horizontal);

    // percent in 0 ... lastPercent.
    const CurvePoint& row(int percent) const;
    double headAt(int percent) const { return row(percent).head; }

private:
    // Built into the spare buffer and switched over on success, so a failed build leaves the
    // table as it was without copying it.
    std::array<std::array<CurvePoint, rowCount>, 2> m_buffers{};
    std::size_t m_current = 0;
};

class ControlCurve {
public:
    static constexpr int lastPercent = 110;
    static constexpr int pointCount = lastPercent + 1;

    // Point i: flow i / 100 x DesignFlow, head StaticHead + (i / 100)^2 x (DesignHead -
    // StaticHead); the removed pressure drop takes no part. Returns false, leaving the curve as
    // it was, when any value is not finite.
    bool build(double designHead, double staticHead, double designFlow);

    // percent in 0 ... lastPercent.
    const CurvePoint& point(int percent) const;

private:
    std::array<CurvePoint, pointCount> m_points{};
};

} // namespace wattmere
