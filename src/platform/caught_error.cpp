#include "platform/caught_error.h"

#include "platform/error.h"

namespace zrk {

void logCaughtError(const QLoggingCategory& category, const char* where, const Error& error) {
    if (!category.isDebugEnabled())
        return;
    QMessageLogger(nullptr, 0, nullptr, category.categoryName()).debug().noquote()
        << QString::fromUtf8(where) + QStringLiteral(": error %1 from %2: %3")
                                          .arg(error.number())
                                          .arg(error.source(), error.description());
}

void logCaughtFailure(const QLoggingCategory& category, const char* where, const char* what) {
    if (!category.isDebugEnabled())
        return;
    QMessageLogger(nullptr, 0, nullptr, category.categoryName()).debug().noquote()
        << QString::fromUtf8(where) + QStringLiteral(": ") + QString::fromUtf8(what);
}

} // namespace zrk
