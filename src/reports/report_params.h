#pragma once

#include "core/console_context.h"
#include "platform/dictionary.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace zrk::reports {

// Reads a report's parameter dictionary with the types the console sends. A parameter that is
// missing, of another type or out of its range raises Error (InvalidProcedureCall) with a
// translated text naming the parameter; the source is the component's ProgID.
class ReportParams {
public:
    ReportParams(ConsoleContext& ctx, QString source, DictionaryPtr parameters);

    // Refuses a dictionary without "OK" = true, and none at all.
    void requireOk() const;

    // A date written "YYYY-MM-DD".
    QDate date(const QString& key) const;
    // The begin and end date keys of a range; the end may not lie before the begin.
    struct Range {
        QDate begin;
        QDate end;
    };
    Range dateRange(const QString& beginKey, const QString& endKey) const;

    // A 16- or 32-bit integer.
    std::int32_t integer(const QString& key) const;
    // The same, or the default when the key is missing.
    std::int32_t integer(const QString& key, std::int32_t defaultValue) const;
    // An integer among the allowed values; the default when the key is missing.
    std::int32_t choice(const QString& key, std::initializer_list<std::int32_t> allowed,
                        std::int32_t defaultValue) const;
    // A 16- or 32-bit integer, or a text of digits ("0").
    std::int32_t integerOrDigits(const QString& key) const;
    // A text, or the default when the key is missing.
    QString text(const QString& key, const QString& defaultValue = QString()) const;
    // Filters the report does not apply may only be empty texts (or missing).
    void requireEmpty(const QStringList& keys) const;
    // A sort order "Field [ASC|DESC]" on one of the fields; none for a missing or blank text.
    struct Order {
        QString field;
        bool descending = false;
        QString sql() const {
            return field + (descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
        }
    };
    std::optional<Order> order(const QString& key, const QStringList& fields) const;
    // A nested dictionary; none when the key is missing.
    DictionaryPtr dictionary(const QString& key) const;

    // Raises the error for a parameter whose value the report cannot use.
    [[noreturn]] void refuse(const QString& key) const;
    // Raises the error for a grouping the report does not know.
    [[noreturn]] void refuseGrouping(const QString& key) const;

    const DictionaryPtr& parameters() const { return parameters_; }
    ConsoleContext& context() const { return ctx_; }
    const QString& source() const { return source_; }

private:
    Variant required(const QString& key) const;
    [[noreturn]] void raise(const QString& pattern, const QList<Variant>& values) const;

    ConsoleContext& ctx_;
    QString source_;
    DictionaryPtr parameters_;
};

} // namespace zrk::reports
