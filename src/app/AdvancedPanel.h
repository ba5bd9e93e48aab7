#pragma once
// The advanced curve panel of the system data step: entering and leaving the advanced mode,
// leaving a curve field with its coupled entries, the horizontal-curve switch, restoring the
// default curve data, the design-point lock buttons and the zoomed chart.

#include "app/Analysis.h"

namespace wattmere {

class AdvancedPanel {
public:
    explicit AdvancedPanel(Analysis& analysis);

    // The "Advanced" button of the system data step, or a click on its curve chart.
    void enterAdvancedMode();

    // The user types into a curve field (A144 ... A159) and leaves it.
    void enterCurveField(Field id, const QString& text);
    // Leaving a curve field: range check, coupled entries, then the checks and, when the data
    // is valid, the fit, the recalculation and the redraw.
    void curveFieldExit(Field id);

    // A click on the tick box HORIZ that leaves it in the given state.
    void clickHorizontal(bool checked);

    // "&Go Back to Step 2.": returns to the system data panel when the curve data is valid
    // and the recalculation succeeds.
    void goBackToStep2();

    // "Restore Default Values" of the panel: asks first, then rebuilds the default curve data
    // from the design point.
    void restoreDefaults();

    // The hidden design-point lock buttons.
    void clickLockA144();
    void clickLockA149();

    // "Zoom Graph" or a click on the panel's chart, and "&Go Back to Advanced Mode".
    void zoomGraph();
    void backToAdvancedMode();

    // True for the fields whose exit the panel handles.
    static bool isCurveField(Field id);

private:
    // The range check of a curve field: an empty field stays empty (an empty curve point
    // means "no point"); otherwise the value is clamped to its slot with a beep and written
    // A145 -> A146 (0.8 x, one decimal) and A150 -> A151 (0.5 x, two decimals), when the text
    // differs from the one seen when the coupling last ran.
    void applyCoupling(Field id);
    void applyLockEnabling();

    Analysis& m_analysis;
};

} // namespace wattmere
