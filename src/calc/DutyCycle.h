#pragma once
// The duty cycle: yearly operating hours and the hours spent at each of the ten flow bands,
// from the running-time inputs and the parsed band shares and flows.

#include "calc/SystemResult.h"

#include <array>
#include <optional>

namespace wattmere {

// Bands are indexed 1..bandCount in ascending order of flow (band 1 = the 10 % band,
// `A119`/`A169`; band 10 = the 100 % band, `A110`/`A160`); element 0 is unused.
using BandInts = std::array<int, bandCount + 1>;

struct DutyCycle {
    int HoursPerYear = 0;
    BandInts DutyPercent{};     // share of the operating time at each band, %
    BandInts BandFlowPercent{}; // flow of each band, % of design flow
    BandValues BandHours{};     // hours per year at each band
    int DutyTotal = 0;          // sum of DutyPercent
};

struct DutyCycleInputs {
    double HoursPerDay = 0.0;
    double DaysPerWeek = 0.0;
    double WeeksPerYear = 0.0;
    BandInts DutyPercent{};     // parsed whole numbers, bands 1..10
    BandInts BandFlowPercent{}; // parsed whole numbers, bands 1..10
};

struct DutyCycleOutcome {
    DutyCycle Cycle;
    // The rounded product of the running times was itself 8760 (not the 52-week year
    // stretched to 8760): the hours label then reads "Hrs/Year" instead of "Hrs".
    bool ProductWasFullYear = false;
};

// Hours per year at a share of the operating time: hoursPerYear x (dutyPercent / 100).
double bandHours(int hoursPerYear, int dutyPercent);

// Yearly hours: the product of the running times rounded half to even; a 52-week year of
// continuous running (8736) counts as 8760. Empty when the product is not finite or it or
// the share total does not fit a 32-bit integer.
std::optional<DutyCycleOutcome> computeDutyCycle(const DutyCycleInputs& inputs);

} // namespace wattmere
