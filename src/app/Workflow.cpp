#include "app/Workflow.h"

#include "app/StepPanels.h"
#include "settings/SettingsKeys.h"
#include "units/UnitTables.h"

#include <algorithm>

namespace wattmere {

namespace {

constexpr int lastPage = steppage::report;

// The names of the user-named cost rows, consecutive fields.
constexpr Field firstCostRowName = Field::OTHER1_INI_C;
constexpr Field lastCostRowName = Field::OTHER3_ANU_D;

void copyStayFields(WindowState& window, bool toDutyScreen) {
    const std::pair<Field, Field> copies[] = {
        {Field::A101, Field::A101A}, {Field::A102, Field::A102A}, {Field::A103, Field::A103A}};
    for (const auto& [stepField, dutyField] : copies) {
        if (toDutyScreen)
            window.setText(dutyField, window.text(stepField));
        else
            window.setText(stepField, window.text(dutyField));
    }
}

} // namespace

QString programTitle() {
    return QStringLiteral("Orvek Wattmere");
}

QString captionWithProject(const AnalysisModel& model, const QString& projectName) {
    if (model.application() == Application::None)
        return programTitle();
    return programTitle() + model.text(model.isFan() ? "IDS_56" : "IDS_57") + projectName;
}

SetupOverview setupOverviewOf(const UnitSettings& units, bool showBeforeNewAnalysis) {
    SetupOverview overview;
    overview.currency = currencySymbol(units);
    overview.power =
        units.power == 0 || units.power == 1 ? powerUnitText(units) : QStringLiteral("-");
    overview.fanPressure = chosenUnit(UnitQuantity::FanPressure, units).caption;
    overview.fanFlow = chosenUnit(UnitQuantity::FanFlow, units).caption;
    overview.pumpPressure = chosenUnit(UnitQuantity::PumpPressure, units).caption;
    overview.pumpFlow = chosenUnit(UnitQuantity::PumpFlow, units).caption;
    overview.showBeforeNewAnalysis = showBeforeNewAnalysis;
    return overview;
}

Workflow::Workflow(Analysis& analysis, FileCommands& files, Options& options, SettingsStore& store,
                   QObject* parent)
    : QObject(parent), m_analysis(analysis), m_advanced(analysis), m_files(files),
      m_options(options), m_store(store), m_introductionTicked(options.L8) {
    showStartScreen();
}

Screen Workflow::screen() const {
    if (m_front != Screen::StepPages)
        return m_front;
    return m_analysis.window().isVisible(Panel::GraphPanel) ? Screen::GraphPages
                                                            : Screen::StepPages;
}

void Workflow::setFront(Screen front) {
    m_front = front;
    WindowState& window = m_analysis.window();
    const bool analysisScreen = front == Screen::StepPages;
    window.setVisible(Panel::CalcPanel, analysisScreen);
    window.setVisible(Panel::GraphPanel, false);
    emit screenChanged();
}

void Workflow::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(m_caption);
}

void Workflow::setIntroductionTicked(bool ticked) {
    if (ticked == m_introductionTicked)
        return;
    m_introductionTicked = ticked;
    emit introductionTickedChanged(ticked);
}

void Workflow::applyOptions() {
    AnalysisModel& model = m_analysis.model();
    model.setUnits(m_options.units);
    model.setSeparators(m_options.separators);
    m_analysis.switchLanguage(m_options.language);
    setIntroductionTicked(m_options.L8);
}

// --- Typing.

void Workflow::enterField(Field id, const QString& text) {
    WindowState& window = m_analysis.window();
    if (AdvancedPanel::isCurveField(id)) {
        m_advanced.enterCurveField(id, text);
        return;
    }
    if (isNumericField(id)) {
        m_analysis.enterField(id, text);
        return;
    }
    const bool changed = window.text(id) != text;
    window.setText(id, text);
    // The project field of the project bar is not part of the analysis until one starts.
    if (changed && id != Field::QNUM)
        window.setModified(true);
    // Step 1's project name is the analysis' project name: the file stores the project bar's
    // field, so the two stay equal and a name typed on step 1 is saved and shown in the caption.
    if (id == Field::QNUM1 && m_analysis.model().application() != Application::None) {
        window.setText(Field::QNUM, text);
        m_projectName = text;
        setCaption(text.isEmpty() ? programTitle() : captionWithProject(m_analysis.model(), text));
    }
}

