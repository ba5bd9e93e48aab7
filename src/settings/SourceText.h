#pragma once
// The English source texts of the keyed translation tables: each text is marked for Qt
// Linguist under its table's context, with its key as the disambiguation.

#include <span>

namespace wattmere {

// Field order matches QT_TRANSLATE_NOOP3(context, text, key), which expands to {text, key}.
struct SourceText {
    const char* text;
    const char* key;
};

// One translation context: the keyed English texts of one table.
struct TextSet {
    const char* context;
    std::span<const SourceText> entries;
};

// The analysis window's own messages, captions and filters ("IDS_01" ... "IDS_103").
const TextSet& analysisWindowTexts();

// The messages of the string holder window used by the file reader, print, export and
// e-mail ("IDS_0" ... "IDS_137").
const TextSet& commonTexts();

// The captions of the hidden word labels of the analysis window, keyed by label name.
const TextSet& wordLabelTexts();

// Titles and button captions of message boxes, so that a box speaks the language of the
// window that shows it. Keys: the constants of namespace MessageBoxKey.
const TextSet& messageBoxTexts();

namespace MessageBoxKey {
inline constexpr char warningTitle[] = "Title_Warning";
inline constexpr char errorTitle[] = "Title_Error";
inline constexpr char informationTitle[] = "Title_Information";
inline constexpr char confirmTitle[] = "Title_Confirm";
inline constexpr char okButton[] = "Button_OK";
inline constexpr char cancelButton[] = "Button_Cancel";
inline constexpr char yesButton[] = "Button_Yes";
inline constexpr char noButton[] = "Button_No";
inline constexpr char abortButton[] = "Button_Abort";
inline constexpr char retryButton[] = "Button_Retry";
inline constexpr char ignoreButton[] = "Button_Ignore";
inline constexpr char allButton[] = "Button_All";
inline constexpr char noToAllButton[] = "Button_NoToAll";
inline constexpr char yesToAllButton[] = "Button_YesToAll";
inline constexpr char helpButton[] = "Button_Help";
} // namespace MessageBoxKey

} // namespace wattmere
