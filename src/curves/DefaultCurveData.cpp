#include "curves/DefaultCurveData.h"

namespace wattmere {

DefaultCurveData defaultCurveData(double designHead, double designFlow,
                                  double designEfficiencyPercent) {
    DefaultCurveData data;
    data.point1Head = 1.2 * designHead;
    data.designHead = designHead;
    data.point2Head = 0.0;
    data.designEfficiencyPercent = designEfficiencyPercent;
    data.peakEfficiencyPercent = designEfficiencyPercent;
    data.addEfficiencyPercent = 0.8 * designEfficiencyPercent;
    data.designEfficiencyFlow = designFlow;
    data.peakEfficiencyFlow = designFlow;
    data.addEfficiencyFlow = 0.5 * designFlow;
    data.point2Flow = 2.0 * designFlow;
    data.startFlow = 0.0;
    data.endFlow = 2.0 * designFlow;
    return data;
}

} // namespace wattmere
