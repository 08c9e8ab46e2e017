#include "session/user_settings.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "session/log_category.h"

namespace zrk {

namespace {
std::shared_ptr<IUserProfile> loadedProfile(ConsoleContext& ctx, const QString& application,
                                            const QString& section) {
    auto profile = queryInterface<IUserProfile>(createComponent(ctx.components(), kUserProfileProgId, true));
    profile->load(application, section);
    return profile;
}
} // namespace

Variant getUserSetting(ConsoleContext& ctx, const QString& application, const QString& section,
                       const QString& key, const Variant& defaultValue) {
    try {
        const Variant value =
            loadedProfile(ctx, application, section)->dictionary()->value(key, defaultValue);
        if (defaultValue.type() == Variant::Type::Boolean)
            return value.toBool();
        return value.isNull() ? QString() : value.toString();
    } catch (const Error& e) {
        logCaughtError(lcSession(), "getUserSetting: the setting reads as empty", e);
        return {};
    }
}

bool saveUserSetting(ConsoleContext& ctx, const QString& application, const QString& section,
                     const QString& key, const Variant& value) {
    const auto profile = loadedProfile(ctx, application, section);
    profile->dictionary()->set(key, value);
    profile->save(application, section);
    return true;
}

} // namespace zrk
