#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "platform/settings_store.h"

#include <QElapsedTimer>
#include <QHash>

namespace zrk::suite {

inline const QString kLogSettingKey = QStringLiteral("Software\\Quorvel\\MsgLog");
inline const QString kLogSettingValue = QStringLiteral("Enabled");

// MsgLog.Log: appends timed lines to "zrkboss.log" in the given folder. Off unless the user's
// setting Enabled is true or the environment has ZRK_LOG=1.
class MsgLog : public Object, public IMsgLog {
public:
    MsgLog(SettingsStore store, QString folder);

    bool isEnabled() override { return enabled_; }
    std::int32_t logStart(const QString& text) override;
    void logInfo(std::int32_t id, const QString& text) override;
    void logEnd(std::int32_t id, std::int32_t value) override;

    QString filePath() const;

private:
    void append(const QString& line);

    QString folder_;
    bool enabled_ = false;
    std::int32_t nextId_ = 1;
    QHash<std::int32_t, QElapsedTimer> started_;
};

} // namespace zrk::suite
