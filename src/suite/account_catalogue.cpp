#include "suite/account_catalogue.h"

#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <set>

namespace zrk::suite {

namespace {

Error catalogueError(const SuiteTexts& texts, const QString& filePath, const QString& what) {
    return Error(errnum::FileAccess, QStringLiteral("AccountCatalogue"),
                 texts.pattern(QStringLiteral("账套目录文件 %1 无效：%2"),
                               {QDir::toNativeSeparators(filePath), what}));
}

} // namespace

bool isPlainPropertyValue(const QString& value) {
    for (const QChar c : value)
        if (c == QLatin1Char(';') || c == QLatin1Char('=') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            return false;
    return true;
}

QString accountCatalogueFile(const QString& installDir) {
    return QDir(installDir).filePath(QStringLiteral("Common/AccountSets.json"));
}

std::vector<AccountSetEntry> readAccountCatalogue(const QString& filePath, const SuiteTexts& texts) {
    std::vector<AccountSetEntry> entries;
    QFile file(filePath);
    if (!file.exists())
        return entries;
    if (!file.open(QIODevice::ReadOnly))
        throw catalogueError(texts, filePath, file.errorString());
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw catalogueError(texts, filePath, parseError.errorString());
    if (!doc.isObject() || !doc.object().value(QStringLiteral("accountSets")).isArray())
        throw catalogueError(texts, filePath, texts.text(QStringLiteral("缺少 accountSets 列表")));
    std::set<std::int32_t> seen;
    for (const QJsonValue& item : doc.object().value(QStringLiteral("accountSets")).toArray()) {
        const QJsonObject o = item.toObject();
        const QJsonValue id = o.value(QStringLiteral("id"));
        const QString connect = o.value(QStringLiteral("connectString")).toString();
        if (!id.isDouble() || id.toDouble() != static_cast<double>(id.toInt()))
            throw catalogueError(texts, filePath, texts.text(QStringLiteral("账套缺少整数 id")));
        if (connect.trimmed().isEmpty())
            throw catalogueError(
                texts, filePath,
                texts.pattern(QStringLiteral("账套 %1 缺少连接字符串"), {QString::number(id.toInt())}));
        if (!seen.insert(id.toInt()).second)
            throw catalogueError(
                texts, filePath,
                texts.pattern(QStringLiteral("账套 id %1 重复"), {QString::number(id.toInt())}));
        const QString name = o.value(QStringLiteral("name")).toString();
        // The name goes into the session's property string as it is: a separator in it would
        // add or override fields of the session.
        if (!isPlainPropertyValue(name))
            throw catalogueError(
                texts, filePath,
                texts.pattern(QStringLiteral("账套 %1 的名称“%2”含有不允许的字符（; = { }）"),
                              {QString::number(id.toInt()), name}));
        entries.push_back({id.toInt(), name, connect});
    }
    return entries;
}

void writeAccountCatalogue(const QString& filePath, const std::vector<AccountSetEntry>& entries,
                           const SuiteTexts& texts) {
    QJsonArray list;
    for (const AccountSetEntry& e : entries)
        list.append(QJsonObject{{QStringLiteral("id"), e.id},
                                {QStringLiteral("name"), e.name},
                                {QStringLiteral("connectString"), e.connectString}});
    const QJsonObject root{{QStringLiteral("version"), 1}, {QStringLiteral("accountSets"), list}};
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 || !file.commit())
        throw Error(errnum::FileAccess, QStringLiteral("AccountCatalogue"),
                    texts.pattern(QStringLiteral("无法写入账套目录文件 %1：%2"),
                                  {QDir::toNativeSeparators(filePath), file.errorString()}));
}

void upsertAccountSet(std::vector<AccountSetEntry>& entries, const AccountSetEntry& entry) {
    for (AccountSetEntry& e : entries) {
        if (e.id == entry.id) {
            e = entry;
            return;
        }
    }
    entries.push_back(entry);
}

QString sqliteConnectString(const QString& databaseFile) {
    return QStringLiteral("Provider=SQLite;Data Source=") + QFileInfo(databaseFile).absoluteFilePath();
}

} // namespace zrk::suite
