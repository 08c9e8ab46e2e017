#pragma once

#include "core/roles/component_roles.h"
#include "platform/dictionary.h"
#include "platform/object.h"
#include "platform/settings_store.h"

namespace zrk::suite {

// Where the user's settings of one application and section are kept in the user's settings.
QString userSettingKeyPath(const QString& application, const QString& section);

// UserSettings.UserProfile: the user's settings, a group per application and section.
class UserProfile : public Object, public IUserProfile {
public:
    explicit UserProfile(SettingsStore store) : store_(std::move(store)) {}

    void load(const QString& application, const QString& section) override;
    std::shared_ptr<Dictionary> dictionary() override { return group_; }
    void save(const QString& application, const QString& section) override;

private:
    SettingsStore store_;
    std::shared_ptr<Dictionary> group_ = std::make_shared<Dictionary>();
};

} // namespace zrk::suite
