#pragma once
// Errors in the program's built-in tables (parameter definitions, field tags). No user input
// reaches them; each one is reported once through the installed handler and ends the program.

#include <QString>

#include <functional>

namespace wattmere {

using FatalErrorHandler = std::function<void(const QString& text)>;

// Installs the handler that shows a fatal table error (the GUI: an error dialog with one OK
// button; tests: throw to catch the text). Returns the previous handler.
FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler);

// Reports the text through the installed handler and stops the program if the handler
// returns. The default handler writes the text to standard error.
[[noreturn]] void raiseFatalError(const QString& text);

} // namespace wattmere
