#include "settings/SourceText.h"

#include <QtGlobal>

namespace wattmere {

namespace {

// Messages of the string holder window: file reading, print, PDF export and e-mail. The keys
// have no leading zero and some are the same as analysis window keys with other texts.
// clang-format off
constexpr SourceText texts[] = {
    QT_TRANSLATE_NOOP3("CommonStrings", "SUCCESS", "IDS_0"),
    QT_TRANSLATE_NOOP3("CommonStrings", " out of range!", "IDS_1"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Minimum: ", "IDS_2"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Maximum: ", "IDS_3"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Continue?", "IDS_4"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Parameter in file not found!", "IDS_5"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Line/Parameter # out of range!", "IDS_6"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Error in line : ", "IDS_8"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Application Information is Missing or Incorrect! Unable to load this file.", "IDS_9"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Curve Information is Missing or Incorrect! Unable to load this file.", "IDS_10"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Pressure Unit Information is Missing or Incorrect! Unable to load this file.", "IDS_11"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Flow Unit Information is Missing or Incorrect! Unable to load this file.", "IDS_12"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Power Unit Information is Missing or Incorrect! Unable to load this file.", "IDS_13"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Currency Information is Missing or Incorrect! Unable to load this file.", "IDS_14"),
    QT_TRANSLATE_NOOP3("CommonStrings", "USER_ABORT", "IDS_23"),
    QT_TRANSLATE_NOOP3("CommonStrings", "EMAIL FAILURE", "IDS_24"),
    QT_TRANSLATE_NOOP3("CommonStrings", "LOGON FAILURE", "IDS_25"),
    QT_TRANSLATE_NOOP3("CommonStrings", "DISK FULL", "IDS_26"),
    QT_TRANSLATE_NOOP3("CommonStrings", "INSUFFICIENT MEMORY", "IDS_27"),
    QT_TRANSLATE_NOOP3("CommonStrings", "ACCESS DENIED", "IDS_28"),
    QT_TRANSLATE_NOOP3("CommonStrings", "TOO MANY SESSIONS", "IDS_29"),
    QT_TRANSLATE_NOOP3("CommonStrings", "TOO MANY FILES", "IDS_30"),
    QT_TRANSLATE_NOOP3("CommonStrings", "TOO MANY RECIPIENTS", "IDS_31"),
    QT_TRANSLATE_NOOP3("CommonStrings", "ATTACHMENT NOT FOUND", "IDS_32"),
    QT_TRANSLATE_NOOP3("CommonStrings", "ATTACHMENT OPEN FAILURE", "IDS_33"),
    QT_TRANSLATE_NOOP3("CommonStrings", "ATTACHMENT WRITE FAILURE", "IDS_34"),
    QT_TRANSLATE_NOOP3("CommonStrings", "UNKNOWN RECIPIENT", "IDS_35"),
    QT_TRANSLATE_NOOP3("CommonStrings", "NO MESSAGES / BAD RECIPIENT", "IDS_36"),
    QT_TRANSLATE_NOOP3("CommonStrings", "INVALID MESSAGE", "IDS_37"),
    QT_TRANSLATE_NOOP3("CommonStrings", "MESSAGE TOO BIG", "IDS_38"),
    QT_TRANSLATE_NOOP3("CommonStrings", "INVALID SESSION", "IDS_39"),
    QT_TRANSLATE_NOOP3("CommonStrings", "MAIL TYPE NOT SUPPORTED", "IDS_40"),
    QT_TRANSLATE_NOOP3("CommonStrings", "AMBIGUOUS RECIPIENT", "IDS_41"),
    QT_TRANSLATE_NOOP3("CommonStrings", "MESSAGE IN USE", "IDS_42"),
    QT_TRANSLATE_NOOP3("CommonStrings", "NETWORK FAILURE", "IDS_43"),
    QT_TRANSLATE_NOOP3("CommonStrings", "INVALID EDIT FIELDS", "IDS_44"),
    QT_TRANSLATE_NOOP3("CommonStrings", "INVALID RECIPIENTS", "IDS_45"),
    QT_TRANSLATE_NOOP3("CommonStrings", "NO SUPPORTED", "IDS_46"),
    QT_TRANSLATE_NOOP3("CommonStrings", "UNKNOWN", "IDS_47"),
    QT_TRANSLATE_NOOP3("CommonStrings", "SMTP:", "IDS_48"),
    QT_TRANSLATE_NOOP3("CommonStrings", "E-Mail function [MAPI] is not available.", "IDS_51"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Error detected while sending mail [", "IDS_52"),
    QT_TRANSLATE_NOOP3("CommonStrings", "PDF Files (*.PDF)|*.PDF|", "IDS_129"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Export Report to a PDF File", "IDS_130"),
    QT_TRANSLATE_NOOP3("CommonStrings", ".pdf", "IDS_131"),
    QT_TRANSLATE_NOOP3("CommonStrings", ".PDF", "IDS_132"),
    QT_TRANSLATE_NOOP3("CommonStrings", "The Extension specified does not match the export file extension, the program will automatically update the specified extension to correct export extension.", "IDS_133"),
    QT_TRANSLATE_NOOP3("CommonStrings", " already exists!", "IDS_135"),
    QT_TRANSLATE_NOOP3("CommonStrings", "Do you want to replace it?", "IDS_136"),
    QT_TRANSLATE_NOOP3("CommonStrings", "An error occurred exporting the active report!", "IDS_137"),
};
// clang-format on

} // namespace

const TextSet& commonTexts() {
    static constexpr TextSet set{"CommonStrings", texts};
    return set;
}

} // namespace wattmere
