#pragma once

#include "platform/object.h"

#include <QDateTime>
#include <QString>
#include <concepts>
#include <cstdint>
#include <variant>

namespace zrk {

// A value of the suite's automation type: what component calls take and return, what a
// dictionary holds and what a database field yields.
class Variant {
public:
    enum class Type { Empty, Null, Boolean, Int16, Int32, Double, String, Date, Object };

    Variant() = default;
    Variant(bool v) : value_(v) {}
    Variant(std::int16_t v) : value_(v) {}
    Variant(std::int32_t v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(QString v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(QString::fromUtf8(v)) {}
    Variant(QDateTime v) : value_(std::move(v)) {}
    Variant(ObjectPtr v) : value_(std::move(v)) {}
    template <class T>
    requires std::derived_from<T, Object> Variant(std::shared_ptr<T> v) : value_(ObjectPtr(std::move(v))) {}

    static Variant null() {
        Variant v;
        v.value_ = NullTag{};
        return v;
    }

    Type type() const { return static_cast<Type>(value_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isObject() const { return type() == Type::Object; }
    bool isNumber() const;

    // Conversions with the platform's rules (CBool, CInt, CLng, CDbl, CStr, CDate); a value that
    // cannot be converted raises Type mismatch (13), Overflow (6) or Invalid use of Null (94).
    bool toBool() const;
    std::int16_t toInt16() const;
    std::int32_t toInt32() const;
    double toDouble() const;
    QString toString() const;
    QDateTime toDate() const;
    // The object held, or none for an Empty value; anything else raises Type mismatch.
    ObjectPtr toObject() const;

    // Same type and same value (objects by identity); no conversions.
    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    std::variant<std::monostate, NullTag, bool, std::int16_t, std::int32_t, double, QString, QDateTime,
                 ObjectPtr>
        value_;
};

QString typeName(Variant::Type type);

} // namespace zrk
