#pragma once
// The surge limit of the curve: the head at the start flow (SurgeStartPressure) and the surge
// line, the parabola through the origin and that head, drawn from the origin to the start flow.

#include "core/Application.h"

#include <array>

namespace wattmere {

class CurveTable;

// The row of the curve table at the start flow ratio qs: round(100 x qs), ties to even,
// limited to 0 ... 800.
int surgeStartRow(double qs);

// SurgeStartPressure / qs^2: the surge line is head(x) = SurgeConstant x x^2 for a flow of x
// times the design flow. Meaningful for qs above 0 only.
inline double SurgeConstant(double surgeStartPressure, double qs) {
    return surgeStartPressure / (qs * qs);
}

struct SurgePoint {
    double flowRatio = 0.0; // x: the flow as a fraction of design flow
    double flow = 0.0;      // base units
    double head = 0.0;      // base units
};

class SurgeLine {
public:
    static constexpr int capacity = 201;

    // Rebuilds the line for the start flow ratio qs = CurveStartFlow / DesignFlow from the
    // curve table:
    // - qs above 0: SurgeStartPressure is the table's head at surgeStartRow(qs), also when the
    //   start flow lies at twice the design flow or beyond, so that the limit tests always use
    //   the current data; the line is the origin and N = 200 - round(100 x qs) points at
    //   x_k = k x qs / N (none when N is 0 or less).
    // - qs of 0: the line is the origin alone; a fan takes DesignHead as SurgeStartPressure,
    //   a pump keeps its last one (neither is used: a start flow of 0 disables the limit tests).
    // Returns false, leaving the line as it was, for a negative or non-finite qs or any
    // non-finite result.
    bool rebuild(const CurveTable& table, double qs, double designFlow, double designHead,
                 Application application);

    int pointCount() const { return m_count; }
    const SurgePoint& point(int index) const;

    double surgeStartPressure() const { return m_startPressure; }
    // The SurgeConstant of the last rebuild with qs above 0, else 0.
    double surgeConstant() const { return m_constant; }

private:
    int m_count = 1;
    std::array<SurgePoint, capacity> m_points{};
    double m_startPressure = 0.0;
    double m_constant = 0.0;
};

} // namespace wattmere
