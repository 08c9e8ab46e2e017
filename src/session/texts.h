#pragma once

#include "platform/variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QObject;

namespace zrk {

class ConsoleContext;
class ITextLoader;

inline const QString kLangInfoProgId = QStringLiteral("LangSupport.LangInfo");
inline const QString kTextLoaderProgId = QStringLiteral("ResText.Loader");
inline const QString kFormTextLoaderProgId = QStringLiteral("FormText.FrmResLoader");
inline const QString kTextBaseName = QStringLiteral("Q5Base");

// 1 Simplified Chinese, 2 English, 3 Traditional Chinese; asked of the language component once.
std::int16_t getLanguageCode(ConsoleContext& ctx);

// "chs", "en" or "cht" for a language code; "chs" for any other.
QString languageIdOf(std::int16_t code);
QString getLanguageID(ConsoleContext& ctx);

// Releases the loaders and creates a new text loader for the language ("" asks the language
// component), storing its language code. None when the loader cannot be created.
std::shared_ptr<ITextLoader> resetTextResources(ConsoleContext& ctx, const QString& languageId);

// The text loader, created on demand, set to the language ("" for the session's language).
std::shared_ptr<ITextLoader> getTextLoader(ConsoleContext& ctx, const QString& languageId);

// The text to show for a Simplified Chinese text: unchanged for Simplified Chinese, otherwise the
// loader's translation with the text's leading and trailing blanks kept. Never raises.
QString translate(ConsoleContext& ctx, const QString& text, int mode = 0,
                  const QString& languageId = QString());

// The pattern with %1 to %9 replaced by the values in one pass: a value's own "%2" stays as it
// is, and a placeholder without a value stays as written.
QString fillPlaceholders(const QString& pattern, const QStringList& values);

// The translated pattern with its placeholders filled by fillPlaceholders. A message made of a
// fixed text and values is one pattern, translated as a whole, so that a language can place the
// values where its grammar wants them. Needs no component and never raises, so start-up failures
// use it too.
QString translatePattern(ConsoleContext& ctx, const QString& pattern, const QStringList& values);

// The translated pattern with %1, %2, ... replaced by the values, by the suite's foundation object.
QString formatText(ConsoleContext& ctx, const QString& pattern, const QList<Variant>& values);

// Translates a form's captions in place and returns them, one per line, each ended by CR LF.
QString loadFormTexts(ConsoleContext& ctx, QObject* form, Variant& extra);

} // namespace zrk