void Workflow::clickChoice(Choice id) {
    WindowState& window = m_analysis.window();
    switch (groupOf(id)) {
    case ChoiceGroup::KnownValue:
        window.setChecked(id, true);
        window.setModified(true);
        m_analysis.binding().SystemDataSelectionChange();
        break;
    case ChoiceGroup::Comparison:
        m_analysis.clickComparison(id);
        break;
    case ChoiceGroup::Horizontal:
        m_advanced.clickHorizontal(!window.isChecked(id));
        break;
    case ChoiceGroup::DesignPointLock:
        if (id == Choice::LOCKA144)
            m_advanced.clickLockA144();
        else
            m_advanced.clickLockA149();
        break;
    case ChoiceGroup::SpeedPair:
        // The speed pair takes effect at the next recalculation.
        window.setChecked(id, true);
        window.setModified(true);
        break;
    case ChoiceGroup::Report:
        window.setChecked(id, !window.isChecked(id));
        break;
    }
}

// --- Step pages.

void Workflow::selectPage(int page) {
    m_analysis.window().setCalcPage(std::clamp(page, 0, lastPage));
    CalcPanelChange();
}

void Workflow::GoForwardButtonClick() {
    selectPage(m_analysis.window().calcPage() + 1);
}

void Workflow::GoBackButtonClick() {
    WindowState& window = m_analysis.window();
    if (window.isVisible(Panel::TwoSpeedMotorPanel)) {
        window.setVisible(Panel::TwoSpeedMotorPanel, false);
        return;
    }
    selectPage(window.calcPage() - 1);
}

void Workflow::sendBackTo(int page) {
    m_analysis.window().setCalcPage(page);
}

void Workflow::CalcPanelChange() {
    AnalysisModel& model = m_analysis.model();
    WindowState& window = model.window();
    FieldBinding& binding = m_analysis.binding();

    if (window.isVisible(Panel::DutyCyclePanel))
        copyStayFields(window, false);
    window.setVisible(Panel::TwoSpeedMotorPanel, false);
    window.editFlags().stepChange = true;
    binding.set_fields(TransferMode::Store);

    if (window.isChecked(Choice::R3) && !binding.twoSpeedDutyComplete()) {
        model.inform("IDS_102");
        window.setVisible(Panel::TwoSpeedMotorPanel, true);
        // Page 1 keeps a panel in front: the system data.
        showSystemDataPanel(window);
        sendBackTo(steppage::comparison);
        return;
    }
    if (window.isVisible(Panel::FanAdvanced)) {
        if (!m_analysis.curves().CheckCurveData(true)) {
            showAdvancedPanel(window);
            sendBackTo(steppage::systemData);
            return;
        }
        m_analysis.curves().FitCurve();
    }
    if (!binding.ValidateSystemData(true)) {
        showSystemDataPanel(window);
        sendBackTo(steppage::systemData);
        return;
    }
    m_analysis.RecalculateAll();
    binding.showTwoSpeedDutyTotal();
    if (window.flags().calcError) {
        showAdvancedPanel(window);
        sendBackTo(steppage::systemData);
        return;
    }
    // Showing the results is no edit of the analysis.
    const bool modified = window.flags().modified;
    m_analysis.energy().showSelectedComparison();
    window.setModified(modified);
    m_analysis.costs().showSavings();

    if (window.isVisible(Panel::DutyCyclePanel)) {
        copyStayFields(window, false);
        m_analysis.computeDutyCycle();
        if (m_analysis.results().Duty.DutyTotal != 100) {
            model.inform("IDS_14");
            sendBackTo(steppage::systemData);
            return;
        }
    }
    if (window.calcPage() >= steppage::energy) {
        if (window.isVisible(Panel::Step2)) {
            if (!m_analysis.SystemDataComplete()) {
                model.inform("IDS_22");
                sendBackTo(steppage::systemData);
                return;
            }
            if (!binding.ValidateSystemData(true)) {
                model.inform("IDS_22");
                sendBackTo(steppage::systemData);
                return;
            }
        }
        if (m_front == Screen::StepPages)
            setFront(Screen::StepPages);
        window.setVisible(Panel::Step6Panel, true);
        showSystemDataPanel(window);
        rebuildPreparedForLines();
        rebuildCostRowNames();
        window.editFlags().stepChange = false;
    }
}

