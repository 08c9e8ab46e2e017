#pragma once

#include "platform/dictionary.h"
#include "platform/variant.h"

#include <QString>

namespace zrk {

class ConsoleContext;
class ILoginSession;

// ProgIDs of the components behind the session properties.
inline const QString kPropStoreProgId = QStringLiteral("SharedProps.PropStore");
inline const QString kServerCacheProgId = QStringLiteral("ServerCache.CacheFacade");

// The value of a session property of this process; Empty when it was never published.
Variant getSessionProperty(ConsoleContext& ctx, const QString& name);

QString getSessionAcctID(ConsoleContext& ctx);
QString getSessionUserName(ConsoleContext& ctx);
QString getSessionPropsString(ConsoleContext& ctx);
QString getSessionAcctName(ConsoleContext& ctx);
bool isLogStatusTwo(ConsoleContext& ctx);

// Publishes the session of a login object. A failure of the first eight additions passes on
// unchanged; UUID, IP and MachineName are skipped when the object lacks them. Afterwards the
// console's current account-set ID is the object's AcctID.
void publishFromLoginObject(ConsoleContext& ctx, ILoginSession& login);

// Publishes the session held in a login dictionary; failures are ignored.
void publishFromDictionary(ConsoleContext& ctx, const Dictionary& login);

// Builds the login dictionary of a property string and publishes it; returns the dictionary.
DictionaryPtr buildLoginDictionary(ConsoleContext& ctx, const QString& propsString, const Variant& acctID,
                                   const Variant& loginResult, const QString& acctName,
                                   const Variant& acctClosed);

// The ten session properties of a snapshot, or none when fewer than eight could be read.
DictionaryPtr snapshotSession(ConsoleContext& ctx);
void restoreSession(ConsoleContext& ctx, const DictionaryPtr& snapshot);

// Makes the given ID the session's sub-system, in the property string and in SubID.
void setSessionSubID(ConsoleContext& ctx, const QString& subID);
QString getSessionSubID(ConsoleContext& ctx);

// The property string with its SubID item set to the ID; a string without the item gets one
// appended.
QString withSubID(const QString& propsString, const QString& subID);

void cacheLoginValue(ConsoleContext& ctx, const QString& name, const Variant& value, const QString& category);
Variant getCachedValue(ConsoleContext& ctx, const QString& name, const QString& category);

} // namespace zrk
