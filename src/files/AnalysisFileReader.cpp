#include "files/AnalysisFileReader.h"

#include "app/AnalysisModel.h"
#include "files/AnalysisFileParser.h"
#include "settings/StringTable.h"

#include <QBuffer>
#include <QFile>

namespace wattmere {

namespace {

// The slot of the electricity cost, which the older layout holds in hundredths.
constexpr int electricityCostSlot = 4;
constexpr double olderCostDivisor = 100.0;
constexpr int designPointFlowOrder = 49;

bool matchesTag(const ParameterRecord& record, const ParameterLine& line) {
    return record.tagLetter == line.tagLetter && record.tagGroup == line.tagGroup &&
           record.orderNumber == line.orderNumber;
}

} // namespace

AnalysisFileReader::AnalysisFileReader(AnalysisModel& model, const StringTable& commonTexts)
    : m_model(model), m_common(commonTexts) {}

QString AnalysisFileReader::common(const char* key) const {
    return m_common.lookUpText(QString::fromLatin1(key));
}

bool AnalysisFileReader::ReadAnalysisFile(const QString& path, ReadMode mode,
                                          ReaderMessages& messages) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_aborted = false;
        m_contents = {};
        messages.ask(0, {PromptKind::Warning, {}, QString::fromLatin1(fileErrorText)});
        return false;
    }
    return read(file, mode, messages);
}

bool AnalysisFileReader::read(const QByteArray& bytes, ReadMode mode, ReaderMessages& messages) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, mode, messages);
}

bool AnalysisFileReader::read(QIODevice& device, ReadMode mode, ReaderMessages& messages) {
    if (!readLines(device, mode, messages))
        return false;
    if (const std::optional<QString> refusal = refusalOf(m_contents)) {
        messages.ask(0, {PromptKind::Error, *refusal, m_common.lookUpText(*refusal)});
        // A file of the older layout is applied even when it is refused.
        if (m_contents.olderLayout && mode == ReadMode::Apply)
            completeApply();
        return false;
    }
    if (mode == ReadMode::Probe)
        completeProbe();
    else
        completeApply();
    return true;
}

bool AnalysisFileReader::readLines(QIODevice& device, ReadMode mode, ReaderMessages& messages) {
    m_aborted = false;
    AnalysisFileParser parser;
    const LineReadStatus status = wattmere::readLines(device, [&](const QString& text) {
        const ParsedLine line = parser.feedLine(text);
        if (line.data && line.data->kind == ParameterLineKind::Malformed)
            askLine(
                line.lineCounter, PromptKind::Confirmation,
                [&] {
                    return common("IDS_8") + QString::number(line.lineCounter) +
                           QStringLiteral(" !");
                },
                messages, true);
        else if (line.data && line.data->kind == ParameterLineKind::Parameter &&
                 mode == ReadMode::Apply)
            applyParameter(line.lineCounter, line.data->line, messages);
        return !m_aborted;
    });
    m_contents = parser.contents();
    // What the open reads afterwards stays from an earlier read where this file is silent.
    if (m_contents.applicationCode)
        m_applicationCode = *m_contents.applicationCode;
    if (m_contents.systemDataSelection)
        m_systemDataSelection = *m_contents.systemDataSelection;
    if (m_contents.projectName)
        m_projectName = *m_contents.projectName;
    if (status == LineReadStatus::Failed) {
        messages.ask(0, {PromptKind::Warning, {}, QString::fromLatin1(fileErrorText)});
        return false;
    }
    return status == LineReadStatus::Finished && !m_aborted;
}

void AnalysisFileReader::askLine(int lineCounter, PromptKind kind,
                                 const std::function<QString()>& text, ReaderMessages& messages,
                                 bool beepFirst) {
    if (!messages.mayAskAboutLine())
        return;
    // Abort (offered as Cancel) ends the read after this line.
    const PromptAnswer answer =
        messages.ask(lineCounter, {kind, {}, text(), PromptButtons::YesCancel}, beepFirst);
    if (answer == PromptAnswer::Cancel)
        m_aborted = true;
}

