#pragma once
// The parameter registry: the live and the shadow table of parameter slots, addressed by slot
// number 1..300, and the one routine that defines a slot in both.

#include "params/ParameterRecord.h"

#include <array>
#include <memory>

namespace wattmere {

inline constexpr int parameterSlotCapacity = 300;

class ParameterRegistry {
public:
    // Writes one slot into the live and the shadow table; the current value becomes the
    // default. A first definition (redefine false) counts the slot and allocates its two
    // records; a redefinition rewrites the same records in place. A faulty definition is a
    // fault of the built-in table and goes to raiseFatalError.
    void DefineParameter(int slotNumber, char tagLetter, char tagGroup, bool redefine, int editKind,
                         float step, float maximum, float minimum, float defaultValue,
                         const QString& unitText, const QString& name, int orderNumber);

    // The record of a slot, or nullptr when the slot is outside 1..300 or not defined.
    ParameterRecord* live(int slotNumber);
    const ParameterRecord* live(int slotNumber) const;
    ParameterRecord* shadow(int slotNumber);
    const ParameterRecord* shadow(int slotNumber) const;

    // Number of defined slots; it never decreases.
    int count() const { return m_count; }

private:
    using Table = std::array<std::unique_ptr<ParameterRecord>, parameterSlotCapacity>;

    static ParameterRecord* recordOf(const Table& table, int slotNumber);

    Table m_live;
    Table m_shadow;
    int m_count = 0;
};

} // namespace wattmere
