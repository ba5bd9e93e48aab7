#include "files/AnalysisFileWriter.h"

#include "app/AnalysisModel.h"
#include "files/AnalysisFileLayout.h"
#include "files/Windows1252.h"

namespace wattmere {

namespace {

constexpr int lineNumberDigits = 3;
constexpr int valueFieldWidth = 15;
constexpr int unitFieldWidth = 7;

// Collects the lines of the file, each ended by CR LF.
class LineWriter {
public:
    void line(const QString& text = {}) {
        // A line break inside a text would shift every later line of the layout.
        QString clean = text;
        clean.replace(u'\r', u' ').replace(u'\n', u' ');
        write(textLine(clean));
    }
    void section(FileSection section) { write(sectionTitle(section)); }
    void value(FileSection section, const QString& text) {
        this->section(section);
        line();
        line(text);
        line();
    }
    const QString& text() const { return m_text; }

private:
    void write(const QString& line) {
        m_text += line;
        m_text += QLatin1String("\r\n");
    }

    QString m_text;
};

int checkedIndex(const WindowState& window, std::initializer_list<Choice> choices, int fallback) {
    int index = 0;
    for (Choice choice : choices) {
        if (window.isChecked(choice))
            return index;
        ++index;
    }
    return fallback;
}

} // namespace

int fileDecimalsForStep(float step) {
    if (step == 1.0f)
        return 0;
    if (step == 10.0f)
        return 1;
    if (step == 100.0f)
        return 2;
    if (step == 1000.0f)
        return 3;
    return 4;
}

QString fileNumber(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero is written without a sign.
    if (text.startsWith(u'-') && text.count(u'0') + text.count(u'.') == text.size() - 1)
        text.remove(0, 1);
    return text;
}

QString parameterLine(const ParameterRecord& record) {
    QString line =
        QStringLiteral("P%1=").arg(record.slotNumber, lineNumberDigits, 10, QLatin1Char('0'));
    line += QLatin1Char(record.tagLetter);
    line += QLatin1Char(record.tagGroup);
    line += QStringLiteral("-%1=").arg(record.orderNumber, 2, 10, QLatin1Char('0'));
    const QString value = fileNumber(record.currentValue, fileDecimalsForStep(record.step));
    line += (value + u';').leftJustified(valueFieldWidth, u' ');
    line += record.unitText.leftJustified(unitFieldWidth, u' ');
    line += record.name;
    return line;
}

QByteArray writeAnalysisFile(const AnalysisModel& model, const QDate& savedOn,
                             const QLocale& locale) {
    if (model.application() == Application::None)
        return {};
    const bool fan = model.isFan();
    const WindowState& window = model.window();
    const UnitSettings& units = model.units();
    LineWriter out;

    out.section(FileSection::FileInfo);
    out.line();
    out.line(QStringLiteral("FILE TYPE  : %1 %2")
                 .arg(QLatin1String(analysisFileSignature), QLatin1String(analysisFileVersion)));
    out.line(QStringLiteral("DATE       : ") + locale.toString(savedOn, QLocale::ShortFormat));
    out.line();
    out.value(FileSection::Application, QLatin1String(applicationTypeText(model.application())));

    const int selection = checkedIndex(window, {Choice::S1, Choice::S2, Choice::S3, Choice::S4}, 0);
    out.value(FileSection::SystemDataSelection, QString::number(selection));
    out.line();

    out.value(FileSection::Curve, window.isChecked(Choice::HORIZ)
                                      ? QStringLiteral("HORIZONTAL")
                                      : QStringLiteral("NON-HORIZONTAL"));
    out.value(FileSection::Pressure, QString::number(fan ? units.fanPressure : units.pumpPressure));
    out.value(FileSection::Flow, QString::number(fan ? units.fanFlow : units.pumpFlow));
    out.value(FileSection::Power, QString::number(units.power));
    out.value(FileSection::Currency, QString::number(units.currency));
    out.value(FileSection::CurrencyC1, currencySymbol(units).left(maxCurrencySymbolLength));
    out.value(FileSection::FlowLock,
              window.isChecked(Choice::LOCKA144) ? QStringLiteral("1") : QStringLiteral("0"));

    // Without a checked comparison button the file names the application's default system,
    // so that it still loads.
    const int comparison = checkedIndex(
        window, {Choice::R1, Choice::R2, Choice::R3, Choice::R4, Choice::R5}, fan ? 4 : 3);
    out.value(FileSection::System, QString::number(comparison + 1));
    out.value(FileSection::ProjectName, window.text(Field::QNUM));

    out.section(FileSection::CustomerInfo);
    for (Field id : customerFields)
        out.line(window.text(id));
    out.section(FileSection::CostInfo);
    for (Field id : costDescriptionFields)
        out.line(window.text(id));
    out.line();

    out.section(FileSection::DataQefs);
    out.line();
    const ParameterRegistry& registry = model.registry();
    for (int slot = 1; slot <= registry.count(); ++slot) {
        if (const ParameterRecord* record = registry.live(slot))
            out.line(parameterLine(*record));
    }
    out.line();

    out.section(FileSection::Info);
    for (Field id : trailerCustomerFields)
        out.line(window.text(id));
    return encodeWindows1252(out.text());
}

} // namespace wattmere
