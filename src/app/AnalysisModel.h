#pragma once
// The analysis window's model: the window state, the parameter registry it is bound to, the
// unit and number settings of the running analysis, its string tables and the prompter that
// answers its dialogs, with the field access every calculation and handler goes through.

#include "app/Prompter.h"
#include "app/WindowState.h"
#include "core/Application.h"
#include "core/Language.h"
#include "params/FieldTags.h"
#include "params/NumberText.h"
#include "params/ParameterRegistry.h"
#include "settings/StringTable.h"
#include "units/UnitConversion.h"
#include "units/UnitSettings.h"

namespace wattmere {

// The design point as last seen on the system data step (-1 before any) and the texts of the
// coupled curve entries A145 and A150 when their coupling last ran.
struct DesignMemory {
    double head = -1.0;
    double shaftPower = -1.0;
    double flow = -1.0;
    double efficiency = -1.0;
    QString couplingA145;
    QString couplingA150;

    void clearCouplingTexts() {
        couplingA145.clear();
        couplingA150.clear();
    }
};

class AnalysisModel : public FieldTagSink {
public:
    explicit AnalysisModel(Prompter& prompter);

    WindowState& window() { return m_window; }
    const WindowState& window() const { return m_window; }
    ParameterRegistry& registry() { return m_registry; }
    const ParameterRegistry& registry() const { return m_registry; }
    Prompter& prompter() { return m_prompter; }

    Application application() const { return m_application; }
    void setApplication(Application application) { m_application = application; }
    bool isFan() const { return m_application == Application::Fan; }
    bool isPump() const { return m_application == Application::Pump; }
    double powerConstant() const { return wattmere::powerConstant(m_application); }

    const UnitSettings& units() const { return m_units; }
    void setUnits(const UnitSettings& units) { m_units = units; }
    const NumberText& numbers() const { return m_numbers; }
    void setSeparators(SeparatorPair separators) { m_numbers = NumberText(separators); }

    // The analysis window's own string table and its hidden word labels follow the window's
    // language together.
    void setLanguage(Language language);
    QString text(const char* key) const { return m_strings.lookUpText(QString::fromLatin1(key)); }
    QString word(const char* label) const { return m_words.lookUpText(QString::fromLatin1(label)); }

    // Defines the parameter table for the running application and units (start-up variant
    // when redefine is false), binds the fields to their slots and sets the currency and
    // power captions of the cost and system data steps.
    void defineParameterTable(bool redefine);
    // Writes the chosen unit captions into the unit labels; nothing without an application.
    void refreshUnitLabels();

    // Field texts as numbers: ParseNumber in its three forms, and a pressure, flow or power
    // field converted into base units.
    double number(Field id) const { return m_numbers.parseDouble(m_window.text(id)); }
    float single(Field id) const { return m_numbers.parseSingle(m_window.text(id)); }
    int whole(Field id) const { return m_numbers.parseInteger(m_window.text(id)); }
    double base(Field id, Quantity quantity) const;
    // Writes a value with d decimals and grouping; a base value is first converted to the
    // user's unit.
    void writeNumber(Field id, double value, int decimals);
    void writeBase(Field id, Quantity quantity, double baseValue, int decimals);
    double toDisplay(Quantity quantity, double baseValue) const;
    DisplayScale displayScale(Quantity quantity) const {
        return wattmere::displayScale(quantity, m_application, m_units);
    }
    double toBaseUnits(Quantity quantity, double displayValue) const;

    // The slot record a numeric field is bound to. An unbound field is a fault of the program
    // and stops it.
    ParameterRecord& slotOf(Field id);

    // An information message with one OK button, by string-table key.
    void inform(const char* key);
    PromptAnswer ask(const char* key, PromptKind kind, PromptButtons buttons);
    void beep() { m_prompter.beep(); }

    DesignMemory& designMemory() { return m_designMemory; }

    // The note line of the advanced curve panel: a text shows it, an empty text hides it.
    void showCurveNote(const QString& text);

    // Forgets the design point and the coupling texts, asks for default curve data at the
    // next recalculation and empties the curve charts.
    void ResetDesignState();

    // FieldTagSink: where AssignFieldTags puts the slot numbers and unit texts.
    void setFieldTag(const QString& field, int slotNumber) override;
    void setUnitLabel(const QString& label, const QString& text) override;

private:
    Prompter& m_prompter;
    WindowState m_window;
    ParameterRegistry m_registry;
    Application m_application = Application::None;
    UnitSettings m_units;
    NumberText m_numbers;
    StringTable m_strings;
    StringTable m_words;
    DesignMemory m_designMemory;
};

} // namespace wattmere
