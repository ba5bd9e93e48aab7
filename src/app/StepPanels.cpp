#include "app/StepPanels.h"

namespace wattmere {

namespace {

void showOnly(WindowState& window, Panel shown) {
    for (Panel id : {Panel::Step2, Panel::DutyCyclePanel, Panel::FanAdvanced, Panel::ADVANCEDGRAPH})
        window.setVisible(id, id == shown);
}

} // namespace

void showSystemDataPanel(WindowState& window) {
    showOnly(window, Panel::Step2);
}

void showDutyCyclePanel(WindowState& window) {
    showOnly(window, Panel::DutyCyclePanel);
}

void showAdvancedPanel(WindowState& window) {
    showOnly(window, Panel::FanAdvanced);
}

} // namespace wattmere
