#include "app/AnalysisModel.h"

#include "core/FatalError.h"
#include "params/ParameterTable.h"
#include "units/UnitTables.h"

namespace wattmere {

AnalysisModel::AnalysisModel(Prompter& prompter)
    : m_prompter(prompter), m_strings(analysisWindowTexts()), m_words(wordLabelTexts()) {}

void AnalysisModel::setLanguage(Language language) {
    m_strings.setLanguage(language);
    m_words.setLanguage(language);
}

void AnalysisModel::defineParameterTable(bool redefine) {
    DefineParameterTable(m_registry, redefine, m_application, m_units);
    AssignFieldTags(m_registry, *this);
    if (!redefine || m_application == Application::None)
        return;
    const QString currency = currencySymbol(m_units);
    for (Label id : {Label::A104Ext, Label::A109Ext})
        m_window.setCaption(id, currency);
    for (int i = indexOf(Label::A126Ext); i <= indexOf(Label::A143Ext); ++i)
        m_window.setCaption(static_cast<Label>(i), currency);
    m_window.setCaption(Label::A108Ext, currencyPerPowerText(m_units));
    for (Label id : {Label::A105Ext, Label::A122Ext, Label::A125Ext})
        m_window.setCaption(id, powerUnitText(m_units));
}

void AnalysisModel::refreshUnitLabels() {
    if (m_application == Application::None)
        return;
    const QString pressure = activeCaption(Quantity::Pressure, m_application, m_units);
    for (Label id : {Label::A120Ext, Label::A121Ext, Label::A123Ext, Label::A155Ext, Label::A156Ext,
                     Label::A157Ext})
        m_window.setCaption(id, pressure);
    const QString flow = activeCaption(Quantity::Flow, m_application, m_units);
    for (Label id : {Label::A149Ext, Label::A150Ext, Label::A151Ext, Label::A152Ext, Label::A153Ext,
                     Label::A154Ext, Label::A158Ext, Label::A159Ext, Label::A175Ext})
        m_window.setCaption(id, flow);
    for (Label id : {Label::A105Ext, Label::A122Ext, Label::A125Ext})
        m_window.setCaption(id, powerUnitText(m_units));
    const QString currency = currencySymbol(m_units);
    m_window.setCaption(Label::A104Ext, currency);
    m_window.setCaption(Label::A109Ext, currency);
    m_window.setCaption(Label::A108Ext, currencyPerPowerText(m_units));
    m_window.setCaption(Choice::G2,
                        word(isFan() ? "Chart_Selection_FanCurve" : "Chart_Selection_PumpCurve"));
}

double AnalysisModel::toDisplay(Quantity quantity, double baseValue) const {
    return fromBase(quantity, baseValue, m_application, m_units);
}

double AnalysisModel::toBaseUnits(Quantity quantity, double displayValue) const {
    return toBase(quantity, displayValue, m_application, m_units);
}

double AnalysisModel::base(Field id, Quantity quantity) const {
    return toBaseUnits(quantity, number(id));
}

void AnalysisModel::writeNumber(Field id, double value, int decimals) {
    m_window.setText(id, m_numbers.FormatDecimals(value, decimals));
}

void AnalysisModel::writeBase(Field id, Quantity quantity, double baseValue, int decimals) {
    writeNumber(id, toDisplay(quantity, baseValue), decimals);
}

ParameterRecord& AnalysisModel::slotOf(Field id) {
    ParameterRecord* record = m_registry.live(m_window.field(id).tag);
    if (record == nullptr)
        raiseFatalError(QStringLiteral("LIST TAG NUMBER = 0"));
    return *record;
}

void AnalysisModel::inform(const char* key) {
    ask(key, PromptKind::Information, PromptButtons::Ok);
}

PromptAnswer AnalysisModel::ask(const char* key, PromptKind kind, PromptButtons buttons) {
    return m_prompter.ask({kind, QString::fromLatin1(key), text(key), buttons});
}

void AnalysisModel::showCurveNote(const QString& text) {
    const bool show = !text.isEmpty();
    m_window.setCaption(Label::NOTE2, text);
    m_window.setVisible(Label::NOTE1, show);
    m_window.setVisible(Label::NOTE2, show);
    m_window.setVisible(Panel::BEVELNOTE, show);
}

void AnalysisModel::ResetDesignState() {
    m_designMemory = DesignMemory{};
    m_window.editFlags().defaultsPending = true;
    const Series curveSeries[] = {
        Series::PointSeries1, Series::PointSeries2, Series::PointSeries1A, Series::PointSeries2A,
        Series::PointSeries3, Series::PointSeries4, Series::PointSeries5,  Series::PointSeries5A,
        Series::SurgeSeries1, Series::SurgeSeries2, Series::SurgeSeries3,  Series::SurgeSeries4};
    for (Series id : curveSeries) {
        SeriesState& series = m_window.editSeries(id);
        series.points.clear();
        if (id == Series::SurgeSeries1 || id == Series::SurgeSeries2 ||
            id == Series::SurgeSeries3 || id == Series::SurgeSeries4)
            series.active = false;
        m_window.seriesEdited(id);
    }
}

void AnalysisModel::setFieldTag(const QString& field, int slotNumber) {
    if (const std::optional<Field> id = fieldByName(field))
        m_window.setTag(*id, slotNumber);
}

void AnalysisModel::setUnitLabel(const QString& label, const QString& text) {
    if (const std::optional<Label> id = labelByName(label))
        m_window.setCaption(*id, text);
}

} // namespace wattmere
