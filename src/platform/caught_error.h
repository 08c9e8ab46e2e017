#pragma once

#include <QLoggingCategory>

namespace zrk {

class Error;

// An error caught on purpose and not passed on leaves one debug line in its layer's category,
// "<where>: error <number> from <source>: <description>", so that a silent failure can be seen
// when asked for (QT_LOGGING_RULES="zrk.*.debug=true"). Off by default.
void logCaughtError(const QLoggingCategory& category, const char* where, const Error& error);

// The same for a failure that is not one of the suite's errors.
void logCaughtFailure(const QLoggingCategory& category, const char* where, const char* what);

} // namespace zrk
