#pragma once
// The default curve data that comes with a new or changed design point: the shut-off head,
// free delivery at twice the design flow, and the efficiency points around the design point.

namespace wattmere {

// Heads and flows in base units (the caller writes them in the user's units with two
// decimals), efficiencies in percent (written with one decimal). Point 1's flow is not part of
// it: that entry keeps its own value.
struct DefaultCurveData {
    double point1Head = 0.0;              // 1.2 x DesignHead
    double designHead = 0.0;              // DesignHead, the design point of the curve
    double point2Head = 0.0;              // 0: free delivery
    double designEfficiencyPercent = 0.0; // the design efficiency
    double peakEfficiencyPercent = 0.0;   // the design efficiency
    double addEfficiencyPercent = 0.0;    // 0.8 x the design efficiency
    double designEfficiencyFlow = 0.0;    // DesignFlow
    double peakEfficiencyFlow = 0.0;      // DesignFlow
    double addEfficiencyFlow = 0.0;       // 0.5 x DesignFlow
    double point2Flow = 0.0;              // 2 x DesignFlow
    double startFlow = 0.0;               // 0
    double endFlow = 0.0;                 // 2 x DesignFlow

    bool operator==(const DefaultCurveData&) const = default;
};

DefaultCurveData defaultCurveData(double designHead, double designFlow,
                                  double designEfficiencyPercent);

} // namespace wattmere
