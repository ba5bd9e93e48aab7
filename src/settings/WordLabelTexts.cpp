#include "settings/SourceText.h"

#include <QtGlobal>

namespace wattmere {

namespace {

// Captions that code puts into controls and that change with the application or the
// comparison system; keyed by the name of the hidden label that carries them.
// clang-format off
constexpr SourceText texts[] = {
    QT_TRANSLATE_NOOP3("WordLabels", "Fan and Control Curve Data", "ChartMainTitle_Fan"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump and Control Curve Data", "ChartMainTitle_Pump"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan", "Fan_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump", "Pump_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan Curve", "FanCurve_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump Curve", "PumpCurve_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan Curve Data", "FanCurveData_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump Curve Data", "PumpCurveData_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Flow (%)", "Flow_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Time (%)", "Time_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Savings", "Savings_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Outlet Dampers", "Outlet_Damper_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Throttling Valve", "Throtteling_Valve_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Inlet Guide Vanes", "Inlet_Guide_Vane_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan/Control Curve", "Chart_Selection_FanCurve"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump/Control Curve", "Chart_Selection_PumpCurve"),
    QT_TRANSLATE_NOOP3("WordLabels", "The fan curve at point 1 is horizontal", "FAN_CURVE_HORIZ"),
    QT_TRANSLATE_NOOP3("WordLabels", "The pump curve at point 1 is horizontal", "PUMP_CURVE_HORIZ"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan curve point 1:", "FAN_POINT1"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan curve point 2:", "FAN_POINT2"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump curve point 1:", "PUMP_POINT1"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump curve point 2:", "PUMP_POINT2"),
    QT_TRANSLATE_NOOP3("WordLabels", "2 Speed Motor", "Motor_2_Speed_Word"),
    QT_TRANSLATE_NOOP3("WordLabels", "Constant Volume System", "Constant_Volume_System"),
    QT_TRANSLATE_NOOP3("WordLabels", "Cycling System", "Cycling_System"),
    QT_TRANSLATE_NOOP3("WordLabels", "Outlet Damper System", "Outlet_Damper_System"),
    QT_TRANSLATE_NOOP3("WordLabels", "Throttling Valve System", "Throtteling_Valve_System"),
    QT_TRANSLATE_NOOP3("WordLabels", "Inlet Guide Vane System", "Inlet_Guide_Vane_System"),
    QT_TRANSLATE_NOOP3("WordLabels", " * = System Design Limits", "System_Design_Limits"),
    QT_TRANSLATE_NOOP3("WordLabels", "H", "High_Speed"),
    QT_TRANSLATE_NOOP3("WordLabels", "L", "Low_Speed"),
    QT_TRANSLATE_NOOP3("WordLabels", "Fan Application", "Fan_Application_Name"),
    QT_TRANSLATE_NOOP3("WordLabels", "Pump Application", "Pump_Application_Name"),
};
// clang-format on

} // namespace

const TextSet& wordLabelTexts() {
    static constexpr TextSet set{"WordLabels", texts};
    return set;
}

} // namespace wattmere
