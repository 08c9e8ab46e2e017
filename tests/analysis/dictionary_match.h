#pragma once

// Compares a parameter dictionary with the expected one key by key, in order, type by type;
// nested dictionaries are compared the same way.

#include "platform/dictionary.h"

#include <gtest/gtest.h>

namespace zrk::test {

using Entries = std::vector<std::pair<QString, Variant>>;

inline DictionaryPtr dictionaryOf(const Entries& entries) {
    auto d = std::make_shared<Dictionary>();
    for (const auto& [key, value] : entries)
        d->set(key, value);
    return d;
}

inline ::testing::AssertionResult sameDictionary(const Dictionary& actual, const Dictionary& expected,
                                                 const QString& path = QString()) {
    const auto& a = actual.items();
    const auto& e = expected.items();
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        if (i >= a.size())
            return ::testing::AssertionFailure()
                   << path.toStdString() << " lacks " << e[i].first.toStdString();
        if (i >= e.size())
            return ::testing::AssertionFailure()
                   << path.toStdString() << " has more: " << a[i].first.toStdString();
        const QString where = path + QLatin1Char('/') + e[i].first;
        if (a[i].first != e[i].first)
            return ::testing::AssertionFailure()
                   << where.toStdString() << ": key " << a[i].first.toStdString();
        const Variant& av = a[i].second;
        const Variant& ev = e[i].second;
        if (av.type() != ev.type())
            return ::testing::AssertionFailure()
                   << where.toStdString() << ": type " << typeName(av.type()).toStdString() << " instead of "
                   << typeName(ev.type()).toStdString();
        if (ev.isObject()) {
            const auto ad = std::dynamic_pointer_cast<Dictionary>(av.toObject());
            const auto ed = std::dynamic_pointer_cast<Dictionary>(ev.toObject());
            if (!ad || !ed)
                return ::testing::AssertionFailure() << where.toStdString() << ": not a dictionary";
            if (auto nested = sameDictionary(*ad, *ed, where); !nested)
                return nested;
        } else if (!(av == ev)) {
            return ::testing::AssertionFailure() << where.toStdString() << ": " << av.toString().toStdString()
                                                 << " instead of " << ev.toString().toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult sameDictionary(const DictionaryPtr& actual, const Entries& expected) {
    if (!actual)
        return ::testing::AssertionFailure() << "no dictionary";
    return sameDictionary(*actual, *dictionaryOf(expected));
}

} // namespace zrk::test
