#include "params/ParameterTable.h"

#include "params/ParameterRegistry.h"

#include <array>

namespace wattmere {

namespace {

struct SlotDefinition {
    const char* name;
    const char* unit;
    float minimum;
    float maximum;
    float step;
    float defaultValue;
};

// The unit, limits and default of a pressure or flow slot come from the unit rows below.
constexpr SlotDefinition fromUnitRow(const char* name) {
    return {name, "", 0.0f, 0.0f, 100.0f, 0.0f};
}

// Slots 1..76 in slot order. The names are kept exactly as the analysis files know them.
constexpr std::array<SlotDefinition, parameterTableSlots> baseTable{{
    {"Hours per day", "", 1.0f, 24.0f, 1.0f, 24.0f},
    {"Days per week", "", 1.0f, 7.0f, 10.0f, 7.0f},
    {"Weeks per year", "", 1.0f, 52.0f, 1.0f, 52.0f},
    {"Electricity cost", "ct", 0.0f, 1000.0f, 1000.0f, 0.1f},
    {"Motor Power", "", 0.2f, 5000.0f, 10.0f, 50.0f},
    {"Motor Efficiency", "%", 50.0f, 100.0f, 10.0f, 90.0f},
    {"Drive Efficiency", "%", 50.0f, 100.0f, 10.0f, 96.0f},
    {"Utility Incentive", "", 0.0f, 999999.0f, 1.0f, 0.0f},
    {"Drive Cost", "", 0.0f, 100000000.0f, 1.0f, 15000.0f},
    {"% Time @ 100%", "%", 0.0f, 100.0f, 1.0f, 0.0f},
    {"% Time @ 90%", "%", 0.0f, 100.0f, 1.0f, 3.0f},
    {"% Time @ 80%", "%", 0.0f, 100.0f, 1.0f, 9.0f},
    {"% Time @ 70%", "%", 0.0f, 100.0f, 1.0f, 21.0f},
    {"% Time @ 60%", "%", 0.0f, 100.0f, 1.0f, 23.0f},
    {"% Time @ 50%", "%", 0.0f, 100.0f, 1.0f, 23.0f},
    {"% Time @ 40%", "%", 0.0f, 100.0f, 1.0f, 16.0f},
    {"% Time @ 30%", "%", 0.0f, 100.0f, 1.0f, 5.0f},
    {"% Time @ 20%", "%", 0.0f, 100.0f, 1.0f, 0.0f},
    {"% Time @ 10%", "%", 0.0f, 100.0f, 1.0f, 0.0f},
    fromUnitRow("Design Head"),
    fromUnitRow("Static Setpoint Head"),
    {"Shaft HP", "", 0.2f, 5000.0f, 10.0f, 50.0f},
    fromUnitRow("Removed Pressure Drop with Drive"),
    {"Fan Curve Efficiency", "", 50.0f, 100.0f, 10.0f, 86.0f},
    {"Drive HP", "", 0.2f, 5000.0f, 10.0f, 50.0f},
    {"Installation CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Startup CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Equipment CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 1 CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 2 CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Installation DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Startup DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Equipment DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 1 DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 2 DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Maintencance CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 1 CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 2 CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 3 CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Maintencance CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 1 DA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 2 DA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Other 3 DA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {"Fan curve eff. @ design point", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {"Fan curve eff. @ Peak eff. point", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {"Fan curve eff. @ Add .Peak eff. point", "", 1.0f, 100.0f, 10.0f, 68.0f},
    {"Fan curve eff. @ Control Curve Eff.", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {"Fan curve eff. @ Add. Control Curve", "", 1.0f, 100.0f, 10.0f, 76.5f},
    fromUnitRow("Design Point Flow"),
    fromUnitRow("Peak Eff Point Flow"),
    fromUnitRow("Add Eff Point Flow"),
    fromUnitRow("At Peak Pressure Flow"),
    fromUnitRow("Design Point Flow"),
    fromUnitRow("Add Curve Flow"),
    fromUnitRow("At Peak Pressure Pressure"),
    fromUnitRow("Design Point Pressure"),
    fromUnitRow("Add Curve Pressure"),
    fromUnitRow("Curve Start Point"),
    fromUnitRow("Curve End Point"),
    {"% Flow 100", "%", 1.0f, 100.0f, 1.0f, 100.0f},
    {"% Flow 90", "%", 1.0f, 100.0f, 1.0f, 90.0f},
    {"% Flow 80", "%", 1.0f, 100.0f, 1.0f, 80.0f},
    {"% Flow 70", "%", 1.0f, 100.0f, 1.0f, 70.0f},
    {"% Flow 60", "%", 1.0f, 100.0f, 1.0f, 60.0f},
    {"% Flow 50", "%", 1.0f, 100.0f, 1.0f, 50.0f},
    {"% Flow 40", "%", 1.0f, 100.0f, 1.0f, 40.0f},
    {"% Flow 30", "%", 1.0f, 100.0f, 1.0f, 30.0f},
    {"% Flow 20", "%", 1.0f, 100.0f, 1.0f, 20.0f},
    {"% Flow 10", "%", 1.0f, 100.0f, 1.0f, 10.0f},
    {"High Speed Eff", "%", 50.0f, 100.0f, 10.0f, 90.0f},
    {"Low Speed Eff", "%", 50.0f, 100.0f, 10.0f, 85.0f},
    {"Time at Full Speed", "%", 0.0f, 100.0f, 10.0f, 50.0f},
    {"Time at High Speed", "%", 0.0f, 100.0f, 10.0f, 50.0f},
    {"Fan curve eff. @ design point", "", 1.0f, 100.0f, 10.0f, 86.0f},
    fromUnitRow("Design Point Flow"),
    {"Time stopped", "%", 0.0f, 100.0f, 10.0f, 0.0f},
}};

// Limits and defaults of the pressure slots 20, 21, 23 and 55..57 in one pressure unit, in
// the column order of the unit tables. Slots 23 and 57 always start at 0.
struct PressureRow {
    const char* unit;
    float headMinimum, headMaximum, headDefault;  // slot 20
    float setpointMaximum, setpointDefault;       // slot 21
    float dropMaximum, dropDefault;               // slot 23
    float curveMaximum;                           // slots 55..57
    float peakDefault, designDefault, addDefault; // slots 55, 56, 57
    float raisedMinimum;                          // slots 21, 55 and 56
};

// Limits and defaults of the flow slots 49..54, 58, 59 and 75 in one flow unit; each starts
// at 0, and slots 52 and 58 default to 0.
struct FlowRow {
    const char* unit;
    float maximum;            // every flow slot but 53
    float curveMaximum;       // slot 53
    float designDefault;      // slots 49, 50 and 75
    float addDefault;         // slot 51
    float curveDesignDefault; // slot 53
    float endDefault;         // slots 54 and 59
};

// By FPU: in.wg, cm.wg, Pa, kPa, mBar.
constexpr std::array<PressureRow, maxFanPressureIndex + 1> fanPressureRows{{
    {"in.wg", 0.01f, 999.9f, 4.0f, 999.9f, 0.8f, 50.0f, 0.4f, 9000.0f, 4.8f, 4.0f, 0.0f, 0.0f},
    {"cm.wg", 0.01f, 2539.746f, 10.16f, 2539.746f, 2.032f, 127.0f, 1.016f, 22860.0f, 12.192f,
     10.16f, 0.0f, 0.0f},
    {"Pa", 0.01f, 249057.1f, 996.328f, 249057.1f, 199.2656f, 12454.1f, 99.6328f, 2241738.0f,
     1195.5936f, 996.328f, 0.0f, 0.0f},
    {"kPa", 0.01f, 249.0571f, 0.996328f, 249.0571f, 0.1992656f, 12.4541f, 0.0996328f, 2241.738f,
     1.1955936f, 0.996328f, 0.0f, 0.0f},
    {"mBar", 0.01f, 2490.5708f, 9.96328f, 2490.5708f, 1.992656f, 124.541f, 0.996328f, 22417.38f,
     11.955936f, 9.96328f, 0.0f, 0.0f},
}};

// By FFU: cfm, M3/min, M3/h, l/s, l/min, M3/s.
constexpr std::array<FlowRow, maxFanFlowIndex + 1> fanFlowRows{{
    {"cfm", 90000000.0f, 90000000.0f, 67596.0f, 33798.0f, 67596.0f, 135193.0f},
    {"M3/min", 2547000.0f, 2547000.0f, 1912.9668f, 956.4834f, 1912.9668f, 3825.962f},
    {"M3/h", 152910000.0f, 90000000.0f, 114845.6f, 57422.8f, 114845.6f, 229692.9f},
    {"l/s", 42471000.0f, 42471000.0f, 31898.553f, 15949.276f, 31898.553f, 63797.58f},
    {"l/min", 2548512000.0f, 2548512000.0f, 1914102.375f, 957051.1875f, 1914102.375f, 3828233.25f},
    {"M3/s", 42475.266f, 90000000.0f, 31.901756f, 15.950878f, 31.901756f, 63.803986f},
}};

// By PPU: PSI, ft.wg, m.wg, kPa, MPa, Bar. MPa has its own limits rather than the
// converted ft.wg row.
constexpr std::array<PressureRow, maxPumpPressureIndex + 1> pumpPressureRows{{
    {"PSI", 0.01f, 433.48416f, 1.73411f, 433.48416f, 0.346822f, 21.676374f, 0.173411f, 3901.7476f,
     2.080932f, 1.73411f, 0.0f, 0.0f},
    {"ft.wg", 0.01f, 999.9f, 4.0f, 999.9f, 0.8f, 50.0f, 0.4f, 9000.0f, 4.8f, 4.0f, 0.0f, 0.0f},
    {"m.wg", 0.01f, 304.8475f, 1.219512f, 304.8475f, 0.2439024f, 15.2439f, 0.1219512f, 2743.902f,
     1.4634144f, 1.219512f, 0.0f, 0.0f},
    {"kPa", 0.01f, 2985.7815f, 11.94432f, 2985.7815f, 2.388864f, 149.304f, 1.194432f, 26874.72f,
     14.333184f, 11.94432f, 0.0f, 0.0f},
    {"MPa", 0.5f, 10.0f, 2.0f, 10.0f, 0.5f, 10.0f, 0.0f, 10.0f, 2.0f, 1.0f, 0.0f, 0.5f},
    {"Bar", 0.01f, 29.857815f, 0.1194432f, 29.857815f, 0.02388864f, 1.49304f, 0.01194432f,
     268.7472f, 0.14333184f, 0.1194432f, 0.0f, 0.0f},
}};

// By PFU: GPM, M3/min, M3/h, l/s, l/min.
constexpr std::array<FlowRow, maxPumpFlowIndex + 1> pumpFlowRows{{
    {"GPM", 90000000.0f, 90000000.0f, 42075.0f, 21037.0f, 42169.0f, 84338.0f},
    {"M3/min", 342000.0f, 342000.0f, 159.885f, 79.9406f, 160.2422f, 320.4844f},
    {"M3/h", 20439000.0f, 20439000.0f, 9555.232f, 4777.503f, 9576.58f, 19153.16f},
    {"l/s", 5679000.0f, 5679000.0f, 2654.9326f, 1327.4347f, 2660.864f, 5321.728f},
    {"l/min", 340676992.0f, 340676992.0f, 159266.5f, 79631.36f, 159622.3125f, 319244.625f},
}};

using Table = std::array<SlotDefinition, parameterTableSlots>;

void setLimits(Table& table, int slot, const char* unit, float minimum, float maximum,
               float defaultValue) {
    SlotDefinition& definition = table[slot - 1];
    definition.unit = unit;
    definition.minimum = minimum;
    definition.maximum = maximum;
    definition.defaultValue = defaultValue;
}

void applyPressureRow(Table& table, const PressureRow& row) {
    setLimits(table, 20, row.unit, row.headMinimum, row.headMaximum, row.headDefault);
    setLimits(table, 21, row.unit, row.raisedMinimum, row.setpointMaximum, row.setpointDefault);
    setLimits(table, 23, row.unit, 0.0f, row.dropMaximum, row.dropDefault);
    setLimits(table, 55, row.unit, row.raisedMinimum, row.curveMaximum, row.peakDefault);
    setLimits(table, 56, row.unit, row.raisedMinimum, row.curveMaximum, row.designDefault);
    setLimits(table, 57, row.unit, 0.0f, row.curveMaximum, row.addDefault);
}

void applyFlowRow(Table& table, const FlowRow& row) {
    setLimits(table, 49, row.unit, 0.0f, row.maximum, row.designDefault);
    setLimits(table, 50, row.unit, 0.0f, row.maximum, row.designDefault);
    setLimits(table, 51, row.unit, 0.0f, row.maximum, row.addDefault);
    setLimits(table, 52, row.unit, 0.0f, row.maximum, 0.0f);
    setLimits(table, 53, row.unit, 0.0f, row.curveMaximum, row.curveDesignDefault);
    setLimits(table, 54, row.unit, 0.0f, row.maximum, row.endDefault);
    setLimits(table, 58, row.unit, 0.0f, row.maximum, 0.0f);
    setLimits(table, 59, row.unit, 0.0f, row.maximum, row.endDefault);
    setLimits(table, 75, row.unit, 0.0f, row.maximum, row.designDefault);
}

// Before any application is chosen the design and curve flows start at 1 and the curve
// pressures at 0.
void applyStartupExceptions(Table& table) {
    for (int slot : {49, 50, 51, 59, 75})
        table[slot - 1].minimum = 1.0f;
    for (int slot : {55, 56})
        table[slot - 1].defaultValue = 0.0f;
}

} // namespace

void DefineParameterTable(ParameterRegistry& registry, bool redefine, Application application,
                          const UnitSettings& units) {
    Table table = baseTable;
    if (!redefine) {
        applyPressureRow(table, fanPressureRows[0]);
        applyFlowRow(table, fanFlowRows[0]);
        applyStartupExceptions(table);
    } else if (application == Application::Fan) {
        applyPressureRow(table,
                         fanPressureRows[indexInRange(units.fanPressure, maxFanPressureIndex)]);
        applyFlowRow(table, fanFlowRows[indexInRange(units.fanFlow, maxFanFlowIndex)]);
    } else if (application == Application::Pump) {
        applyPressureRow(table,
                         pumpPressureRows[indexInRange(units.pumpPressure, maxPumpPressureIndex)]);
        applyFlowRow(table, pumpFlowRows[indexInRange(units.pumpFlow, maxPumpFlowIndex)]);
    } else {
        return;
    }

    for (int slot = 1; slot <= parameterTableSlots; ++slot) {
        const SlotDefinition& definition = table[slot - 1];
        registry.DefineParameter(slot, 'A', '1', redefine, 0, definition.step, definition.maximum,
                                 definition.minimum, definition.defaultValue,
                                 QString::fromLatin1(definition.unit),
                                 QString::fromLatin1(definition.name), slot);
    }
}

} // namespace wattmere
