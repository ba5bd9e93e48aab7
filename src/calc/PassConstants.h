#pragma once
// The values every flow point of one energy pass shares, derived once from the inputs.

#include "calc/EfficiencyCurve.h"
#include "calc/LimitLine.h"

namespace wattmere {

struct PassConstants {
    double PowerConstant = 0.0;
    double MotorFullLoadLoss = 0.0; // HP
    EfficiencyCurve Efficiency;
    LimitLine Limit;
};

} // namespace wattmere
