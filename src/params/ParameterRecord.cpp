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

QString tagText(char letter, char group, int orderNumber) {
    if (orderNumber < 0 || orderNumber > 99)
        return QString(QLatin1Char(letter)) + QLatin1Char(group) + QString::number(orderNumber);
    const char text[] = {letter, group, static_cast<char>('0' + orderNumber / 10),
                         static_cast<char>('0' + orderNumber % 10)};
    return QString::fromLatin1(text, 4);
}

} // namespace wattmere
