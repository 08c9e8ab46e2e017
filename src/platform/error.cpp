#include "platform/error.h"

namespace zrk {

Error::Error(int number, QString source, QString description)
    : number_(number), source_(std::move(source)), description_(std::move(description)),
      what_(QStringLiteral("%1 (%2): %3").arg(number_).arg(source_, description_).toStdString()) {}

bool operator==(const Error& a, const Error& b) {
    return a.number() == b.number() && a.source() == b.source() && a.description() == b.description();
}

} // namespace zrk
