#include "params/KeyFilters.h"

namespace wattmere {

namespace {

constexpr char16_t backspace = 8;

// The order number nn of a parameter field named "A1nn", or -1 for any other name.
int parameterOrderNumber(QStringView controlName) {
    if (controlName.size() != 4 || !controlName.startsWith(u"A1"))
        return -1;
    const QChar tens = controlName[2];
    const QChar ones = controlName[3];
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
        return -1;
    return (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

bool isNumericField(int orderNumber) {
    // A101-A123 and A125, then the curve data A144-A159 followed by A160-A176.
    return (orderNumber >= 1 && orderNumber <= 23) || orderNumber == 25 ||
           (orderNumber >= 44 && orderNumber <= 76);
}

} // namespace

bool numericKeyAccepted(QChar key, const SeparatorPair& separators) {
    return key == QChar(backspace) || (key >= u'0' && key <= u'9') || key == separators.decimal ||
           key == separators.thousands;
}

bool projectNameKeyAccepted(QChar key) {
    return !QStringView(u"\"*/:<>?\\|").contains(key);
}

bool keyAccepted(KeyFilter filter, QChar key, const SeparatorPair& separators) {
    switch (filter) {
    case KeyFilter::Numeric:
        return numericKeyAccepted(key, separators);
    case KeyFilter::ProjectName:
        return projectNameKeyAccepted(key);
    case KeyFilter::None:
        break;
    }
    return true;
}

KeyFilter keyFilterForField(QStringView controlName) {
    if (controlName == u"QNUM" || controlName == u"QNUM1")
        return KeyFilter::ProjectName;
    if (controlName == u"A102A" || isNumericField(parameterOrderNumber(controlName)))
        return KeyFilter::Numeric;
    return KeyFilter::None;
}

} // namespace wattmere
