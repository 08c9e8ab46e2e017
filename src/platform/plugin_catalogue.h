#pragma once

#include "platform/component_plugin.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class QPluginLoader;

namespace zrk {

// The component plug-ins of the program's plug-in folders. Adding a folder reads the metadata
// of its libraries without loading them; a library is loaded the first time one of its ProgIDs
// is created, and stays loaded for the rest of the process (its objects' code lives in it).
class PluginCatalogue {
public:
    PluginCatalogue();
    ~PluginCatalogue();
    PluginCatalogue(const PluginCatalogue&) = delete;
    PluginCatalogue& operator=(const PluginCatalogue&) = delete;

    // Files that are no component plug-in are skipped; a ProgID already provided keeps its first
    // plug-in.
    void addFolder(const QString& folder, ComponentHost& host);
    bool provides(const QString& progId) const;
    // The ProgIDs of every plug-in found, as their metadata spell them.
    QStringList progIds() const;
    // A new instance from the plug-in that provides the ProgID. A plug-in that cannot be loaded,
    // or that does not create the ProgID, raises error 429 naming the ProgID and the reason.
    ObjectPtr create(const QString& progId);

private:
    struct Plugin;
    void addFile(const QString& file, ComponentHost& host);
    static IComponentPlugin& load(Plugin& plugin, const QString& progId);

    std::vector<std::unique_ptr<Plugin>> plugins_;
    std::map<QString, Plugin*> byProgId_; // keyed by the upper-case ProgID
    QStringList progIds_;
};

} // namespace zrk
