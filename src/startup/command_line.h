#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace zrk {

class ConsoleContext;

inline const QString kParamDecoderProgId = QStringLiteral("ExtParams.ParamDecoder");

// The command line trimmed, with one enclosing double quote removed at each end.
QString stripCommandLine(const QString& commandLine);

// True when the process was started only to serve the console's objects: one of the arguments
// is "-Embedding" as a whole (in any letter case, quotes around it ignored). A text that merely
// holds the word inside another ("Username=x-embedding") is no such start.
bool isEmbeddingLaunch(const QStringList& arguments);
// The same for a launch text, whose arguments are the words between white space.
bool isEmbeddingLaunch(const QString& commandLine);

// The value after the first "key=" (letter case as written) up to the next ";" or the end;
// none when the key is missing.
std::optional<QString> launchItem(const QString& text, const QString& key);

// The value of "AlgID=" as a 32-bit number (blanks around it allowed); none when it is empty, not
// a whole number or beyond 32 bits.
std::optional<std::int32_t> launchNumber(const QString& value);

// The plain text of "VYTParams=" with algorithm 0: it holds ";" itself, so it runs up to the
// "AlgID=" item behind it (keeping its last ";") or to the end.
std::optional<QString> plainLaunchText(const QString& text);

// The account-set ID, user and password handed over by another program of the suite through
// "VYTParams=" and "AlgID=". Writes the login registry entry and returns the account-set ID;
// none when the command line holds no complete external launch (or one was already taken). An
// AlgID that is no number, and parameters that do not decode, are reported before none is returned.
std::optional<std::int32_t> decodeExternalLaunch(ConsoleContext& ctx, const QString& commandLine);

} // namespace zrk
