#include "params/FieldTags.h"

#include "core/FatalError.h"
#include "params/ParameterRecord.h"
#include "params/ParameterRegistry.h"
#include "params/ParameterTable.h"

namespace wattmere {

namespace {

// The slot that has a value in the table but no entry field on the window.
constexpr int orderWithoutField = 24;

bool inFieldGroup(const ParameterRecord& record) {
    return record.tagLetter == 'A' && record.tagGroup == '1';
}

bool hasFieldOrder(int order) {
    return order >= 1 && order <= parameterTableSlots;
}

bool hasUnitLabel(int order) {
    return order == 20 || order == 21 || order == 23 || (order >= 49 && order <= 59);
}

} // namespace

std::optional<QString> fieldNameOfSlot(const ParameterRecord& record) {
    const int order = record.orderNumber;
    if (!inFieldGroup(record) || !hasFieldOrder(order) || order == orderWithoutField)
        return std::nullopt;
    return record.tag();
}

std::optional<QString> unitLabelOfSlot(const ParameterRecord& record) {
    if (!inFieldGroup(record) || !hasUnitLabel(record.orderNumber))
        return std::nullopt;
    return record.tag() + QStringLiteral("Ext");
}

void AssignFieldTags(const ParameterRegistry& registry, FieldTagSink& sink) {
    for (int slot = 1; slot <= registry.count(); ++slot) {
        const ParameterRecord* record = registry.live(slot);
        if (!record || !inFieldGroup(*record))
            continue;
        if (!hasFieldOrder(record->orderNumber))
            raiseFatalError(QStringLiteral("TAG NUMBER A1 NOT FOUND! ") +
                            QString::number(record->orderNumber));
        if (const auto field = fieldNameOfSlot(*record))
            sink.setFieldTag(*field, slot);
    }

    for (int slot = 1; slot <= registry.count(); ++slot) {
        const ParameterRecord* record = registry.live(slot);
        if (!record || !inFieldGroup(*record))
            continue;
        if (!hasFieldOrder(record->orderNumber))
            raiseFatalError(QStringLiteral("TAG NUMBER A1 EXT NOT FOUND! ") +
                            QString::number(record->orderNumber));
        if (const auto label = unitLabelOfSlot(*record))
            sink.setUnitLabel(*label, record->unitText);
    }
}

} // namespace wattmere
