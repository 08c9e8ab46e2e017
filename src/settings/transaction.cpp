#include "settings/transaction.h"

#include "platform/caught_error.h"
#include "platform/error.h"
#include "settings/log_category.h"

namespace zrk {

void runInTransaction(db::Connection& connection, const std::function<void()>& work) {
    connection.beginTrans();
    try {
        work();
        connection.commitTrans();
    } catch (const Error&) {
        try {
            if (connection.inTransaction())
                connection.rollbackTrans();
        } catch (const Error& rollback) {
            // The work's error is the one the caller must hear about.
            logCaughtError(lcSettings(), "runInTransaction: the rollback failed too", rollback);
        }
        throw;
    }
}

} // namespace zrk
