#pragma once

#include "core/roles/function_roles.h"
#include "platform/object.h"

#include <QDateTime>
#include <functional>

namespace zrk::suite {

inline const QString kLogServerProgId = QStringLiteral("BaseServices.LogServer");
inline const QString kOperationLogTable = QStringLiteral("t_Log_Operation");

// BaseServices.LogServer: the operation log of the account set named by a property string's
// connection, one row a call in t_Log_Operation (created when missing): the user, the function
// code, the number, the title, the machine's name and address, and the time. A log that cannot
// be written never stops the function that writes it: the failure is logged and the call returns.
class LogServer : public Object, public ILogServer {
public:
    using Clock = std::function<QDateTime()>;
    explicit LogServer(Clock now = &QDateTime::currentDateTime) : now_(std::move(now)) {}

    void writeLog(const QString& propsString, const QString& functionCode, std::int16_t number,
                  const QString& title, const QString& machineName, const QString& address) override;

private:
    Clock now_;
};

} // namespace zrk::suite
