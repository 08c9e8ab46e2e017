#pragma once

#include "platform/object.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace zrk {

class ComponentHost;
class PluginCatalogue;

// The components the process can create, by ProgID (compared without regard to letter case).
// A real component replaces a stand-in by registering the same ProgID. Components of the
// plug-in folders (see PluginCatalogue) come before the registered ones: a function added to
// the suite as a plug-in needs no change of the program.
class ComponentRegistry {
public:
    using Factory = std::function<ObjectPtr()>;

    ComponentRegistry();
    ~ComponentRegistry();
    ComponentRegistry(const ComponentRegistry&) = delete;
    ComponentRegistry& operator=(const ComponentRegistry&) = delete;

    void add(const QString& progId, Factory factory);
    // Reads the metadata of the plug-ins in the folder; each is loaded when one of its ProgIDs
    // is first created, and its components get the host.
    void addPluginFolder(const QString& folder, ComponentHost& host);
    bool contains(const QString& progId) const;
    // Creates a new instance. An unregistered ProgID raises error 429, and so does a plug-in
    // that cannot be loaded (naming the ProgID and the loader's reason); a factory's own error
    // passes through unchanged.
    ObjectPtr create(const QString& progId) const;

private:
    std::map<QString, Factory> factories_; // keyed by the upper-case ProgID
    // Loading a plug-in changes the catalogue, not what the registry can create.
    std::unique_ptr<PluginCatalogue> plugins_;
};

// Creates a component by ProgID. On failure it returns none, or, when raiseOnError is true,
// raises the error again with the same number and source and " - " + ProgID after the description.
ObjectPtr createComponent(const ComponentRegistry& registry, const QString& progId, bool raiseOnError);

// The suite's creation service: a ProgID and, optionally, the application server to create it
// on. This installation has no application server, so the local machine (by name or "") is the
// only server it reaches; any other name raises error 462. A component that cannot be created
// raises its error with " - " and the ProgID after the description, as createComponent does.
class ObjectFactory : public Object {
public:
    ObjectFactory(const ComponentRegistry& registry, QString localMachineName);

    ObjectPtr create(const QString& progId, const QString& serverName = QString()) const;
    // The second creation method: ProgID, server name and a flag asking for a fresh instance.
    ObjectPtr create(const QString& progId, const QString& serverName, bool newInstance) const;

private:
    const ComponentRegistry& registry_;
    QString localMachineName_;
};

} // namespace zrk
