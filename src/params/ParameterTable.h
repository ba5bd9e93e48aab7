#pragma once
// The program's 76 parameter slots and their variants by application and unit system, so
// that limits and defaults always stand in the units the user sees.

#include "core/Application.h"
#include "units/UnitSettings.h"

namespace wattmere {

class ParameterRegistry;

inline constexpr int parameterTableSlots = 76;

// Defines slots 1..76 in slot order. Without redefine: the start-up variant (fan, in.wg, cfm,
// with its own minimums and defaults), whatever the application. With redefine: the fan
// variant chosen by FPU and FFU, the pump variant chosen by PPU and PFU, or nothing when no
// application is active. An index outside its range counts as 0.
void DefineParameterTable(ParameterRegistry& registry, bool redefine, Application application,
                          const UnitSettings& units);

} // namespace wattmere
