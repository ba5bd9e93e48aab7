#pragma once
// The design point relation DesignFlow = PowerConstant x DesignEfficiency x ShaftPower /
// DesignHead and the derivation of the fourth design value from the three entered ones.

#include "core/Application.h"

namespace wattmere {

// DesignFlow (cfm or GPM) from the efficiency as a fraction, the shaft power in HP and the
// head in in.wg or ft.wg.
inline double designFlowOf(double powerConstant, double designEfficiency, double shaftPower,
                           double designHead) {
    return powerConstant * designEfficiency * shaftPower / designHead;
}

// The curve fit divides by the design flow; a design flow of 0 is taken as 0.0001 there.
inline double designFlowForFit(double designFlow) {
    return designFlow == 0.0 ? 0.0001 : designFlow;
}

// Which of the four design values the known-value selection derives: S1 ... S4.
enum class DerivedDesignValue { DesignFlow, DesignEfficiency, ShaftPower, DesignHead };

// The four design values in base units: head in in.wg or ft.wg, flow in cfm or GPM, shaft
// power in HP, efficiency in percent as on the system data step.
struct DesignPointValues {
    double designHead = 0.0;
    double designFlow = 0.0;
    double shaftPower = 0.0;
    double efficiencyPercent = 0.0;

    bool operator==(const DesignPointValues&) const = default;
};

enum class DesignPointStatus {
    Skipped,  // S1 ... S3 with a head not above 0: nothing is written
    Failed,   // the derived value is not a finite number: the completion stops silently
    Completed // values holds the entered values and the derived one
};

struct DesignPointCompletion {
    DesignPointStatus status = DesignPointStatus::Skipped;
    DesignPointValues values;
};

// The derived value from the other three:
// S1 flow, rounded to two decimals in base units;
// S2 efficiency percent, 100 when the shaft power is not above 0, not limited to 100;
// S3 shaft power in HP (a caller showing kW multiplies by 0.746);
// S4 head, 0 when the flow is not above 0.
DesignPointCompletion completedDesignPoint(DerivedDesignValue derived,
                                           const DesignPointValues& entered, double powerConstant);

} // namespace wattmere
