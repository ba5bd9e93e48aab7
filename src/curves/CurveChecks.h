#pragma once
// The consistency checks of the advanced curve data over the parsed entries: which check
// fails, the message it reports, and the entries it rewrites. The caller formats and writes
// the rewrites and shows the messages.

#include <QString>

#include <optional>

namespace wattmere {

// EndBelowDesign is the end-flow check that reports and repairs but never stops the checks;
// A ... I are the curve point checks and J ... Q the efficiency point checks, in their order.
enum class CurveCheck { None, EndBelowDesign, A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q };

// "IDS_10", "IDS_60" ... "IDS_76"; empty for None.
QString curveCheckMessageKey(CurveCheck check);

// Whether the message goes into the note line of the panel; N's shows only as a dialog.
bool curveCheckShowsNote(CurveCheck check);

// Whether the message is a dialog even when the caller asked for none (EndBelowDesign).
bool curveCheckAlwaysShowsDialog(CurveCheck check);

struct CurveCheckEntries {
    // Flows and heads of the curve points as entered (user's units). The design point flow Qd
    // is the entry of A149: the checks copy its text into A153 before they start.
    double point1Flow = 0.0;     // Q1, A152
    double point2Flow = 0.0;     // Q2, A154
    double point1Head = 0.0;     // P1, A155
    double designHead = 0.0;     // Pd, A156
    double point2Head = 0.0;     // P2, A157
    bool curveFlowEmpty = false; // A152, A149 (thus A153) or A154 is empty

    // Efficiency points as entered: percent and flow (user's units).
    double designEfficiency = 0.0; // Ed, A144
    double peakEfficiency = 0.0;   // Ep, A145
    double addEfficiency = 0.0;    // Ea, A146
    double designFlow = 0.0;       // Fd, A149 (also Qd)
    double peakFlow = 0.0;         // Fp, A150
    double addFlow = 0.0;          // Fa, A151
    double endFlow = 0.0;          // A159

    bool horizontal = true;               // HORIZ
    bool flowGiven = true;                // LOCKA149 checked; otherwise efficiency-given
    bool designEfficiencyEnabled = false; // A144 enabled

    // For the efficiency the design flow implies (base units, power in HP).
    double designFlowBase = 0.0;   // Fd converted
    double powerConstant = 0.0;    // 6362 or 3960
    double shaftPower = 0.0;       // HP
    double designHeadBase = 0.0;   // DesignHead
    double systemEfficiency = 0.0; // A174, percent: taken while A144 is disabled
};

// Entries the checks rewrite; unset ones stay as they are.
struct CurveCheckRewrites {
    std::optional<double> endFlow;          // A159, user's units, two decimals
    std::optional<double> startFlow;        // A158, user's units ("0")
    std::optional<double> designEfficiency; // A144, percent, one decimal
    std::optional<double> peakEfficiency;   // A145, percent, one decimal
    std::optional<double> addEfficiency;    // A146, percent, one decimal
    std::optional<double> designFlowBase;   // A149 in base units rounded to two decimals; the
                                            // caller converts it to the user's flow unit

    bool operator==(const CurveCheckRewrites&) const = default;
};

struct CurveCheckResult {
    bool valid = true;
    // The end flow lay below the design flow: its message is reported first, A159 and A158
    // are rewritten, and the checks went on.
    bool endFlowReset = false;
    // The check that ended the checks with its message; K may end them and still leave the
    // data valid (the design efficiency implied by the flow is within the peak efficiency).
    CurveCheck check = CurveCheck::None;
    CurveCheckRewrites rewrites;
};

// Runs the end-flow check, then the first failing one of the curve point and efficiency point
// checks. Comparisons of entered values are made on the entries as they stand; an efficiency
// computed from the flow is compared with an entry in whole tenths of a percent.
CurveCheckResult checkCurveData(const CurveCheckEntries& entries);

} // namespace wattmere
