#include "curves/CurveChecks.h"

#include "curves/DesignPoint.h"
#include "curves/EfficiencyLimit.h"
#include "curves/Rounding.h"

#include <cmath>

namespace wattmere {

QString curveCheckMessageKey(CurveCheck check) {
    switch (check) {
    case CurveCheck::None:
        return {};
    case CurveCheck::EndBelowDesign:
        return QStringLiteral("IDS_10");
    default:
        break;
    }
    // A ... Q are IDS_60 ... IDS_76 in order.
    const int offset = static_cast<int>(check) - static_cast<int>(CurveCheck::A);
    return QStringLiteral("IDS_%1").arg(60 + offset);
}

bool curveCheckShowsNote(CurveCheck check) {
    return check != CurveCheck::None && check != CurveCheck::N;
}

bool curveCheckAlwaysShowsDialog(CurveCheck check) {
    return check == CurveCheck::EndBelowDesign;
}

namespace {

CurveCheck firstFailingCurvePointCheck(const CurveCheckEntries& e) {
    const double q1 = e.point1Flow;
    const double qd = e.designFlow;
    const double q2 = e.point2Flow;
    const double p1 = e.point1Head;
    const double pd = e.designHead;
    const double p2 = e.point2Head;
    if (e.horizontal && q1 >= qd)
        return CurveCheck::A;
    if (q1 == qd && p1 != pd)
        return CurveCheck::B;
    if (q1 == q2 && p1 != p2)
        return CurveCheck::C;
    if (qd == q2 && pd != p2)
        return CurveCheck::D;
    if (qd == q2)
        return CurveCheck::E;
    if (q1 > qd && p1 >= pd)
        return CurveCheck::F;
    if (q2 > qd && p2 >= pd)
        return CurveCheck::G;
    if (q1 < qd && p1 <= pd)
        return CurveCheck::H;
    if (q2 < qd && p2 <= pd)
        return CurveCheck::I;
    return CurveCheck::None;
}

double oneDecimal(double value) {
    return roundToDecimals(value, 1);
}

// The efficiency (fraction) the design flow gives, or the system data step's design efficiency
// while the design efficiency entry is disabled.
double impliedEfficiency(const CurveCheckEntries& e) {
    if (!e.designEfficiencyEnabled)
        return e.systemEfficiency / 100.0;
    return impliedDesignEfficiency(e.designFlowBase, e.powerConstant, e.shaftPower,
                                   e.designHeadBase);
}

// The efficiency checks; fills the rewrites of the failing check.
CurveCheck firstFailingEfficiencyCheck(const CurveCheckEntries& e, CurveCheckResult& result) {
    const double ed = e.designEfficiency;
    const double ep = e.peakEfficiency;
    const double ea = e.addEfficiency;
    const double fd = e.designFlow;
    const double fp = e.peakFlow;
    const double fa = e.addFlow;
    CurveCheckRewrites& rewrites = result.rewrites;

    if (e.flowGiven) {
        if (fd == fp && ed != ep)
            return CurveCheck::J;
        if (fd != fp && ed > ep) {
            // The design efficiency the flow gives replaces the entry; when that is within
            // the peak efficiency the data is valid after all.
            rewrites.peakEfficiency = oneDecimal(ep);
            const double fromFlow = impliedDesignEfficiency(e.designFlowBase, e.powerConstant,
                                                            e.shaftPower, e.designHeadBase);
            if (std::isfinite(fromFlow)) {
                const double tenths = efficiencyTenths(fromFlow * 100.0);
                rewrites.designEfficiency = tenths / 10.0;
                result.valid = !(tenths > efficiencyTenths(ep));
            } else {
                rewrites.designEfficiency = oneDecimal(ed);
                result.valid = false;
            }
            return CurveCheck::K;
        }
        const double implied = impliedEfficiency(e);
        // An efficiency that cannot be computed cannot lie within the peak efficiency.
        if (!std::isfinite(implied))
            return CurveCheck::L;
        const double impliedTenths = efficiencyTenths(implied * 100.0);
        if (impliedTenths > efficiencyTenths(ep)) {
            rewrites.designEfficiency = impliedTenths / 10.0;
            return CurveCheck::L;
        }
        if (implied > 1.0) {
            rewrites.designEfficiency = impliedTenths / 10.0;
            return CurveCheck::M;
        }
    }
    if (fa == fp && ea != ep)
        return CurveCheck::N;
    if (ea > ep || ea < ep / 2.0) {
        rewrites.addEfficiency = oneDecimal(ea);
        rewrites.peakEfficiency = oneDecimal(ep);
        if (ea > ep)
            return CurveCheck::O;
        return CurveCheck::P;
    }
    if (!e.flowGiven && ed > ep) {
        rewrites.designEfficiency = oneDecimal(ed);
        rewrites.peakEfficiency = oneDecimal(ed);
        const double flow = roundToDecimals(
            designFlowOf(e.powerConstant, ed / 100.0, e.shaftPower, e.designHeadBase), 2);
        if (std::isfinite(flow))
            rewrites.designFlowBase = flow;
        return CurveCheck::Q;
    }
    return CurveCheck::None;
}

} // namespace

CurveCheckResult checkCurveData(const CurveCheckEntries& entries) {
    CurveCheckResult result;
    if (entries.endFlow < entries.designFlow) {
        result.endFlowReset = true;
        result.rewrites.endFlow = 2.0 * entries.designFlow;
        result.rewrites.startFlow = 0.0;
    }
    if (entries.curveFlowEmpty)
        return result;

    result.check = firstFailingCurvePointCheck(entries);
    if (result.check != CurveCheck::None) {
        result.valid = false;
        return result;
    }
    result.valid = true;
    result.check = firstFailingEfficiencyCheck(entries, result);
    if (result.check != CurveCheck::None && result.check != CurveCheck::K)
        result.valid = false;
    return result;
}

} // namespace wattmere
