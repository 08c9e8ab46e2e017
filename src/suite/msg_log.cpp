#include "suite/msg_log.h"

#include "platform/caught_error.h"
#include "suite/log_category.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace zrk::suite {

MsgLog::MsgLog(SettingsStore store, QString folder) : folder_(std::move(folder)) {
    if (qEnvironmentVariable("ZRK_LOG") == QLatin1String("1")) {
        enabled_ = true;
        return;
    }
    const Variant setting = store.read(Hive::CurrentUser, kLogSettingKey, kLogSettingValue);
    try {
        enabled_ = !setting.isEmpty() && setting.toBool();
    } catch (const Error& e) {
        logCaughtError(lcSuite(), "MsgLog: the log setting is no Boolean, logging stays off", e);
        enabled_ = false; // a setting that is no Boolean leaves logging off
    }
}

QString MsgLog::filePath() const {
    return folder_ + QStringLiteral("/zrkboss.log");
}

void MsgLog::append(const QString& line) {
    QDir().mkpath(folder_);
    QFile file(filePath());
    if (!file.open(QIODevice::Append | QIODevice::Text))
        throw Error(errnum::FileAccess, QStringLiteral("MsgLog.Log"),
                    QStringLiteral("Cannot write the log file ") + filePath());
    file.write((QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + line +
                QLatin1Char('\n'))
                   .toUtf8());
}

std::int32_t MsgLog::logStart(const QString& text) {
    const std::int32_t id = nextId_++;
    started_[id].start();
    append(QStringLiteral("[%1] start %2").arg(id).arg(text));
    return id;
}

void MsgLog::logInfo(std::int32_t id, const QString& text) {
    append(QStringLiteral("[%1] %2").arg(id).arg(text));
}

void MsgLog::logEnd(std::int32_t id, std::int32_t value) {
    const auto it = started_.find(id);
    const qint64 elapsed = it == started_.end() ? -1 : it->elapsed();
    if (it != started_.end())
        started_.erase(it);
    append(QStringLiteral("[%1] end %2 (%3 ms)").arg(id).arg(value).arg(elapsed));
}

} // namespace zrk::suite
