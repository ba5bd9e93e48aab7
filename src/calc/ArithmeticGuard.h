#pragma once
// Checked arithmetic for the calculation steps: C++ gives infinities and NaNs where a failed
// operation must stop the step, so every risky operation reports through one guard.

#include <cmath>

namespace wattmere {

// Collects failures of a sequence of operations. A failed operation returns 0 so that the
// following formulas stay quiet until the caller looks at failed().
class ArithmeticGuard {
public:
    // numerator / denominator; fails on a zero denominator or a non-finite result.
    double divide(double numerator, double denominator) {
        if (denominator == 0.0)
            return fail();
        return finite(numerator / denominator);
    }

    // Natural logarithm; fails for x <= 0.
    double log(double x) {
        if (!(x > 0.0))
            return fail();
        return finite(std::log(x));
    }

    // Square root; fails for x < 0 (and NaN).
    double sqrt(double x) {
        if (!(x >= 0.0))
            return fail();
        return finite(std::sqrt(x));
    }

    double exp(double x) { return finite(std::exp(x)); }

    // The value itself; fails when it is infinite or NaN.
    double finite(double x) {
        if (!std::isfinite(x))
            return fail();
        return x;
    }

    bool failed() const { return m_failed; }

private:
    double fail() {
        m_failed = true;
        return 0.0;
    }

    bool m_failed = false;
};

} // namespace wattmere
