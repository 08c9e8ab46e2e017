#include "suite/log_server.h"

#include "platform/caught_error.h"
#include "platform/db/connection.h"
#include "platform/db/sql_literal.h"
#include "session/property_string.h"
#include "suite/log_category.h"

namespace zrk::suite {

namespace {

QString createTableSql() {
    return QStringLiteral(
               "if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[%1]') and "
               "OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n"
               "CREATE TABLE [dbo].[%1] ([FUserName] nvarchar(255) NOT NULL, "
               "[FFunctionCode] nvarchar(50) NOT NULL, [FNumber] smallint NOT NULL, "
               "[FTitle] nvarchar(255) NOT NULL, [FMachineName] nvarchar(255) NOT NULL, "
               "[FAddress] nvarchar(64) NOT NULL, [FTime] datetime NOT NULL)")
        .arg(kOperationLogTable);
}

} // namespace

void LogServer::writeLog(const QString& propsString, const QString& functionCode, std::int16_t number,
                         const QString& title, const QString& machineName, const QString& address) {
    try {
        db::Connection connection;
        connection.open(getBraceField(propsString, 0));
        connection.execute(createTableSql());
        connection.execute(
            QStringLiteral(
                "insert into %1 (FUserName, FFunctionCode, FNumber, FTitle, FMachineName, FAddress, "
                "FTime) values (%2, %3, %4, %5, %6, %7, %8)")
                .arg(kOperationLogTable,
                     db::sqlNText(getPropValue(propsString, QStringLiteral("UserName"), QStringLiteral(";"))),
                     db::sqlNText(functionCode), QString::number(number), db::sqlNText(title),
                     db::sqlNText(machineName), db::sqlNText(address), db::sqlValue(now_())));
        connection.close();
    } catch (const Error& e) {
        logCaughtError(lcSuite(), "LogServer::writeLog: the operation log was not written", e);
    }
}

} // namespace zrk::suite
