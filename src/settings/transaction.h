#pragma once

#include "platform/db/connection.h"

#include <functional>

namespace zrk {

// Runs the work in one transaction of the connection and commits it. Any error of the work or of
// the commit rolls everything back and passes on unchanged.
void runInTransaction(db::Connection& connection, const std::function<void()>& work);

} // namespace zrk
