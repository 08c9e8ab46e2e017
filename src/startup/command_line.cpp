#include "startup/command_line.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "platform/vb_conversions.h"
#include "session/message_boxes.h"
#include "session/texts.h"
#include "startup/log_category.h"
#include "startup/login_registry.h"

#include <QRegularExpression>

namespace zrk {

namespace {
// A numeric value as a 32-bit integer; anything else (or too large) counts as 0.
std::int32_t numberOrZero(const QString& value) {
    if (!vb::isNumeric(value))
        return 0;
    try {
        return vb::clng(value);
    } catch (const Error& e) {
        logCaughtError(lcStartup(), "numberOrZero: not a 32-bit number, 0 taken", e);
        return 0;
    }
}
} // namespace

QString stripCommandLine(const QString& commandLine) {
    QString text = commandLine.trimmed();
    if (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    return text;
}

bool isEmbeddingLaunch(const QStringList& arguments) {
    for (const QString& argument : arguments)
        if (stripCommandLine(argument).compare(QLatin1String("-Embedding"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isEmbeddingLaunch(const QString& commandLine) {
    return isEmbeddingLaunch(
        stripCommandLine(commandLine).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts));
}

std::optional<std::int32_t> launchNumber(const QString& value) {
    const QString trimmed = value.trimmed();
    bool ok = false;
    const int number = trimmed.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<QString> plainLaunchText(const QString& text) {
    const QString key = QStringLiteral("VYTParams=");
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + key.size();
    const qsizetype end = text.indexOf(QStringLiteral(";AlgID="), start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start + 1);
}

std::optional<QString> launchItem(const QString& text, const QString& key) {
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + key.size();
    const qsizetype end = text.indexOf(QLatin1Char(';'), start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

std::optional<std::int32_t> decodeExternalLaunch(ConsoleContext& ctx, const QString& commandLine) {
    if (ctx.session().externalLaunch)
        return std::nullopt;
    const QString text = stripCommandLine(commandLine);
    auto params = launchItem(text, QStringLiteral("VYTParams="));
    if (!params || params->isEmpty())
        return std::nullopt;
    const auto algorithmText = launchItem(text, QStringLiteral("AlgID="));
    if (!algorithmText)
        return std::nullopt;
    // An algorithm number that is not one would decode the text with the wrong algorithm.
    const auto algorithm = launchNumber(*algorithmText);
    if (!algorithm) {
        showMessage(
            ctx,
            translatePattern(ctx, QStringLiteral("启动参数无效：AlgID“%1”不是算法编号。"), {*algorithmText}),
            false);
        return std::nullopt;
    }
    if (*algorithm == 0)
        params = plainLaunchText(text);

    const ObjectPtr decoder = createComponent(ctx.components(), kParamDecoderProgId, false);
    const auto role = decoder ? tryInterface<IParamDecoder>(decoder) : nullptr;
    if (!role) {
        showMessage(ctx, QStringLiteral("ParamDecoder组件没有注册!"), false);
        return std::nullopt;
    }
    QString plain;
    try {
        plain = role->getPlainParamList(*params, *algorithm);
    } catch (const Error& e) {
        // Parameters that do not decode are no launch: say why and let the owner log in.
        showMessage(ctx, e.description(), false);
        return std::nullopt;
    }

    const auto user = launchItem(plain, QStringLiteral("Username="));
    if (!user || user->isEmpty())
        return std::nullopt;
    const auto acctId = launchItem(plain, QStringLiteral("AcctID="));
    if (!acctId)
        return std::nullopt;
    const std::int32_t id = numberOrZero(*acctId);
    const QString password = launchItem(plain, QStringLiteral("Passwd=")).value_or(QString());
    writeLoginRegistry(ctx, *user, QString::number(id), password);
    return id;
}

} // namespace zrk
