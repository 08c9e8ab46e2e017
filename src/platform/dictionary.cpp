#include "platform/dictionary.h"

#include <algorithm>

namespace zrk {

Dictionary::Dictionary(std::initializer_list<std::pair<QString, Variant>> items) {
    for (const auto& [key, value] : items)
        set(key, value);
}

std::vector<std::pair<QString, Variant>>::const_iterator Dictionary::find(const QString& key) const {
    return std::find_if(items_.begin(), items_.end(), [&key](const auto& item) {
        return item.first.compare(key, Qt::CaseInsensitive) == 0;
    });
}

void Dictionary::set(const QString& key, Variant value) {
    const auto it = find(key);
    if (it == items_.end())
        items_.emplace_back(key, std::move(value));
    else
        items_[static_cast<size_t>(it - items_.begin())].second = std::move(value);
}

Variant Dictionary::item(const QString& key) const {
    return value(key, Variant());
}

Variant Dictionary::value(const QString& key, const Variant& defaultValue) const {
    const auto it = find(key);
    return it == items_.end() ? defaultValue : it->second;
}

bool Dictionary::contains(const QString& key) const {
    return find(key) != items_.end();
}

bool Dictionary::remove(const QString& key) {
    const auto it = find(key);
    if (it == items_.end())
        return false;
    items_.erase(it);
    return true;
}

QStringList Dictionary::keys() const {
    QStringList keys;
    keys.reserve(count());
    for (const auto& item : items_)
        keys << item.first;
    return keys;
}

} // namespace zrk
