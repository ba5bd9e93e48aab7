#include "curves/CurveFit.h"

#include "curves/SolverMatrix.h"

#include <array>
#include <cmath>

namespace wattmere {

std::optional<NormalisedCurvePoints> normaliseCurvePoints(double point1Flow, double point1Head,
                                                          double point2Flow, double point2Head,
                                                          double designFlow, double designHead) {
    NormalisedCurvePoints points;
    points.q1 = point1Flow / designFlow;
    points.h1 = point1Head / designHead;
    points.q2 = point2Flow / designFlow;
    points.h2 = point2Head / designHead;
    for (double value : {points.q1, points.h1, points.q2, points.h2}) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    return points;
}

std::optional<CurveCoefficients> fitHorizontalCubic(const NormalisedCurvePoints& p) {
    const SolverMatrix matrix{
        {p.q1 * p.q1 * p.q1, p.q1 * p.q1, p.q1, 1.0},
        {p.qd * p.qd * p.qd, p.qd * p.qd, p.qd, 1.0},
        {p.q2 * p.q2 * p.q2, p.q2 * p.q2, p.q2, 1.0},
        {3.0 * p.q1 * p.q1, 2.0 * p.q1, 1.0, 0.0},
    };
    const std::array<double, 4> rightHandSide{p.h1, p.hd, p.h2, 0.0};
    const std::optional<SolverVector> unknowns = solveByCramer(matrix, rightHandSide);
    if (!unknowns)
        return std::nullopt;
    return CurveCoefficients{(*unknowns)[0], (*unknowns)[1], (*unknowns)[2], (*unknowns)[3]};
}

std::optional<QuadraticCoefficients> fitQuadratic(const NormalisedCurvePoints& p) {
    const SolverMatrix matrix{
        {p.q1 * p.q1, p.q1, 1.0},
        {p.qd * p.qd, p.qd, 1.0},
        {p.q2 * p.q2, p.q2, 1.0},
    };
    const std::array<double, 3> rightHandSide{p.h1, p.hd, p.h2};
    const std::optional<SolverVector> unknowns = solveByCramer(matrix, rightHandSide);
    if (!unknowns)
        return std::nullopt;
    return QuadraticCoefficients{(*unknowns)[0], (*unknowns)[1], (*unknowns)[2]};
}

std::optional<FittedCurve> fitCurve(const NormalisedCurvePoints& points, bool horizontal) {
    FittedCurve fit;
    if (horizontal) {
        const std::optional<CurveCoefficients> cubic = fitHorizontalCubic(points);
        if (!cubic)
            return std::nullopt;
        fit.coefficients = *cubic;
    }
    const std::optional<QuadraticCoefficients> quadratic = fitQuadratic(points);
    if (!quadratic)
        return std::nullopt;
    fit.quadratic = *quadratic;
    if (!horizontal)
        fit.coefficients = CurveCoefficients{quadratic->qa, quadratic->qb, quadratic->qc, 0.0};
    return fit;
}

} // namespace wattmere
