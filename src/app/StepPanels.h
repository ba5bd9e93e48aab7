#pragma once
// The panels that share the place of the system data step: the system data, the duty cycle
// and the advanced curve data, with the advanced panel's zoomed chart lying over it. Each
// switch leaves exactly one of the three showing and the zoomed chart closed.

#include "app/WindowState.h"

namespace wattmere {

void showSystemDataPanel(WindowState& window);
void showDutyCyclePanel(WindowState& window);
void showAdvancedPanel(WindowState& window);

} // namespace wattmere
