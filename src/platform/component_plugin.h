#pragma once

#include "platform/object.h"

#include <QString>
#include <QtPlugin>
#include <cstdint>

namespace zrk {

class ComponentRegistry;
class PromptService;

// What the process gives the components of a plug-in: the registry to create other components
// by ProgID (the property store, the data gateway, ...), the process id under which the session
// properties are published, the session's translation and the prompt service.
class ComponentHost {
public:
    virtual ~ComponentHost() = default;
    virtual const ComponentRegistry& components() const = 0;
    virtual std::int32_t processId() const = 0;
    // The text to show for a Simplified Chinese text, in the session's language.
    virtual QString translate(const QString& text) const = 0;
    virtual PromptService& prompts() const = 0;
};

// The factory a component plug-in exports. Its metadata lists the ProgIDs it provides:
//   { "ProgIDs": ["Some.Component", ...] }
// create is asked only for those; it returns none for a ProgID it does not know.
class IComponentPlugin {
public:
    virtual ~IComponentPlugin() = default;
    virtual ObjectPtr create(const QString& progId, ComponentHost& host) = 0;
};

} // namespace zrk

#define ZRK_COMPONENT_PLUGIN_IID "org.quorvel.zrk.IComponentPlugin/1"
Q_DECLARE_INTERFACE(zrk::IComponentPlugin, ZRK_COMPONENT_PLUGIN_IID)
