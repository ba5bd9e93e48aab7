#include "calc/TwoSpeedSolver.h"

#include "calc/ArithmeticGuard.h"
#include "calc/SystemResult.h"

#include <cmath>
#include <limits>

namespace wattmere {

namespace {

// 100 x q rounded half to even and raised to 0 when negative; fails beyond 32 bits.
std::optional<int> flowPercent(double q) {
    const double rounded = std::nearbyint(100.0 * q);
    if (std::isnan(rounded) || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return rounded < 0.0 ? 0 : static_cast<int>(rounded);
}

// One Newton step on A q^3 + B q^2 + C q + D. A zero slope leaves the estimate as it is:
// the step has no direction, and the other estimates still compete for the smallest.
double newtonStep(double q, double a, double b, double c, double d, ArithmeticGuard& guard) {
    const double value = a * q * q * q + b * q * q + c * q + d;
    const double slope = 3.0 * a * q * q + 2.0 * b * q + c;
    if (slope == 0.0)
        return q;
    return guard.finite(q - guard.divide(value, slope));
}

} // namespace

std::optional<LowSpeedSolution> solveLowSpeedFlow(double designHead, double staticHead,
                                                  double lowSpeedRatio,
                                                  const CurveCoefficients& curve,
                                                  const QuadraticCoefficients& quadratic,
                                                  bool horizontal) {
    const double n = lowSpeedRatio;
    const double h = designHead;
    const double s = staticHead;
    LowSpeedSolution solution;

    if (n * n * h <= s) {
        solution.LowSpeedFlowQuad = HighSpeedFlow;
        solution.LowSpeedFlowCubic = HighSpeedFlow;
        solution.LowSpeedNoFlow = true;
        return solution;
    }

    ArithmeticGuard guard;
    const double a2 = quadratic.qa * h - (h - s);
    const double a1 = quadratic.qb * n * h;
    const double a0 = n * n * quadratic.qc * h - s;
    const double discriminant = guard.finite(a1 * a1 - 4.0 * a2 * a0);
    const double q0 =
        discriminant < 0.0 ? 0.0 : guard.divide(-a1 - guard.sqrt(discriminant), 2.0 * a2);
    const std::optional<int> quad = flowPercent(q0);
    if (guard.failed() || !quad)
        return std::nullopt;
    solution.LowSpeedFlowQuad = *quad;
    solution.LowSpeedFlowCubic = *quad;
    if (!horizontal)
        return solution;

    const double a = guard.divide(curve.a * h, n);
    const double b = curve.b * h - (h - s);
    const double c = curve.c * h * n;
    const double d = n * n * curve.d * h - s;
    const double q1 = newtonStep(q0, a, b, c, d, guard);
    const double q2 = newtonStep(q1, a, b, c, d, guard);
    double q = q0;
    if (q1 < q)
        q = q1;
    if (q2 < q)
        q = q2;
    const std::optional<int> cubic = flowPercent(q);
    if (guard.failed() || !cubic)
        return std::nullopt;
    solution.LowSpeedFlowCubic = *cubic;
    return solution;
}

int lowSpeedFlowIndex(const LowSpeedSolution& solution, bool horizontal) {
    return flowPointIndex(horizontal ? solution.LowSpeedFlowCubic : solution.LowSpeedFlowQuad);
}

} // namespace wattmere
