#pragma once

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/error.h"
#include "session/user_settings.h"

#include <map>
#include <memory>

namespace zrk::test {

// The user's profile groups kept in memory, registered as UserSettings.UserProfile; a save may
// be made to fail.
class FakeUserProfiles {
public:
    explicit FakeUserProfiles(ConsoleContext& ctx) {
        ctx.components().add(kUserProfileProgId, [this] { return std::make_shared<Profile>(*this); });
    }

    QString value(const QString& application, const QString& section, const QString& key) {
        return group(application, section)->value(key, QStringLiteral("<none>")).toString();
    }
    std::shared_ptr<Dictionary> group(const QString& application, const QString& section) {
        auto& g = groups[application + QLatin1Char('/') + section];
        if (!g)
            g = std::make_shared<Dictionary>();
        return g;
    }

    std::map<QString, std::shared_ptr<Dictionary>> groups;
    bool failSave = false;

private:
    class Profile : public Object, public IUserProfile {
    public:
        explicit Profile(FakeUserProfiles& store) : store_(store) {}
        void load(const QString& application, const QString& section) override {
            *loaded_ = *store_.group(application, section);
        }
        std::shared_ptr<Dictionary> dictionary() override { return loaded_; }
        void save(const QString& application, const QString& section) override {
            if (store_.failSave)
                throw Error(errnum::FileAccess, QStringLiteral("UserSettings"), QStringLiteral("disk full"));
            *store_.group(application, section) = *loaded_;
        }

    private:
        FakeUserProfiles& store_;
        std::shared_ptr<Dictionary> loaded_ = std::make_shared<Dictionary>();
    };
};

} // namespace zrk::test
