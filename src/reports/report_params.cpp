#include "reports/report_params.h"

#include "platform/error.h"
#include "session/texts.h"

#include <algorithm>

namespace zrk::reports {

namespace {

bool isInteger(const Variant& value) {
    return value.type() == Variant::Type::Int16 || value.type() == Variant::Type::Int32;
}

} // namespace

ReportParams::ReportParams(ConsoleContext& ctx, QString source, DictionaryPtr parameters)
    : ctx_(ctx), source_(std::move(source)), parameters_(std::move(parameters)) {}

void ReportParams::raise(const QString& pattern, const QList<Variant>& values) const {
    throw Error(errnum::InvalidProcedureCall, source_, formatText(ctx_, pattern, values));
}

void ReportParams::refuse(const QString& key) const {
    raise(QStringLiteral("报表参数%1的值不能使用"), {key});
}

void ReportParams::refuseGrouping(const QString& key) const {
    raise(QStringLiteral("报表参数%1给出的汇总方式本报表不支持"), {key});
}

void ReportParams::requireOk() const {
    if (!parameters_)
        raise(QStringLiteral("没有报表参数"), {});
    const Variant ok = parameters_->item(QStringLiteral("OK"));
    if (ok.isEmpty())
        raise(QStringLiteral("缺少报表参数%1"), {QStringLiteral("OK")});
    if (ok.type() != Variant::Type::Boolean || !ok.toBool())
        refuse(QStringLiteral("OK"));
}

Variant ReportParams::required(const QString& key) const {
    const Variant value = parameters_->item(key);
    if (value.isEmpty())
        raise(QStringLiteral("缺少报表参数%1"), {key});
    return value;
}

QDate ReportParams::date(const QString& key) const {
    const Variant value = required(key);
    const QDate day = value.type() == Variant::Type::String
                          ? QDate::fromString(value.toString().trimmed(), QStringLiteral("yyyy-MM-dd"))
                          : QDate();
    if (!day.isValid())
        raise(QStringLiteral("报表参数%1不是日期（YYYY-MM-DD）"), {key});
    return day;
}

ReportParams::Range ReportParams::dateRange(const QString& beginKey, const QString& endKey) const {
    const Range range{date(beginKey), date(endKey)};
    if (range.end < range.begin)
        raise(QStringLiteral("报表参数%1早于%2"), {endKey, beginKey});
    return range;
}

std::int32_t ReportParams::integer(const QString& key) const {
    const Variant value = required(key);
    if (!isInteger(value))
        raise(QStringLiteral("报表参数%1不是整数"), {key});
    return value.toInt32();
}

std::int32_t ReportParams::integer(const QString& key, std::int32_t defaultValue) const {
    return parameters_->contains(key) ? integer(key) : defaultValue;
}

std::int32_t ReportParams::choice(const QString& key, std::initializer_list<std::int32_t> allowed,
                                  std::int32_t defaultValue) const {
    const std::int32_t value = integer(key, defaultValue);
    if (std::find(allowed.begin(), allowed.end(), value) == allowed.end())
        refuse(key);
    return value;
}

std::int32_t ReportParams::integerOrDigits(const QString& key) const {
    const Variant value = required(key);
    if (isInteger(value))
        return value.toInt32();
    bool digits = false;
    const std::int32_t number = value.type() == Variant::Type::String ? value.toString().toInt(&digits) : 0;
    if (!digits)
        raise(QStringLiteral("报表参数%1不是整数"), {key});
    return number;
}

QString ReportParams::text(const QString& key, const QString& defaultValue) const {
    if (!parameters_->contains(key))
        return defaultValue;
    const Variant value = parameters_->item(key);
    if (value.type() != Variant::Type::String)
        raise(QStringLiteral("报表参数%1不是文本"), {key});
    return value.toString();
}

void ReportParams::requireEmpty(const QStringList& keys) const {
    for (const QString& key : keys) {
        if (!text(key).isEmpty())
            raise(QStringLiteral("报表参数%1本报表不支持，须为空"), {key});
    }
}

std::optional<ReportParams::Order> ReportParams::order(const QString& key, const QStringList& fields) const {
    const QStringList words = text(key).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const QString& f) {
        return f.compare(words[0], Qt::CaseInsensitive) == 0;
    });
    const bool descending =
        words.size() == 2 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
    const bool ascending =
        words.size() == 1 ||
        (words.size() == 2 && words[1].compare(QLatin1String("ASC"), Qt::CaseInsensitive) == 0);
    if (field == fields.end() || !(ascending || descending))
        refuse(key);
    return Order{*field, descending};
}

DictionaryPtr ReportParams::dictionary(const QString& key) const {
    if (!parameters_->contains(key))
        return {};
    const Variant value = parameters_->item(key);
    auto nested = value.isObject() ? std::dynamic_pointer_cast<Dictionary>(value.toObject()) : nullptr;
    if (!nested)
        raise(QStringLiteral("报表参数%1不是参数字典"), {key});
    return nested;
}

} // namespace zrk::reports
