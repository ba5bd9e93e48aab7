#pragma once
// The operating limit tests at one whole percent p (1 ... 100) of design flow, x = p / 100:
// is the operating point outside the system design limits? Every test is off while the curve
// start flow is 0. Heads and flows in base units.

namespace wattmere {

// Drive: the system head with the removed pressure drop lies above the surge line.
inline bool driveBeyondLimit(int percent, double startFlow, double staticHead, double designHead,
                             double removedPressureDrop, double surgeConstant) {
    if (!(startFlow > 0.0))
        return false;
    const double x = percent / 100.0;
    return staticHead + (designHead - staticHead - removedPressureDrop) * x * x >
           surgeConstant * x * x;
}

// Inlet guide vanes (fan): the system head without the removed pressure drop lies above the
// surge line.
inline bool inletGuideVanesBeyondLimit(int percent, double startFlow, double staticHead,
                                       double designHead, double surgeConstant) {
    if (!(startFlow > 0.0))
        return false;
    const double x = percent / 100.0;
    return staticHead + (designHead - staticHead) * x * x > surgeConstant * x * x;
}

// Outlet dampers (fan) and throttling valve (pump): they run on the curve itself, so the limit
// is the start flow.
inline bool throttlingBeyondLimit(int percent, double startFlow, double designFlow) {
    if (!(startFlow > 0.0))
        return false;
    return percent / 100.0 * designFlow < startFlow;
}

} // namespace wattmere
