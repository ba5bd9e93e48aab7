#include "curves/EfficiencyLimit.h"

#include "curves/DesignPoint.h"
#include "curves/Rounding.h"

#include <cmath>

namespace wattmere {

double efficiencyTenths(double percent) {
    return std::nearbyint(percent * 10.0);
}

double impliedDesignEfficiency(double designFlow, double powerConstant, double shaftPower,
                               double designHead) {
    return designFlow / (powerConstant * shaftPower / designHead);
}

std::optional<DesignEfficiencyLimit> limitDesignEfficiency(double efficiency,
                                                           double peakEfficiencyPercent,
                                                           double powerConstant, double shaftPower,
                                                           double designHead) {
    if (!std::isfinite(efficiency) || !std::isfinite(peakEfficiencyPercent))
        return std::nullopt;
    if (efficiency > 1.0)
        efficiency = 1.0;
    const double designTenths = efficiencyTenths(efficiency * 100.0);
    const double peakTenths = efficiencyTenths(peakEfficiencyPercent);
    DesignEfficiencyLimit result;
    if (designTenths > peakTenths) {
        result.limited = true;
        result.efficiencyPercent = peakTenths / 10.0;
        result.designFlow = roundToDecimals(
            designFlowOf(powerConstant, peakEfficiencyPercent / 100.0, shaftPower, designHead), 2);
        if (!std::isfinite(result.designFlow))
            return std::nullopt;
    } else {
        result.efficiencyPercent = designTenths / 10.0;
    }
    return result;
}

} // namespace wattmere
