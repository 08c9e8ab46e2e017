#include "session/texts.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "session/installation.h"
#include "session/log_category.h"

namespace zrk {

namespace {

std::int16_t codeOfLanguageId(const QString& languageId) {
    if (languageId == QLatin1String("cht"))
        return 3;
    if (languageId == QLatin1String("en"))
        return 2;
    return 1;
}

QString askLanguageComponent(ConsoleContext& ctx) {
    try {
        return queryInterface<ILangInfo>(ctx.components().create(kLangInfoProgId))->currentLanguage();
    } catch (const Error& e) {
        logCaughtError(lcSession(), "askLanguageComponent: no language component, Simplified Chinese assumed",
                       e);
        return QStringLiteral("chs");
    }
}

// Blanks are spaces, as the platform's Trim sees them.
qsizetype leadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' '))
        ++n;
    return n;
}

qsizetype trailingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[text.size() - 1 - n] == QLatin1Char(' '))
        ++n;
    return n;
}

std::shared_ptr<IFoundation> foundation(ConsoleContext& ctx) {
    if (!ctx.session().foundation)
        ctx.session().foundation = createComponent(ctx.components(), kRegistryProgId, true);
    return queryInterface<IFoundation>(ctx.session().foundation);
}

} // namespace

std::int16_t getLanguageCode(ConsoleContext& ctx) {
    if (ctx.texts().languageCode == 0)
        ctx.texts().languageCode = codeOfLanguageId(askLanguageComponent(ctx));
    return ctx.texts().languageCode;
}

QString languageIdOf(std::int16_t code) {
    switch (code) {
    case 2:
        return QStringLiteral("en");
    case 3:
        return QStringLiteral("cht");
    default:
        return QStringLiteral("chs");
    }
}

QString getLanguageID(ConsoleContext& ctx) {
    return languageIdOf(getLanguageCode(ctx));
}

std::shared_ptr<ITextLoader> resetTextResources(ConsoleContext& ctx, const QString& languageId) {
    if (ctx.texts().loader) {
        try {
            ctx.texts().loader->unload();
        } catch (const Error& e) {
            logCaughtError(lcSession(), "resetTextResources: the previous text loader did not unload", e);
        }
    }
    ctx.texts().loader.reset();
    ctx.texts().formLoader.reset();

    const QString language =
        languageId.isEmpty() ? languageIdOf(codeOfLanguageId(askLanguageComponent(ctx))) : languageId;
    ctx.texts().languageCode = codeOfLanguageId(language);
    try {
        auto loader = queryInterface<ITextLoader>(ctx.components().create(kTextLoaderProgId));
        loader->setResDirectory(QString());
        loader->setResFileBaseName(kTextBaseName);
        loader->setLanguageID(language);
        ctx.texts().loader = loader;
    } catch (const Error& e) {
        logCaughtError(lcSession(), "resetTextResources: no text loader, texts stay untranslated", e);
        // Without a loader the texts stay untranslated.
    }
    return ctx.texts().loader;
}

std::shared_ptr<ITextLoader> getTextLoader(ConsoleContext& ctx, const QString& languageId) {
    if (!ctx.texts().loader) {
        try {
            auto loader = queryInterface<ITextLoader>(ctx.components().create(kTextLoaderProgId));
            loader->setResDirectory(QString());
            loader->setResFileBaseName(kTextBaseName);
            ctx.texts().loader = loader;
        } catch (const Error& e) {
            logCaughtError(lcSession(), "getTextLoader: no text loader", e);
            return {};
        }
    }
    ctx.texts().loader->setLanguageID(languageId.isEmpty() ? getLanguageID(ctx) : languageId);
    return ctx.texts().loader;
}

QString translate(ConsoleContext& ctx, const QString& text, int mode, const QString& languageId) {
    // Errors raised here are handled here: an error the caller is about to report is untouched.
    if (languageId == QLatin1String("chs") || (languageId.isEmpty() && getLanguageCode(ctx) == 1))
        return text;
    const qsizetype lead = leadingBlanks(text);
    if (lead == text.size())
        return text;
    const qsizetype trail = trailingBlanks(text);
    const QString trimmed = text.mid(lead, text.size() - lead - trail);
    try {
        const auto loader = getTextLoader(ctx, languageId);
        if (!loader)
            return text;
        const QString looked = mode == 1 ? loader->loadString2(trimmed) : loader->loadString(trimmed);
        return QString(lead, QLatin1Char(' ')) + looked + QString(trail, QLatin1Char(' '));
    } catch (const Error& e) {
        logCaughtError(lcSession(), "translate: text left untranslated", e);
        return text;
    }
}

QString fillPlaceholders(const QString& pattern, const QStringList& values) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        const int index = c == QLatin1Char('%') && i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (index >= 1 && index <= values.size()) {
            out += values[index - 1];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString translatePattern(ConsoleContext& ctx, const QString& pattern, const QStringList& values) {
    return fillPlaceholders(translate(ctx, pattern), values);
}

QString formatText(ConsoleContext& ctx, const QString& pattern, const QList<Variant>& values) {
    return foundation(ctx)->formatText(translate(ctx, pattern), values);
}

QString loadFormTexts(ConsoleContext& ctx, QObject* form, Variant& extra) {
    if (!ctx.texts().formLoader)
        ctx.texts().formLoader =
            queryInterface<IFormTextLoader>(createComponent(ctx.components(), kFormTextLoaderProgId, true));
    struct Flag {
        bool& flag;
        explicit Flag(bool& f) : flag(f) { flag = true; }
        ~Flag() { flag = false; }
    } loading(ctx.texts().loadingFormTexts);
    const QStringList texts =
        ctx.texts().formLoader->loadFrmResStrings(form, getLanguageID(ctx), QString(), kTextBaseName, extra);
    QString joined;
    for (const QString& text : texts)
        joined += text + QStringLiteral("\r\n");
    return joined;
}

} // namespace zrk
