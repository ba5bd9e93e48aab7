#pragma once
// The fitted fan or pump curve as head ratio over flow ratio (both relative to the design
// point), and its evaluation. Every user of the curve evaluates it through these functions.

namespace wattmere {

// With the curve horizontal at point 1 (HORIZ checked): h(q) = a q^3 + b q^2 + c q + d.
// Otherwise a quadratic: h(q) = a q^2 + b q + c, and d is 0.
struct CurveCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
};

// The quadratic through the same three points, whatever the curve shape: qa q^2 + qb q + qc.
struct QuadraticCoefficients {
    double qa = 0.0;
    double qb = 0.0;
    double qc = 0.0;
};

// h(q): head ratio at flow ratio q at full speed.
inline double curveHeadRatio(const CurveCoefficients& k, bool horizontal, double q) {
    return horizontal ? ((k.a * q + k.b) * q + k.c) * q + k.d : (k.a * q + k.b) * q + k.c;
}

// h(x, n): head ratio at flow ratio x and speed ratio n (fan laws applied term by term).
inline double curveHeadRatioAtSpeed(const CurveCoefficients& k, bool horizontal, double x,
                                    double n) {
    if (horizontal)
        return k.a * x * x * x / n + k.b * x * x + k.c * x * n + k.d * n * n;
    return k.a * x * x + k.b * x * n + k.c * n * n;
}

} // namespace wattmere
