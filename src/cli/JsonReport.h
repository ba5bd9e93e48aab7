#pragma once
// The results of one analysis as a JSON object: the application and units, every entry field,
// the duty cycle, the design point and fitted curve, each system's powers, limits and energies,
// the costs and payback, the main labels and the messages the program showed.

#include "app/Analysis.h"

#include <QJsonObject>
#include <QList>

namespace wattmere {

QJsonObject analysisToJson(const Analysis& analysis, const QList<PromptMessage>& messages);

} // namespace wattmere
