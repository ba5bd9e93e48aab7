#pragma once
// The results of one analysis as one line of compact JSON: the application and units, every
// entry field, the duty cycle, the design point and fitted curve, each system's powers, limits
// and energies, the costs and payback, the main labels and the messages the program showed.

#include "app/Analysis.h"

#include <QByteArray>
#include <QList>

namespace wattmere {

QByteArray analysisToJson(const Analysis& analysis, const QList<PromptMessage>& messages);

} // namespace wattmere
