#pragma once
// Binding of the entry fields to their parameter slots: each field named by a slot's tag
// ("A101" ... "A176") learns its slot number, and the pressure and flow fields' unit labels
// ("A120Ext" ...) receive the slot's unit text.

#include <QString>

#include <optional>

namespace wattmere {

class ParameterRegistry;
struct ParameterRecord;

// Where the tags and unit texts go; the analysis model holds the fields and labels.
class FieldTagSink {
public:
    virtual ~FieldTagSink() = default;
    virtual void setFieldTag(const QString& field, int slotNumber) = 0;
    virtual void setUnitLabel(const QString& label, const QString& text) = 0;
};

// The entry field of a slot of group "A1": its tag for orders 1..23 and 25..76. Order 24 has
// no field; other letters, groups and orders name none either.
std::optional<QString> fieldNameOfSlot(const ParameterRecord& record);

// The unit label of a slot of group "A1" whose unit text is shown beside its field
// ("A120Ext", "A121Ext", "A123Ext", "A149Ext" ... "A159Ext"), else none.
std::optional<QString> unitLabelOfSlot(const ParameterRecord& record);

// Tags every field with its slot number, then fills the unit labels, both in slot order over
// the defined slots of the live table. An order number without a field is a fault of the
// built-in table and goes to raiseFatalError.
void AssignFieldTags(const ParameterRegistry& registry, FieldTagSink& sink);

} // namespace wattmere
