#pragma once
// The fan or pump curve on the analysis window: completing the design point from three known
// values with default curve data, checking the curve data, fitting the curve, and redrawing
// the curve charts (which rebuilds the curve table and the surge line).

#include "app/AnalysisModel.h"
#include "app/CalculationState.h"

namespace wattmere {

class CurveStep {
public:
    CurveStep(AnalysisModel& model, CalculationState& state);

    // Derives the fourth design value from the three entered ones and writes the default
    // curve data; a failure ends it silently.
    void CompleteDesignPoint();
    // The consistency checks of the curve data; messages go to the note line and, with
    // showDialogs, to information dialogs. True when the data is valid.
    bool CheckCurveData(bool showDialogs);
    // Reads the design point and curve data from the fields, applies the design-point lock
    // and fits the curve; an arithmetic failure sets CalcError.
    void FitCurve();
    // The default curve rows again from the fields (A154 and A159 twice A153, A150 from A149,
    // A151 half of A150, A155 1.2 x A120).
    void applyDefaultCurveRows();
    // The curve charts' redraw: the fan or pump curve with the curve table and the surge
    // line, then the control curve; a failure sets CalcError.
    void redrawCurves();
    // The design flow (base units) the efficiency-given mode keeps from one fit to the next:
    // an opened analysis brings its own.
    void keepDesignFlow(double designFlow) { m_state.Curve.DesignFlow = designFlow; }

private:
    // The message key of the running application: the fan's or the pump's.
    const char* byApplication(const char* fanKey, const char* pumpKey) const;
    void setCalcError();
    // Reads the design head, static head and removed pressure drop into the curve state.
    void readHeads();
    // The default curve data's head, efficiency and flow blocks of the design point completion;
    // each returns false when a value had no finite number to write.
    bool writeFinite(Field id, double value, int decimals);
    bool writeHeadBlock(double displayHead);
    bool writeEfficiencyBlock();
    bool writeFlowBlock(double designFlow);
    // The halves of the redraw; each returns false when it failed.
    bool drawEquipmentCurve();
    bool drawControlCurve();
    void styleCurveSeries();
    void fillSurgeSeries();
    // A series emptied, or a point added, in the user's units as given.
    void clearSeries(Series id);
    void addPoint(Series id, double x, double y);

    AnalysisModel& m_model;
    CalculationState& m_state;
};

} // namespace wattmere
