#pragma once
// Synchronises the entry fields with their parameter slots (show defaults, store, show current
// values), range-checks a field when the user leaves it, validates the system data against
// each other, and applies the known-value selection of the design point.

#include "app/AnalysisModel.h"
#include "app/RecalculationHooks.h"

#include <initializer_list>

namespace wattmere {

enum class TransferMode { ShowDefaults = 0, Store = 1, ShowCurrent = 2 };

// What leaving a field runs, by field.
enum class ExitCheck {
    None,         // no range check (free-text fields)
    DutyRange,    // CheckRange: duty cycle inputs, empty reads as 0
    SystemData,   // A120Exit: system data, an empty field stays empty
    DriveCost,    // A109Exit: like SystemData without the modified flag
    CostRange,    // CheckRange2: cost fields, empty reads as 0
    TwoSpeedDuty, // the two-speed motor's time shares
    CurveData,    // the advanced curve fields, checked by the curve panel
};
ExitCheck exitCheckOf(Field id);

class FieldBinding {
public:
    FieldBinding(AnalysisModel& model, RecalculationHooks& hooks);

    // One field in the plain style (fixed decimals, "." and no grouping) or the grouped style
    // the field uses; mode Store reads the field into the slot's current value.
    void transfer(Field id, TransferMode mode);

    void set_fields(TransferMode mode);
    void set_fieldsA(TransferMode mode);
    void set_fields2(TransferMode mode);
    void set_fields3(TransferMode mode);
    void set_fields4(TransferMode mode);
    void set_fields5_Design_Flow(TransferMode mode);
    void set_fields5_Design_Efficiency(TransferMode mode);
    void set_fields5_Design_Shaft_Power(TransferMode mode);
    void set_fields5_Design_Pressure(TransferMode mode);
    // The set_fields5 routine that belongs to the known-value selection (S1 or none: design
    // flow, S2: efficiency, S3: shaft power, S4: head).
    void setCurveDefaultsForSelection(TransferMode mode);

    // Leaving a field: runs the exit check of the field (see ExitCheck). Curve fields are
    // not handled here.
    void fieldExit(Field id);
    void CheckRange(Field id);
    void A120Exit(Field id);
    void A109Exit(Field id);
    void CheckRange2(Field id);
    void twoSpeedDutyExit(Field id);
    // The range check of one field: clamps to the slot's limits with a beep, reformats with the
    // slot's decimals and marks a changed value as modified. An empty field reads as 0 or, when
    // emptyReadsZero is false, stays empty (returns false).
    bool checkRange(Field id, bool emptyReadsZero, bool setsModified);

    // The sum of the two-speed time shares, in tenths of a percent, and whether it is 100 %.
    int twoSpeedDutyTenths() const;
    bool twoSpeedDutyComplete() const { return twoSpeedDutyTenths() == 1000; }
    void showTwoSpeedDutyTotal();

    void DetectDesignChange();
    // Remembers the design point as the fields now show it, without asking for default curve
    // data: after the design point has been completed or loaded, only a real change of it
    // counts as a change.
    void rememberDesignPoint();
    bool DesignDataReady() const;
    bool ValidateSystemData(bool showMessages);
    void SystemDataSelectionChange();
    void CopyAdvancedDesignPoint();

    // The restore commands of step 2, of the costs step and of the duty cycle: each asks
    // first (Yes/Cancel).
    void restoreStep2Defaults();
    void restoreCostDefaults();
    void restoreDutyCycleDefaults();

private:
    enum class Style { Plain, Grouped };
    static Style styleOf(Field id);
    void transferAll(std::initializer_list<Field> ids, TransferMode mode);
    void transferRange(Field first, Field last, TransferMode mode);
    void copyStayFieldsToDutyScreen();
    // A101 ... A109 for a new analysis or restored step 2, and their duty screen copies.
    void showRunningTimesAndPrices(TransferMode mode);
    void emptyOrShow(Field id, TransferMode mode, bool show);

    AnalysisModel& m_model;
    RecalculationHooks& m_hooks;
};

} // namespace wattmere
