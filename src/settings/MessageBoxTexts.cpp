#include "settings/SourceText.h"

#include <QtGlobal>

namespace wattmere {

namespace {

// Message box titles and buttons, translated with the window that shows the box.
// clang-format off
constexpr SourceText texts[] = {
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "Warning", "Title_Warning"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "Error", "Title_Error"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "Information", "Title_Information"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "Confirm", "Title_Confirm"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "OK", "Button_OK"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "Cancel", "Button_Cancel"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&Yes", "Button_Yes"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&No", "Button_No"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&Abort", "Button_Abort"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&Retry", "Button_Retry"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&Ignore", "Button_Ignore"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&All", "Button_All"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "N&o to All", "Button_NoToAll"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "Yes to &All", "Button_YesToAll"),
    QT_TRANSLATE_NOOP3("MessageBoxTexts", "&Help", "Button_Help"),
};
// clang-format on

} // namespace

const TextSet& messageBoxTexts() {
    static constexpr TextSet set{"MessageBoxTexts", texts};
    return set;
}

} // namespace wattmere
