#include "suite/user_profile.h"

namespace zrk::suite {

QString userSettingKeyPath(const QString& application, const QString& section) {
    return QStringLiteral("Software\\Quorvel\\UserSettings\\") + application + QLatin1Char('\\') + section;
}

void UserProfile::load(const QString& application, const QString& section) {
    group_ = std::make_shared<Dictionary>();
    const QString path = userSettingKeyPath(application, section);
    for (const QString& name : store_.valueNames(Hive::CurrentUser, path))
        group_->set(name, store_.read(Hive::CurrentUser, path, name));
}

void UserProfile::save(const QString& application, const QString& section) {
    const QString path = userSettingKeyPath(application, section);
    for (const auto& [name, value] : group_->items())
        store_.write(Hive::CurrentUser, path, name, value.isNull() ? Variant(QString()) : value);
}

} // namespace zrk::suite