void Workflow::rebuildPreparedForLines() {
    const WindowState& window = m_analysis.window();
    QStringList lines;
    const QString name = window.text(Field::PREPFOR);
    const QString title = window.text(Field::Titlefor);
    if (!name.isEmpty() && !title.isEmpty())
        lines << name + QStringLiteral(", ") + title;
    else if (!name.isEmpty() || !title.isEmpty())
        lines << name + title;
    for (Field id : {Field::Companyfor, Field::AddressFor, Field::AddressFor2, Field::ZipFor,
                     Field::CountryFor}) {
        if (!window.isEmpty(id))
            lines << window.text(id);
    }
    const std::pair<Field, const char*> contacts[] = {
        {Field::Telfor, "Phone: "}, {Field::Faxfor, "Fax: "}, {Field::EmailFor, "E-Mail: "}};
    for (const auto& [id, prefix] : contacts) {
        if (!window.isEmpty(id))
            lines << QString::fromLatin1(prefix) + window.text(id);
    }
    m_preparedFor = lines;
}

void Workflow::rebuildCostRowNames() {
    const WindowState& window = m_analysis.window();
    m_costRowNames.clear();
    for (int i = indexOf(firstCostRowName); i <= indexOf(lastCostRowName); ++i)
        m_costRowNames << window.text(static_cast<Field>(i));
}

void Workflow::DutyScreenClick() {
    AnalysisModel& model = m_analysis.model();
    if (!m_analysis.SystemDataComplete()) {
        model.inform("IDS_20");
        return;
    }
    if (!m_analysis.binding().ValidateSystemData(true))
        return;
    showDutyCyclePanel(model.window());
    copyStayFields(model.window(), true);
}

void Workflow::ESCCANCELClick() {
    WindowState& window = m_analysis.window();
    // The total as the shares stand now, whether or not the last entry has been left.
    m_analysis.computeDutyCycle();
    if (m_analysis.results().Duty.DutyTotal != 100) {
        m_analysis.model().inform("IDS_14");
        sendBackTo(steppage::systemData);
        return;
    }
    copyStayFields(window, false);
    showSystemDataPanel(window);
    m_analysis.computeDutyCycle();
}

void Workflow::Motor_2_Speed_DataClick() {
    m_analysis.window().setVisible(Panel::TwoSpeedMotorPanel, true);
}

bool Workflow::SaveAllClick() {
    m_analysis.binding().set_fields(TransferMode::Store);
    return m_files.SaveFileClick();
}

