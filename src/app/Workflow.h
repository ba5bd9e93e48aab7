#pragma once
// The analysis window's workflow, headless: which screen fills the window, the step pages and
// their page changes with every check, new fan and pump analyses with their questions, the
// introduction screen, closing an analysis, the graph pages and the window caption. Views and
// scripts call these commands as a user's clicks would.

#include "app/AdvancedPanel.h"
#include "app/Analysis.h"
#include "app/FileCommands.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

#include <QObject>

namespace wattmere {

// The screens that can fill the analysis window; the project bar stands above the start
// screen only.
enum class Screen { Start, Introduction, StepPages, GraphPages };

// The buttons that open the graph pages.
enum class GraphButton {
    PowerGraphs,        // "Power Graphs" (BitBtn29)
    PaybackGraph,       // "Payback Graph" (GraphStep6)
    Graphs,             // "&Graphs" (GraphButton)
    AnnualEnergyGraphs, // "Annual Energy Graphs" (GraphStep5)
};

// The step pages of CalcPanel.
namespace steppage {
inline constexpr int customer = 0;
inline constexpr int systemData = 1;
inline constexpr int comparison = 2;
inline constexpr int energy = 3;
inline constexpr int savings = 4;
inline constexpr int report = 5;
} // namespace steppage

// The graph pages of GraphPanel.
namespace graphpage {
inline constexpr int power = 0;
inline constexpr int annualEnergy = 1;
inline constexpr int payback = 2;
} // namespace graphpage

// The window caption without an analysis: "Orvek Wattmere".
QString programTitle();

// "Orvek Wattmere", followed by " Fan Application > Project: " or " Pump Application >
// Project: " and the project name; the title alone without an application.
QString captionWithProject(const AnalysisModel& model, const QString& projectName);

// The overview of the settings in force, with its tick box from option "L9".
SetupOverview setupOverviewOf(const UnitSettings& units, bool showBeforeNewAnalysis);

class Workflow : public QObject {
    Q_OBJECT
public:
    // The window starts on its start screen with no analysis. The options and the store
    // must outlive the workflow; the options are the ones in force for the whole program.
    Workflow(Analysis& analysis, FileCommands& files, Options& options, SettingsStore& store,
             QObject* parent = nullptr);

    Analysis& analysis() { return m_analysis; }
    AdvancedPanel& advancedPanel() { return m_advanced; }

    Screen screen() const;
    bool projectBarVisible() const { return m_front == Screen::Start; }
    const QString& windowCaption() const { return m_caption; }
    // The file commands set the caption after an open or a save.
    void setCaption(const QString& caption);
    // The project name remembered when the analysis started (cleared on closing).
    const QString& projectName() const { return m_projectName; }
    // The introduction screen's tick box "Show introduction screen".
    bool introductionTicked() const { return m_introductionTicked; }
    void setIntroductionTicked(bool ticked);

    // The lines naming whom the report is prepared for and the ten names of the user-named
    // cost rows, as the last page change to the energy pages rebuilt them.
    const QStringList& preparedForLines() const { return m_preparedFor; }
    const QStringList& costRowNames() const { return m_costRowNames; }

    // The options in force reach the model: units, number notation, language, and the
    // introduction screen's tick box.
    void applyOptions();

    // --- Typing. A field is typed into and left, as the user does.
    void enterField(Field id, const QString& text);
    // S1 ... S4, R1 ... R5 and the speed pairs, as clicked.
    void clickChoice(Choice id);

    // --- Step pages.
    // A click on a page tab.
    void selectPage(int page);
    void GoForwardButtonClick();
    void GoBackButtonClick();
    void CalcPanelChange();
    void DutyScreenClick();
    void ESCCANCELClick();
    // The two-speed motor's "&Data" button.
    void Motor_2_Speed_DataClick();
    void CloseStep1Click();
    // Stores the fields into the parameter registry and saves; true when the analysis was
    // written.
    bool SaveAllClick();

    // --- New analysis.
    void FanAnalysisClick();
    void PumpAnalysisClick();
    void NewApp();
    void ShowStepPages();
    // The introduction screen's "&Continue to Step 1." and "&Cancel Analysis".
    void continueToStep1();
    void cancelAnalysis();
    // Program setup: the properties dialog, then its options in force.
    void ProgramSetupClick();

    // --- Graph pages.
    void openGraphs(GraphButton button);
    // "&Go Back" of the graph pages.
    void closeGraphs();

signals:
    void screenChanged();
    void captionChanged(const QString& caption);
    void introductionTickedChanged(bool ticked);

private:
    void startAnalysis(Application application);
    // The save question before a new analysis; false when the new analysis must not start.
    bool offerToSaveBeforeNew(Application next);
    // The setup overview when "L9" is set; false when the new analysis must not start.
    bool passSetupOverview();
    void showStartScreen();
    void showIntroduction();
    void setFront(Screen front);
    void writeIntroductionChoice();
    // A refused page change: the page is selected without another page change.
    void sendBackTo(int page);
    void rebuildPreparedForLines();
    void rebuildCostRowNames();

    Analysis& m_analysis;
    AdvancedPanel m_advanced;
    FileCommands& m_files;
    Options& m_options;
    SettingsStore& m_store;
    // Start, Introduction, or StepPages for the analysis screens (whose step or graph pages
    // the window state holds).
    Screen m_front = Screen::Start;
    QString m_caption;
    QString m_projectName;
    bool m_introductionTicked = true;
    QStringList m_preparedFor;
    QStringList m_costRowNames;
};

} // namespace wattmere