void AnalysisFileReader::applyParameter(int lineCounter, const ParameterLine& line,
                                        ReaderMessages& messages) {
    ParameterRegistry& registry = m_model.registry();
    const auto withGoOn = [this](const char* key) {
        return [this, key] { return common(key) + u'\n' + common("IDS_4"); };
    };
    if (line.lineNumber > registry.count()) {
        askLine(lineCounter, PromptKind::Confirmation, withGoOn("IDS_6"), messages);
        return;
    }
    // The tag decides which slot a line belongs to, not its line number.
    bool matched = false;
    const NumberText& numbers = m_model.numbers();
    for (int slot = 1; slot <= registry.count(); ++slot) {
        ParameterRecord* record = registry.live(slot);
        if (record == nullptr || !matchesTag(*record, line))
            continue;
        matched = true;
        // One unit above the maximum is still taken.
        if (line.value >= record->minimum && line.value <= double(record->maximum) + 1.0) {
            record->currentValue = static_cast<float>(line.value);
            continue;
        }
        askLine(
            lineCounter, PromptKind::Error,
            [&] {
                return record->name + common("IDS_1") + QStringLiteral("\n\n") + common("IDS_2") +
                       numbers.FormatDecimals(record->minimum, 2) + u'\n' + common("IDS_3") +
                       numbers.FormatDecimals(record->maximum, 2) + QStringLiteral("\n\n") +
                       common("IDS_4");
            },
            messages);
        if (m_aborted)
            return;
    }
    if (!matched)
        askLine(lineCounter, PromptKind::Error, withGoOn("IDS_5"), messages);
}

void AnalysisFileReader::completeProbe() {
    m_model.setUnits(unitsOfFile(m_contents, m_model.units()));
}

void AnalysisFileReader::completeApply() {
    WindowState& window = m_model.window();
    if (m_contents.flowLock)
        window.setChecked(*m_contents.flowLock == 1 ? Choice::LOCKA144 : Choice::LOCKA149, true);
    if (m_contents.olderLayout) {
        if (ParameterRecord* cost = m_model.registry().live(electricityCostSlot))
            cost->currentValue = static_cast<float>(cost->currentValue / olderCostDivisor);
    }

    const bool wasLoading = window.flags().loading;
    window.editFlags().loading = true;
    if (m_contents.comparison) {
        static constexpr Choice systems[] = {Choice::R1, Choice::R2, Choice::R3, Choice::R4,
                                             Choice::R5};
        Choice system = systems[*m_contents.comparison - 1];
        // A pump has no inlet guide vanes; its damper-like system is the throttling valve.
        if (system == Choice::R5 && m_contents.applicationCode == pumpApplicationCode)
            system = Choice::R4;
        window.setChecked(system, true);
    }
    for (std::size_t i = 0; i < customerFields.size(); ++i)
        window.setText(customerFields[i], m_contents.customerLines.value(qsizetype(i)));
    for (std::size_t i = 0; i < costDescriptionFields.size(); ++i)
        window.setText(costDescriptionFields[i], m_contents.costLines.value(qsizetype(i)));
    if (m_contents.horizontal)
        window.setChecked(Choice::HORIZ, *m_contents.horizontal);
    window.editFlags().loading = wasLoading;
}

std::optional<double> designFlowOfEfficiencyMode(const AnalysisModel& model,
                                                 const AnalysisFileContents& contents) {
    if (contents.flowLock != 1)
        return std::nullopt;
    const ParameterRegistry& registry = model.registry();
    for (int slot = 1; slot <= registry.count(); ++slot) {
        const ParameterRecord* record = registry.live(slot);
        if (record != nullptr && record->tagLetter == 'A' && record->tagGroup == '1' &&
            record->orderNumber == designPointFlowOrder)
            return model.toBaseUnits(Quantity::Flow, record->currentValue);
    }
    return std::nullopt;
}

} // namespace wattmere
