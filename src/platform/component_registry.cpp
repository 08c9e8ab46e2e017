#include "platform/component_registry.h"

#include "platform/caught_error.h"
#include "platform/log_category.h"
#include "platform/plugin_catalogue.h"

namespace zrk {

ComponentRegistry::ComponentRegistry() : plugins_(std::make_unique<PluginCatalogue>()) {}
ComponentRegistry::~ComponentRegistry() = default;

void ComponentRegistry::addPluginFolder(const QString& folder, ComponentHost& host) {
    plugins_->addFolder(folder, host);
    for (const QString& progId : plugins_->progIds())
        if (factories_.count(progId.toUpper()) > 0)
            qCWarning(lcPlatform) << "plug-in folder" << folder << "offers" << progId
                                  << "which the program provides itself; the program's own is kept";
}

void ComponentRegistry::add(const QString& progId, Factory factory) {
    factories_[progId.toUpper()] = std::move(factory);
}

bool ComponentRegistry::contains(const QString& progId) const {
    return factories_.count(progId.toUpper()) > 0 || plugins_->provides(progId);
}

// The program's own components come first: a library dropped into the plug-in folder adds
// functions but cannot stand in for the log-on, the session or any other built-in component.
ObjectPtr ComponentRegistry::create(const QString& progId) const {
    if (factories_.count(progId.toUpper()) == 0 && plugins_->provides(progId)) {
        ObjectPtr object = plugins_->create(progId);
        if (object->progId().isEmpty())
            object->setProgId(progId);
        return object;
    }
    const auto it = factories_.find(progId.toUpper());
    if (it == factories_.end())
        throw Error(errnum::CannotCreateObject, QStringLiteral("zrkboss"),
                    QStringLiteral("Cannot create the component: it is not registered"));
    ObjectPtr object = it->second();
    if (!object)
        throw Error(errnum::CannotCreateObject, QStringLiteral("zrkboss"),
                    QStringLiteral("Cannot create the component: its factory returned nothing"));
    if (object->progId().isEmpty())
        object->setProgId(progId);
    return object;
}

ObjectPtr createComponent(const ComponentRegistry& registry, const QString& progId, bool raiseOnError) {
    try {
        return registry.create(progId);
    } catch (const Error& e) {
        logCaughtError(lcPlatform(), "createComponent: none created", e);
        if (raiseOnError)
            throw e.withDescription(e.description() + QStringLiteral(" - ") + progId);
        return {};
    }
}

ObjectFactory::ObjectFactory(const ComponentRegistry& registry, QString localMachineName)
    : registry_(registry), localMachineName_(std::move(localMachineName)) {}

ObjectPtr ObjectFactory::create(const QString& progId, const QString& serverName) const {
    const QString server = serverName.trimmed();
    if (!server.isEmpty() && server.compare(localMachineName_, Qt::CaseInsensitive) != 0 &&
        server.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0 && server != QLatin1String("."))
        throw Error(errnum::ServerUnavailable, QStringLiteral("zrkboss"),
                    QStringLiteral("The remote server machine does not exist or is unavailable: ") + server);
    return createComponent(registry_, progId, true);
}

ObjectPtr ObjectFactory::create(const QString& progId, const QString& serverName,
                                bool /*newInstance*/) const {
    // Every creation here yields a new instance, so the flag asks for what always happens.
    return create(progId, serverName);
}

} // namespace zrk
