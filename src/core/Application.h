#pragma once
// The application an analysis is made for. None means no analysis is running.

namespace wattmere {

enum class Application { None, Fan, Pump };

} // namespace wattmere
