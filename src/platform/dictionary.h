#pragma once

#include "platform/object.h"
#include "platform/variant.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zrk {

// The parameter set of every component call: string keys compared without regard to letter
// case, Variant values, kept in the order they were first added.
class Dictionary : public Object {
public:
    Dictionary() = default;
    Dictionary(std::initializer_list<std::pair<QString, Variant>> items);

    // Adds the key or replaces its value; a replaced key keeps its place and its first spelling.
    void set(const QString& key, Variant value);
    // The value under the key, Empty when the key is missing.
    Variant item(const QString& key) const;
    // The value under the key, or the default when the key is missing.
    Variant value(const QString& key, const Variant& defaultValue) const;
    bool contains(const QString& key) const;
    bool remove(const QString& key);
    void clear() { items_.clear(); }
    int count() const { return static_cast<int>(items_.size()); }
    QStringList keys() const;

    const std::vector<std::pair<QString, Variant>>& items() const { return items_; }

private:
    std::vector<std::pair<QString, Variant>>::const_iterator find(const QString& key) const;

    std::vector<std::pair<QString, Variant>> items_;
};

using DictionaryPtr = std::shared_ptr<Dictionary>;

} // namespace zrk
