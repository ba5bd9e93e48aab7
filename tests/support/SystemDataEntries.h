#pragma once
// The system data a user types on step 2 in the headless sessions of the tests, so that every
// session that needs a complete fan or pump analysis types the same, known design point.

#include "app/Workflow.h"

namespace wattmere::testing {

// A fan of design head 4 in.wg (the default), 50 HP shaft power at 86 % (design flow
// 68,391.50 cfm) on a 60 HP motor and drive.
inline void typeFanSystemData(Workflow& workflow) {
    workflow.enterField(Field::A104, QStringLiteral("0.10"));
    workflow.enterField(Field::A105, QStringLiteral("60"));
    workflow.enterField(Field::A109, QStringLiteral("15000"));
    workflow.enterField(Field::A125, QStringLiteral("60"));
    workflow.enterField(Field::A122, QStringLiteral("50"));
}

// A pump of 100 design head and 20 static head (1,584.00 GPM when the heads are in ft.wg),
// 50 HP at 80 % on a 60 HP motor and drive.
inline void typePumpSystemData(Workflow& workflow) {
    workflow.enterField(Field::A104, QStringLiteral("0.10"));
    workflow.enterField(Field::A105, QStringLiteral("60"));
    workflow.enterField(Field::A109, QStringLiteral("15000"));
    workflow.enterField(Field::A125, QStringLiteral("60"));
    workflow.enterField(Field::A120, QStringLiteral("100"));
    workflow.enterField(Field::A121, QStringLiteral("20"));
    workflow.enterField(Field::A123, QStringLiteral("0"));
    workflow.enterField(Field::A174, QStringLiteral("80"));
    workflow.enterField(Field::A122, QStringLiteral("50"));
}

} // namespace wattmere::testing