void Workflow::CloseStep1Click() {
    AnalysisModel& model = m_analysis.model();
    WindowState& window = model.window();
    if (model.application() != Application::None && window.flags().modified &&
        m_analysis.SystemDataComplete()) {
        switch (model.ask("IDS_21", PromptKind::Confirmation, PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            CalcPanelChange();
            // An analysis that was not written stays open rather than being lost.
            if (!SaveAllClick())
                return;
            break;
        case PromptAnswer::No:
            break;
        default:
            return;
        }
    }
    model.setApplication(Application::None);
    // Nothing is left to save.
    window.setModified(false);
    window.editFlags().advancedModeOn = false;
    window.setText(Field::QNUM, QString());
    window.setText(Field::QNUM1, QString());
    m_projectName.clear();
    m_files.forgetCurrentFile();
    showStartScreen();
}

// --- New analysis.

void Workflow::FanAnalysisClick() {
    startAnalysis(Application::Fan);
}

void Workflow::PumpAnalysisClick() {
    startAnalysis(Application::Pump);
}

bool Workflow::offerToSaveBeforeNew(Application next) {
    AnalysisModel& model = m_analysis.model();
    if (model.application() == Application::None || !model.window().flags().modified ||
        !m_analysis.SystemDataComplete())
        return true;
    const bool runningPump = model.isPump();
    const char* key = next == Application::Fan ? (runningPump ? "IDS_48" : "IDS_49")
                                               : (runningPump ? "IDS_50" : "IDS_51");
    switch (model.ask(key, PromptKind::Confirmation, PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        // An analysis that was not written is not replaced.
        if (!m_files.SaveFileClick())
            return false;
        break;
    case PromptAnswer::No:
        break;
    default:
        return false;
    }
    m_files.forgetCurrentFile();
    return true;
}

bool Workflow::passSetupOverview() {
    if (!m_options.L9)
        return true;
    const SetupOverviewAnswer answer = m_analysis.model().prompter().showSetupOverview(
        setupOverviewOf(m_analysis.model().units(), m_options.L9));
    saveSetupOverviewChoice(m_store, m_options, answer.showBeforeNewAnalysis);
    switch (answer.result) {
    case SetupOverviewResult::ChangeSetup:
        ProgramSetupClick();
        return true;
    case SetupOverviewResult::Continue:
        return true;
    case SetupOverviewResult::Cancel:
        break;
    }
    return false;
}

void Workflow::startAnalysis(Application application) {
    if (!offerToSaveBeforeNew(application))
        return;
    if (!passSetupOverview())
        return;
    WindowState& window = m_analysis.window();
    window.editFlags().advancedModeOn = false;
    // The panel of the analysis being replaced does not belong to the new one.
    window.setVisible(Panel::TwoSpeedMotorPanel, false);
    m_files.forgetCurrentFile();
    m_projectName = window.text(Field::QNUM);
    setCaption(programTitle());
    m_analysis.setUpNewAnalysis(application);
    if (m_options.L8)
        showIntroduction();
    else
        ShowStepPages();
}

void Workflow::NewApp() {
    m_analysis.window().editFlags().advancedModeOn = false;
    if (screen() != Screen::Start) {
        CloseStep1Click();
        return;
    }
    switch (m_analysis.model().prompter().chooseApplication()) {
    case ApplicationChoice::Fan:
        FanAnalysisClick();
        break;
    case ApplicationChoice::Pump:
        PumpAnalysisClick();
        break;
    case ApplicationChoice::Close:
        break;
    }
}

void Workflow::ShowStepPages() {
    m_analysis.window().setCalcPage(steppage::customer);
    setFront(Screen::StepPages);
    const QString& project = m_analysis.window().text(Field::QNUM);
    setCaption(project.isEmpty() ? programTitle()
                                 : captionWithProject(m_analysis.model(), project));
}

void Workflow::showStartScreen() {
    setFront(Screen::Start);
    setCaption(programTitle());
}

void Workflow::showIntroduction() {
    setFront(Screen::Introduction);
}

void Workflow::writeIntroductionChoice() {
    m_store.WriteBool(settingskeys::program, settingskeys::introductionScreen,
                      m_introductionTicked);
    m_options.L8 = m_introductionTicked;
}

void Workflow::continueToStep1() {
    writeIntroductionChoice();
    ShowStepPages();
}

void Workflow::cancelAnalysis() {
    writeIntroductionChoice();
    CloseStep1Click();
}

void Workflow::ProgramSetupClick() {
    std::optional<OptionsDialogState> dialog =
        m_analysis.model().prompter().editProgramSetup(m_options);
    if (dialog) {
        m_options = saveOptions(m_store, *dialog, m_options);
        applyOptions();
        return;
    }
    // A cancelled dialog leaves the settings in force, which may be those of an opened file.
    setIntroductionTicked(m_options.L8);
    m_analysis.switchLanguage(m_options.language);
}

// --- Graph pages.

void Workflow::openGraphs(GraphButton button) {
    WindowState& window = m_analysis.window();
    int page =
        button == GraphButton::AnnualEnergyGraphs ? graphpage::annualEnergy : graphpage::power;
    if (window.calcPage() == steppage::savings)
        page = graphpage::payback;
    window.setGraphPage(page);
    window.setVisible(Panel::CalcPanel, false);
    window.setVisible(Panel::GraphPanel, true);
    emit screenChanged();
}

void Workflow::closeGraphs() {
    WindowState& window = m_analysis.window();
    window.setVisible(Panel::GraphPanel, false);
    window.setVisible(Panel::CalcPanel, true);
    emit screenChanged();
}

} // namespace wattmere
