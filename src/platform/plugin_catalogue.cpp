#include "platform/plugin_catalogue.h"

#include "platform/caught_error.h"
#include "platform/error.h"
#include "platform/log_category.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

namespace zrk {

struct PluginCatalogue::Plugin {
    QString file;
    ComponentHost* host = nullptr;
    std::unique_ptr<QPluginLoader> loader;
    IComponentPlugin* factory = nullptr;
};

namespace {

Error cannotCreate(const QString& progId, const QString& reason) {
    return Error(errnum::CannotCreateObject, QStringLiteral("zrkboss"),
                 QStringLiteral("Cannot create the component %1 from its plug-in: %2").arg(progId, reason));
}

} // namespace

PluginCatalogue::PluginCatalogue() = default;
PluginCatalogue::~PluginCatalogue() = default;

void PluginCatalogue::addFolder(const QString& folder, ComponentHost& host) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        const QString file = dir.absoluteFilePath(name);
        if (QLibrary::isLibrary(file))
            addFile(file, host);
    }
}

void PluginCatalogue::addFile(const QString& file, ComponentHost& host) {
    auto plugin = std::make_unique<Plugin>();
    plugin->file = file;
    plugin->host = &host;
    plugin->loader = std::make_unique<QPluginLoader>(file);
    const QJsonObject meta = plugin->loader->metaData();
    if (meta.value(QLatin1String("IID")).toString() != QLatin1String(ZRK_COMPONENT_PLUGIN_IID)) {
        logCaughtFailure(lcPlatform(), "PluginCatalogue: skipped, no component plug-in", qPrintable(file));
        return;
    }
    const QJsonArray ids =
        meta.value(QLatin1String("MetaData")).toObject().value(QLatin1String("ProgIDs")).toArray();
    for (const auto& id : ids) {
        const QString progId = id.toString();
        if (progId.isEmpty() || byProgId_.count(progId.toUpper()))
            continue;
        byProgId_[progId.toUpper()] = plugin.get();
        progIds_.append(progId);
    }
    plugins_.push_back(std::move(plugin));
}

bool PluginCatalogue::provides(const QString& progId) const {
    return byProgId_.count(progId.toUpper()) > 0;
}

QStringList PluginCatalogue::progIds() const {
    return progIds_;
}

IComponentPlugin& PluginCatalogue::load(Plugin& plugin, const QString& progId) {
    if (plugin.factory)
        return *plugin.factory;
    if (!plugin.loader->load())
        throw cannotCreate(progId, plugin.loader->errorString());
    plugin.factory = qobject_cast<IComponentPlugin*>(plugin.loader->instance());
    if (!plugin.factory)
        throw cannotCreate(progId, plugin.file + QStringLiteral(" has no component factory"));
    return *plugin.factory;
}

ObjectPtr PluginCatalogue::create(const QString& progId) {
    const auto it = byProgId_.find(progId.toUpper());
    if (it == byProgId_.end())
        throw cannotCreate(progId, QStringLiteral("no plug-in provides it"));
    Plugin& plugin = *it->second;
    ObjectPtr object = load(plugin, progId).create(progId, *plugin.host);
    if (!object)
        throw cannotCreate(progId, plugin.file + QStringLiteral(" does not create it"));
    return object;
}

} // namespace zrk
