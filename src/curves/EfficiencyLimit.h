#pragma once
// The design efficiency as the curve fit uses it: implied by the design flow, capped at 1 and
// limited to the peak efficiency. Efficiencies are compared in whole tenths of a percent, so
// that two values that read the same never differ by a binary rounding remainder.

#include <optional>

namespace wattmere {

// An efficiency in percent as a whole number of tenths of a percent (86.0 -> 860), ties to
// even; the result is a whole-valued double (NaN and infinities pass through).
double efficiencyTenths(double percent);

// The efficiency (fraction) that the design flow gives: DesignFlow / (PowerConstant x
// ShaftPower / DesignHead), base units. Not finite when the shaft power or the flow is 0 with
// no head to divide.
double impliedDesignEfficiency(double designFlow, double powerConstant, double shaftPower,
                               double designHead);

struct DesignEfficiencyLimit {
    double efficiencyPercent = 0.0; // to be written into the design efficiency, one decimal
    bool limited = false;           // the efficiency was brought down to the peak efficiency
    double designFlow = 0.0;        // when limited: the flow the peak efficiency gives, rounded
                                    // to two decimals in base units
};

// The design efficiency (fraction) capped at 1 and rounded to one decimal of a percent; when
// that reads more tenths than the peak efficiency (percent, as entered) it becomes the peak
// efficiency and the design flow is recomputed from it. Fails when an input or the recomputed
// flow is not finite.
std::optional<DesignEfficiencyLimit> limitDesignEfficiency(double efficiency,
                                                           double peakEfficiencyPercent,
                                                           double powerConstant, double shaftPower,
                                                           double designHead);

} // namespace wattmere
