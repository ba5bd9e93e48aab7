#pragma once
// A fan or pump analysis as a new analysis leaves it, with the required system data filled in
// and the default fan curve in the calculation state, and the three calculation steps that
// read it: the duty cycle, the energy calculation and the costs.

#include "app/CostStep.h"
#include "app/DutyCycleStep.h"
#include "app/EnergyStep.h"
#include "app/FieldBinding.h"
#include "app/ScriptedPrompter.h"

namespace wattmere::testing {

// The steps under test start every calculation themselves.
struct IdleHooks : RecalculationHooks {
    void computeDutyCycle() override {}
    void CompleteDesignPoint() override {}
    void RecalculateAll() override {}
    void computeCostTotals() override {}
};

struct StepFixture {
    ScriptedPrompter prompter;
    AnalysisModel model{prompter};
    IdleHooks hooks;
    FieldBinding binding{model, hooks};
    CalculationState state;
    DutyCycleStep duty{model, state};
    EnergyStep energy{model, state};
    CostStep costs{model, state};

    explicit StepFixture(Application application = Application::Fan,
                         const UnitSettings& units = {}) {
        model.setSeparators(separatorsForNotation(1));
        model.setUnits(units);
        model.setApplication(application);
        model.defineParameterTable(false);
        model.defineParameterTable(true);
        binding.set_fieldsA(TransferMode::ShowDefaults);
        window().setChecked(Choice::S1, true);
        window().setChecked(application == Application::Fan ? Choice::R5 : Choice::R4, true);
        window().setText(Field::A104, "0.10");
        window().setText(Field::A105, "50.0");
        window().setText(Field::A109, "15000");
        window().setText(Field::A122, "50.0");
        window().setText(Field::A125, "50.0");
        window().setText(Field::A175, "68,391.50");
        if (application == Application::Pump) {
            window().setText(Field::A120, "4.00");
            window().setText(Field::A121, "0.80");
            window().setText(Field::A123, "0.40");
        }
        setDefaultCurve();
    }

    WindowState& window() { return model.window(); }
    const CalculationState& results() const { return state; }
    QString caption(Label id) { return window().caption(id); }

    // The default curve of a fan: design head 4, static set point 0.8, removed drop 0.4,
    // 86 % peak efficiency at the design flow and 68.8 % at half of it, no start flow. The
    // design flow passes 50 HP at 86 %: 68391.5 cfm for a fan, 42570 GPM for a pump.
    void setDefaultCurve() {
        const double designFlow = model.powerConstant() * 0.86 * 50.0 / 4.0;
        CurveState& curve = state.Curve;
        curve.DesignHead = 4.0;
        curve.StaticHead = 0.8;
        curve.RemovedPressureDrop = 0.4;
        curve.DesignFlow = designFlow;
        curve.DesignEfficiency = 0.86;
        curve.ShaftPower = 50.0;
        curve.PeakEfficiency = 0.86;
        curve.PeakEfficiencyFlow = designFlow;
        curve.AddEfficiency = 0.688;
        curve.AddEfficiencyFlow = designFlow / 2.0;
        curve.CurveStartFlow = 0.0;
        curve.StartFlowRatio = 0.0;
        curve.Coefficients = {-0.1, -0.1, 0.0, 1.2};
        curve.Quadratic = {-0.4, 0.2, 1.2};
        curve.Horizontal = true;
        curve.FanTable.build(curve.DesignHead, curve.DesignFlow, curve.Coefficients, true);
        curve.Surge.rebuild(curve.FanTable, 0.0, curve.DesignFlow, curve.DesignHead,
                            Application::Fan);
    }

    // Moves the curve's start point (and with it the surge line) to a share of design flow.
    void setStartFlow(double ratio) {
        CurveState& curve = state.Curve;
        curve.CurveStartFlow = ratio * curve.DesignFlow;
        curve.StartFlowRatio = ratio;
        curve.Surge.rebuild(curve.FanTable, ratio, curve.DesignFlow, curve.DesignHead,
                            model.application());
    }

    // The duty cycle and the energy calculation, as the recalculation runs them.
    void calculate() {
        duty.compute();
        energy.run();
    }
};

} // namespace wattmere::testing
