#pragma once
// The ten-row columns of the duty cycle and results pages: their labels and entry fields are
// declared from the 100 % row down to the 10 % row, so band k (1 = 10 %) is found by offset.

#include "app/ModelTypes.h"
#include "calc/SystemResult.h"

namespace wattmere {

// The row of band k (1 ... 10) in the column whose first member is the 100 % row; band k is
// also the row of the nominal flow 10 x k %.
constexpr Label bandRow(Label top, int band) {
    return static_cast<Label>(indexOf(top) + bandCount - band);
}
constexpr Field bandRow(Field top, int band) {
    return static_cast<Field>(indexOf(top) + bandCount - band);
}

} // namespace wattmere
