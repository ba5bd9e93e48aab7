#include "params/ParameterRecord.h"

namespace wattmere {

int decimalsForStep(float step) {
    if (step > 1000.0f)
        return 4;
    if (step > 100.0f)
        return 3;
    if (step > 10.0f)
        return 2;
    if (step > 1.0f)
        return 1;
    return 0;
}

QString ParameterRecord::tag() const {
    return QString(QLatin1Char(tagLetter)) + QLatin1Char(tagGroup) +
           QStringLiteral("%1").arg(orderNumber, 2, 10, QLatin1Char('0'));
}

} // namespace wattmere
