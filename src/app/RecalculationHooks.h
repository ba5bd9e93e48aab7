#pragma once
// The calculation steps that the field handlers start after a check: a small interface so that
// the handlers of the entry fields do not depend on the whole calculation chain.

namespace wattmere {

class RecalculationHooks {
public:
    virtual ~RecalculationHooks() = default;
    virtual void computeDutyCycle() = 0;
    virtual void CompleteDesignPoint() = 0;
    virtual void RecalculateAll() = 0;
    virtual void computeCostTotals() = 0;
};

} // namespace wattmere
