#include "settings/SourceText.h"

#include <QtGlobal>

namespace wattmere {

namespace {

// Messages, questions, captions, file filters and chart words of the analysis window.
// clang-format off
constexpr SourceText texts[] = {
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The Design Head and Static Head Set Point entry are out of range! Please re-enter Design Head and Static Head Set Point.", "IDS_01"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The Design Head must be greater than the removed pressure drop! Please re-enter the Design Head or Removed Pressure drop.", "IDS_02"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Design Head and Static Head Set Point.", "IDS_03"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Motor Power must be greater or equal to the Shaft Power! Please re-enter Motor Power and Shaft Power.", "IDS_04"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Drive Power must be greater or equal to the Shaft Power! Please re-enter Drive Power and Shaft Power.", "IDS_05"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Drive Power must be greater or equal to the Motor Power! Please re-enter Drive Power or Motor Power.", "IDS_06"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The End point currently falls below the design point flow, as a result the End point will be reset to twice the design point flow.", "IDS_10"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A pumping application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?", "IDS_11"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A fan application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?", "IDS_12"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "File does not exist!", "IDS_13"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Total Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle percentages before proceeding.", "IDS_14"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Static Head Set Point.", "IDS_15"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The System Data entered is not valid! Please re-enter the system data in order to continue.", "IDS_16"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The System Data entered is not valid! Please re-enter the system data in order to continue.", "IDS_17"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The data you have entered is not valid! Please adjust your data.", "IDS_18"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The data you have entered is not valid! Please adjust your data.", "IDS_19"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Please fill out all fields in STEP 2 to go to the duty cycle screen.", "IDS_20"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Save project before closing?", "IDS_21"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Please fill out all fields in STEP 2 to continue to the next step.", "IDS_22"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Restore default values for Step 2, continue?", "IDS_23"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Please fill out all fields in STEP 2 to activate the advanced mode.", "IDS_24"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Curve end point needs to be greater than the start point.", "IDS_25"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Design Point Efficiency has been limited to the Peak Efficiency!", "IDS_26"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Curve end point needs to be greater than the start point.", "IDS_27"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Design Point Efficiency has been limited to the Peak Efficiency!", "IDS_28"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Restore default values for Step 4, continue?", "IDS_29"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The printer you are trying to use is currently not available. Use \"Printer Setup\" to select a different printer.", "IDS_30"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Your default printer is currently unavailable. Please install or select another printer inside the Windows control panel.", "IDS_31"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Restore default values for duty cycle fields, continue?", "IDS_32"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Restore default values for advanced mode, continue?", "IDS_33"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "An error occurred while exporting.", "IDS_36"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "An error occurred while e-mailing.", "IDS_37"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A pumping application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?", "IDS_38"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A fan application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?", "IDS_39"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "This option is only available when a project is active.", "IDS_40"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Please fill out all fields in STEP 2 to save this analysis.", "IDS_41"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "This option is only available when a project is active.", "IDS_44"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Please fill out all fields in STEP 2 to save this analysis.", "IDS_45"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "File already exists! Do you want to replace it?", "IDS_46"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A pumping application analysis is currently active! Would you like to save this analysis before starting a new Fan Application Analysis?", "IDS_48"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A fan application analysis is currently active! Would you like to save this analysis before starting a new Fan Application Analysis?", "IDS_49"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A pumping application analysis is currently active! Would you like to save this analysis before starting a new Pump Application Analysis?", "IDS_50"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "A fan application analysis is currently active! Would you like to save this analysis before starting a new Pump Application Analysis?", "IDS_51"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Exit Program?", "IDS_55"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", " Fan Application > Project: ", "IDS_56"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", " Pump Application > Project: ", "IDS_57"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "This is the first time the program is started, would you like to configure the programs currency, power and engineering units?", "IDS_58"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Program Setup can also be accessed from the file menu.", "IDS_59"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow for Point 1 must be less than the Design Point Flow when curve is horizontal at point 1", "IDS_60"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow for Point 1 and the Design Point Flow are equal but the pressure values are different!", "IDS_61"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow for Point 1 and the Point 2 are equal but the pressure values are different!", "IDS_62"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow for Point 2 and the Design Point Flow are equal but the pressure values are different!", "IDS_63"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow for Point 2 cannot be equal to the Design Point Flow!", "IDS_64"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow Point 1 is greater than the Design Flow, Pressure Point 1 must be less than the Design Flow Pressure!", "IDS_65"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow Point 2 is greater than the Design Flow, Pressure Point 2 must be less than the Design Flow Pressure!", "IDS_66"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow Point 1 is smaller than the Design Flow, Pressure Point 1 must be greater than the Design Flow Pressure!", "IDS_67"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow Point 2 is smaller than the Design Flow, Pressure Point 2 must be greater than the Design Flow Pressure!", "IDS_68"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Flow Design Point and Flow at Peak Efficiency are equal but the efficiency values are different!", "IDS_69"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Peak Efficiency must be greater than or equal to the Design Point Efficiency!", "IDS_70"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Design Point Efficiency is greater than the Peak Efficiency!", "IDS_71"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Design Point Efficiency is greater than the Peak Efficiency!", "IDS_72"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Addition Flow Point and Flow at Peak Efficiency are equal but the efficiency values are different!", "IDS_73"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Additional Efficiency Point must be smaller or equal to the Peak Efficiency!", "IDS_74"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "The Efficiency at the additional point must be greater than or equal to half of the Peak Efficiency!", "IDS_75"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Peak Efficiency must be greater than or equal to the Design Point Efficiency", "IDS_76"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", " Wattmere Analysis Report", "IDS_88"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Years", "IDS_89"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "More than 5 years", "IDS_90"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Immediate", "IDS_91"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Never", "IDS_92"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Low speed can't create flow", "IDS_93"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", " Wattmere Analysis Files (*.KVX)|*.KVX|", "IDS_100"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", " Wattmere Analysis Files (*.KVX)|*.KVX|", "IDS_101"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Total 2 Speed Motor Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle percentages before proceeding.", "IDS_102"),
    QT_TRANSLATE_NOOP3("AnalysisWindowStrings", "Calculation Error, please check entry.", "IDS_103"),
};
// clang-format on

} // namespace

const TextSet& analysisWindowTexts() {
    static constexpr TextSet set{"AnalysisWindowStrings", texts};
    return set;
}

} // namespace wattmere
