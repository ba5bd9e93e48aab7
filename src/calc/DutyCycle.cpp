#include "calc/DutyCycle.h"

#include <cmath>
#include <limits>

namespace wattmere {

namespace {
constexpr int fiftyTwoWeekYear = 24 * 7 * 52;
constexpr int fullYear = 24 * 365;
} // namespace

double bandHours(int hoursPerYear, int dutyPercent) {
    return hoursPerYear * (dutyPercent / 100.0);
}

std::optional<DutyCycleOutcome> computeDutyCycle(const DutyCycleInputs& inputs) {
    DutyCycleOutcome outcome;
    DutyCycle& cycle = outcome.Cycle;
    long long total = 0; // ten 32-bit shares cannot overflow it
    for (int k = 1; k <= bandCount; ++k) {
        cycle.DutyPercent[k] = inputs.DutyPercent[k];
        cycle.BandFlowPercent[k] = inputs.BandFlowPercent[k];
        total += inputs.DutyPercent[k];
    }
    if (total < std::numeric_limits<int>::min() || total > std::numeric_limits<int>::max())
        return std::nullopt;
    cycle.DutyTotal = static_cast<int>(total);

    const double product = inputs.HoursPerDay * inputs.DaysPerWeek * inputs.WeeksPerYear;
    const double rounded = std::nearbyint(product); // ties to even under the default mode
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min() ||
        rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    const int hours = static_cast<int>(rounded);
    cycle.HoursPerYear = hours == fiftyTwoWeekYear ? fullYear : hours;
    outcome.ProductWasFullYear = hours == fullYear;

    for (int k = 1; k <= bandCount; ++k)
        cycle.BandHours[k] = bandHours(cycle.HoursPerYear, cycle.DutyPercent[k]);
    return outcome;
}

} // namespace wattmere
