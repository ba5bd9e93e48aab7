#include "core/FatalError.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace wattmere {

namespace {

void writeToStandardError(const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

FatalErrorHandler& installedHandler() {
    static FatalErrorHandler handler = writeToStandardError;
    return handler;
}

} // namespace

FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler) {
    return std::exchange(installedHandler(), handler ? std::move(handler) : writeToStandardError);
}

void raiseFatalError(const QString& text) {
    installedHandler()(text);
    std::exit(EXIT_FAILURE);
}

} // namespace wattmere
