#pragma once
// The application an analysis is made for (None means no analysis is running) and the power
// constant that ties its flow, head and shaft power together.

namespace wattmere {

enum class Application { None, Fan, Pump };

inline constexpr double fanPowerConstant = 6362.0;  // cfm x in.wg / 6362 = HP
inline constexpr double pumpPowerConstant = 3960.0; // GPM x ft.wg / 3960 = HP

// "FAN" or "PUMP", the application type text of analysis files and reports; empty for none.
constexpr const char* applicationTypeText(Application application) {
    switch (application) {
    case Application::Fan:
        return "FAN";
    case Application::Pump:
        return "PUMP";
    case Application::None:
        break;
    }
    return "";
}

// The power constant of the design point relation: 6362 for a fan, 3960 for a pump, 0 when no
// analysis runs.
constexpr double powerConstant(Application application) {
    switch (application) {
    case Application::Fan:
        return fanPowerConstant;
    case Application::Pump:
        return pumpPowerConstant;
    case Application::None:
        break;
    }
    return 0.0;
}

} // namespace wattmere
