#include "curves/DesignPoint.h"

#include "curves/Rounding.h"

#include <cmath>

namespace wattmere {

DesignPointCompletion completedDesignPoint(DerivedDesignValue derived,
                                           const DesignPointValues& entered, double powerConstant) {
    DesignPointCompletion result;
    result.values = entered;
    DesignPointValues& v = result.values;
    if (derived != DerivedDesignValue::DesignHead && !(entered.designHead > 0.0))
        return result;

    double value = 0.0;
    switch (derived) {
    case DerivedDesignValue::DesignFlow:
        value = roundToDecimals(
            designFlowOf(powerConstant, v.efficiencyPercent / 100.0, v.shaftPower, v.designHead),
            2);
        v.designFlow = value;
        break;
    case DerivedDesignValue::DesignEfficiency:
        value = v.shaftPower > 0.0
                    ? v.designFlow * v.designHead / (v.shaftPower * powerConstant) * 100.0
                    : 100.0;
        v.efficiencyPercent = value;
        break;
    case DerivedDesignValue::ShaftPower:
        value = v.designFlow * v.designHead / (powerConstant * (v.efficiencyPercent / 100.0));
        v.shaftPower = value;
        break;
    case DerivedDesignValue::DesignHead:
        value = v.designFlow > 0.0
                    ? powerConstant * (v.efficiencyPercent / 100.0) * v.shaftPower / v.designFlow
                    : 0.0;
        v.designHead = value;
        break;
    }
    result.status = std::isfinite(value) ? DesignPointStatus::Completed : DesignPointStatus::Failed;
    return result;
}

} // namespace wattmere
