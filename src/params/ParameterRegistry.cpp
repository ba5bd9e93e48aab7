#include "params/ParameterRegistry.h"

#include "core/FatalError.h"

namespace wattmere {

namespace {

[[noreturn]] void definitionError(const char* message, int slotNumber) {
    raiseFatalError(QLatin1String(message) + QString::number(slotNumber));
}

} // namespace

void ParameterRegistry::DefineParameter(int slotNumber, char tagLetter, char tagGroup,
                                        bool redefine, int editKind, float step, float maximum,
                                        float minimum, float defaultValue, const QString& unitText,
                                        const QString& name, int orderNumber) {
    if (!redefine)
        ++m_count;
    if (m_count > parameterSlotCapacity)
        raiseFatalError(QStringLiteral("Maximum number of parameters exceeded !"));

    // A slot outside the tables, a second first definition or a redefinition of a slot that
    // was never defined would write through a missing or replaced record.
    if (slotNumber < 1 || slotNumber > parameterSlotCapacity)
        definitionError("PARAMETER SLOT OUT OF RANGE LIST NO. :", slotNumber);
    const int index = slotNumber - 1;
    const bool allocated = m_live[index] != nullptr;
    if (!redefine && allocated)
        definitionError("PARAMETER ALREADY DEFINED LIST NO. :", slotNumber);
    if (redefine && !allocated)
        definitionError("PARAMETER NOT DEFINED LIST NO. :", slotNumber);

    if (!redefine) {
        m_live[index] = std::make_unique<ParameterRecord>();
        m_shadow[index] = std::make_unique<ParameterRecord>();
    }

    // Written as negations so that a NaN limit fails the test as well.
    if (!(minimum < maximum))
        definitionError("PARAMETER LIST ERROR MIN>=MAX LIST NO. :", slotNumber);
    if (step == 0.0f)
        definitionError("RANGE STEP LIST ERROR LIST NO. :", slotNumber);
    if (!(step >= 1.0f))
        definitionError("RANGE STEP LIST ERROR LIST < 1 NO. :", slotNumber);
    if (!(defaultValue >= minimum && defaultValue <= maximum))
        definitionError("DEFAULT VALUE VF not in Range LIST NO :", slotNumber);
    if (editKind != 0 && editKind != 1)
        definitionError("EDIT TYPE is not 0/1 LIST NO :", slotNumber);

    ParameterRecord definition;
    definition.slotNumber = static_cast<quint16>(slotNumber);
    definition.tagLetter = tagLetter;
    definition.tagGroup = tagGroup;
    definition.orderNumber = static_cast<quint16>(orderNumber);
    definition.name = name.left(maxParameterNameLength);
    definition.unitText = unitText.left(maxParameterUnitLength);
    definition.defaultValue = defaultValue;
    definition.currentValue = defaultValue;
    definition.minimum = minimum;
    definition.maximum = maximum;
    definition.step = step;
    definition.editKind = static_cast<quint8>(editKind);

    *m_live[index] = definition;
    *m_shadow[index] = definition;
}

ParameterRecord* ParameterRegistry::recordOf(const Table& table, int slotNumber) {
    if (slotNumber < 1 || slotNumber > parameterSlotCapacity)
        return nullptr;
    return table[slotNumber - 1].get();
}

ParameterRecord* ParameterRegistry::live(int slotNumber) {
    return recordOf(m_live, slotNumber);
}

const ParameterRecord* ParameterRegistry::live(int slotNumber) const {
    return recordOf(m_live, slotNumber);
}

ParameterRecord* ParameterRegistry::shadow(int slotNumber) {
    return recordOf(m_shadow, slotNumber);
}

const ParameterRecord* ParameterRegistry::shadow(int slotNumber) const {
    return recordOf(m_shadow, slotNumber);
}

} // namespace wattmere
