#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "platform/settings_store.h"

namespace zrk::suite {

// CoreObjects.Registry: the registry on the settings store, and the foundation object's text
// formatter.
class CoreRegistry : public Object, public IRegistry, public IFoundation {
public:
    explicit CoreRegistry(SettingsStore store) : store_(std::move(store)) {}

    Variant getKeyValue(const QString& key, const QString& valueName, const QString& flag) override;
    void setKeyValue(const QString& key, const QString& valueName, const Variant& value) override;
    void deleteValue(const QString& key, const QString& valueName) override;
    void saveSetting(const QString& application, const QString& section, const QString& key,
                     const Variant& value) override;
    QString formatText(const QString& pattern, const QList<Variant>& values) override;

private:
    RegistryKey parse(const QString& key) const;

    SettingsStore store_;
};

// %1 ... %99 replaced by the values in order (a number beyond the values stays as written),
// %% by a single percent sign.
QString formatPlaceholders(const QString& pattern, const QList<Variant>& values);

} // namespace zrk::suite
