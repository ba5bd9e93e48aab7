#pragma once
// Power curve and energies of one system (the drive or a comparison system), as every later
// step reads them: fixed-size arrays, so the energy pass never allocates.

#include <algorithm>
#include <array>
#include <cstdint>

namespace wattmere {

// Flow points 0..100 % of design flow; point 0 is never computed and reads 0.
inline constexpr int maxFlowPoint = 100;
inline constexpr int flowPointCount = maxFlowPoint + 1;

// Duty-cycle bands 1..10; band 1 is the 10 % band, band 10 the 100 % band.
inline constexpr int bandCount = 10;

using FlowCurve = std::array<double, flowPointCount>;
using FlowFlags = std::array<std::uint8_t, flowPointCount>;
// Indexed 1..bandCount; element 0 is unused so that band k is element k.
using BandValues = std::array<double, bandCount + 1>;

// The entry of a 101-point curve that a flow percent reads: a percent outside 0..100 (a
// file may hold 101, a solved low-speed flow may lie beyond design flow) reads the nearest
// end, so no curve is ever read out of range.
constexpr int flowPointIndex(int percent) {
    return std::clamp(percent, 0, maxFlowPoint);
}

struct SystemResult {
    FlowCurve InputPower{};        // HP at p % of design flow
    FlowFlags LimitFlag{};         // 1 where the operating point lies beyond the limit line
    BandValues BandEnergy{};       // kWh per year, bands 1..10
    double AnnualEnergy = 0.0;     // kWh per year
    double AnnualEnergyCost = 0.0; // currency per year
};

} // namespace wattmere
