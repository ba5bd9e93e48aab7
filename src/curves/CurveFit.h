#pragma once
// Fitting the fan or pump curve through its three normalised points: the cubic with a
// horizontal tangent at point 1, or the quadratic, and always the three-point quadratic too.

#include "curves/CurveCoefficients.h"

#include <optional>

namespace wattmere {

// The three curve points as flow and head ratios to the design point; the design point itself
// is (1, 1).
struct NormalisedCurvePoints {
    double q1 = 0.0;
    double h1 = 0.0;
    double qd = 1.0;
    double hd = 1.0;
    double q2 = 0.0;
    double h2 = 0.0;
};

// Points 1 and 2 (base units) divided by the design flow and head; fails when a ratio is not
// finite (a design flow or head of 0).
std::optional<NormalisedCurvePoints> normaliseCurvePoints(double point1Flow, double point1Head,
                                                          double point2Flow, double point2Head,
                                                          double designFlow, double designHead);

// h(q) = a q^3 + b q^2 + c q + d through the three points with zero slope at point 1.
std::optional<CurveCoefficients> fitHorizontalCubic(const NormalisedCurvePoints& points);

// h(q) = qa q^2 + qb q + qc through the three points.
std::optional<QuadraticCoefficients> fitQuadratic(const NormalisedCurvePoints& points);

struct FittedCurve {
    CurveCoefficients coefficients;
    QuadraticCoefficients quadratic;
};

// The curve for the shape switch (horizontal: the cubic; otherwise the quadratic as a, b, c
// with d = 0) together with the three-point quadratic. Fails when either system is singular
// or gives a non-finite coefficient.
std::optional<FittedCurve> fitCurve(const NormalisedCurvePoints& points, bool horizontal);

} // namespace wattmere
