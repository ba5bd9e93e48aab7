#pragma once
// The readable summary of one analysis: design point, hours, and every comparison system side
// by side with the drive.

#include "app/Analysis.h"

#include <QString>

namespace wattmere {

QString analysisToText(const Analysis& analysis, const QString& title);

} // namespace wattmere
