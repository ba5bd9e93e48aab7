#pragma once
// The low-speed operating point of a two-speed motor: where the fan or pump curve at low
// speed meets the system curve, first from the quadratic fit, then refined on the cubic.

#include "curves/CurveCoefficients.h"

#include <optional>

namespace wattmere {

// The flow of the high speed, % of design flow.
inline constexpr int HighSpeedFlow = 100;

struct LowSpeedSolution {
    int LowSpeedFlowQuad = 0;    // % of design flow, from the quadratic estimate
    int LowSpeedFlowCubic = 0;   // % of design flow, refined on the cubic
    bool LowSpeedNoFlow = false; // the low speed cannot lift against the static head
};

// Solves the low-speed point for speed ratio lowSpeedRatio. Both flows are at least 0 and may
// exceed 100 (a crossing beyond design flow); lowSpeedFlowIndex() keeps them inside the
// curves. The cubic refinement runs only for a horizontal curve, whose result it is; otherwise
// LowSpeedFlowCubic repeats LowSpeedFlowQuad. Empty on an arithmetic failure.
std::optional<LowSpeedSolution> solveLowSpeedFlow(double designHead, double staticHead,
                                                  double lowSpeedRatio,
                                                  const CurveCoefficients& curve,
                                                  const QuadraticCoefficients& quadratic,
                                                  bool horizontal);

// LowSpeedFlow: the solution that belongs to the curve shape, as an entry 0..100 of the
// 101-point curves (a crossing beyond design flow reads the design-flow entry).
int lowSpeedFlowIndex(const LowSpeedSolution& solution, bool horizontal);

} // namespace wattmere
