#pragma once
// One analysis, headless: the analysis window's model with its field binding and calculation
// steps, and the recalculation driver that runs them in order. Views and scripts call its
// handlers the way a user's actions would.

#include "app/AnalysisModel.h"
#include "app/CalculationState.h"
#include "app/CostStep.h"
#include "app/CurveStep.h"
#include "app/DutyCycleStep.h"
#include "app/EnergyStep.h"
#include "app/FieldBinding.h"
#include "app/RecalculationHooks.h"

namespace wattmere {

class Analysis : public RecalculationHooks {
public:
    explicit Analysis(Prompter& prompter);

    AnalysisModel& model() { return m_model; }
    const AnalysisModel& model() const { return m_model; }
    WindowState& window() { return m_model.window(); }
    const WindowState& window() const { return m_model.window(); }
    const CalculationState& results() const { return m_state; }
    FieldBinding& binding() { return m_binding; }
    CurveStep& curves() { return m_curves; }
    EnergyStep& energy() { return m_energy; }
    CostStep& costs() { return m_costs; }

    // The window's creation and first showing: the start-up parameter table bound to the
    // fields, the defaults shown, the known-value selection applied.
    void create();

    // The part of a new fan or pump analysis that sets up the model: the parameter table for
    // the application and the current units, the defaults in the fields, the design state
    // reset, the application's captions and comparison system, and the first duty cycle.
    void setUpNewAnalysis(Application application);

    // True unless a field the system data step requires is empty.
    bool SystemDataComplete() const;

    // The recalculation driver.
    void RecalculateAll() override;
    void computeDutyCycle() override { m_dutyCycle.compute(); }
    void CompleteDesignPoint() override;
    void computeCostTotals() override { m_costs.computeCostTotals(); }

    // A user typing into a field and leaving it, and clicking a comparison system.
    void enterField(Field id, const QString& text);
    void clickComparison(Choice system);

    // The captions and chart titles of the running application (fan or pump): also set up
    // when an opened file brings its application.
    void applyApplicationCaptions();

private:
    AnalysisModel m_model;
    CalculationState m_state;
    FieldBinding m_binding;
    DutyCycleStep m_dutyCycle;
    CurveStep m_curves;
    EnergyStep m_energy;
    CostStep m_costs;

public:
    // The window's texts in another language: the string tables, the application's captions
    // and the unit labels.
    void switchLanguage(Language language);
};

} // namespace wattmere
