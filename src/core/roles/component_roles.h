#pragma once

// The roles the console asks of the suite's components during start-up and session handling.
// Components implement them; the console reaches them only through the component registry.

#include "platform/dictionary.h"
#include "platform/variant.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class QObject;

namespace zrk {

// SharedProps.PropStore: named values per process id, shared by every instance.
class IPropStore {
public:
    virtual ~IPropStore() = default;
    virtual void addProperty(std::int32_t processId, const QString& name, const Variant& value) = 0;
    // Empty when there is none.
    virtual Variant getProperty(std::int32_t processId, const QString& name) = 0;
    virtual void delProperty(std::int32_t processId, const QString& name, Variant& reserved) = 0;
};

// ServerCache.CacheFacade: the login-data store. Note the argument order of getItem.
class IServerCache {
public:
    virtual ~IServerCache() = default;
    virtual void add(const QString& category, const QString& name, const Variant& value,
                     const QString& version) = 0;
    virtual Variant getItem(const QString& name, const QString& category, const Variant& defaultValue,
                            const QString& version) = 0;
};

// A login object's session, as the login components hand it over. uuid, ip and machineName
// raise error 438 on older login objects that lack them.
class ILoginSession {
public:
    virtual ~ILoginSession() = default;
    virtual Variant userName() = 0;
    virtual Variant propsString() = 0;
    virtual Variant logStatus() = 0;
    virtual Variant acctName() = 0;
    virtual Variant acctType() = 0;
    virtual Variant setupType() = 0;
    virtual Variant acctID() = 0;
    virtual Variant uuid() = 0;
    virtual Variant ip() = 0;
    virtual Variant machineName() = 0;
};

// OwnerLogin.LoginDialog: the owner's login. After a successful login the object exposes the
// session (ILoginSession).
class IOwnerLogin {
public:
    virtual ~IOwnerLogin() = default;
    // The login dialog; -1 on success. showDialog is true on entry.
    virtual std::int32_t login(const QString& subId, const QString& caption, bool& showDialog) = 0;
    // Logs in without a dialog from the login registry entry of the account set; true on success.
    virtual bool loginStraight(const QString& subId, const QString& caption, std::int32_t& acctId) = 0;
};

// AcctLogin.NoUILogin: a login without any dialog, from given credentials.
class INoUILogin {
public:
    virtual ~INoUILogin() = default;
    // The login status (2 for a logged-on owner, 0 when the credentials are refused).
    virtual std::int32_t login(const QString& subId, const QString& serverName, const Variant& acctId,
                               const QString& userName, const QString& password) = 0;
    virtual QString acctName() = 0;
    virtual QString propsString() = 0;
    virtual std::int32_t acctClosed() = 0;
};

// The suite's login context: prepared before every login, told when a re-login failed.
class ILoginContext {
public:
    virtual ~ILoginContext() = default;
    virtual void prepareLogin() = 0;
    virtual void endFailedLogin() = 0;
};

// CoreObjects.Registry: the suite's registry access.
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // The value under a full key such as "HKEY_LOCAL_MACHINE\SOFTWARE\X"; "" when missing.
    // The flag "1" asks for the value as text.
    virtual Variant getKeyValue(const QString& key, const QString& valueName, const QString& flag) = 0;
    virtual void setKeyValue(const QString& key, const QString& valueName, const Variant& value) = 0;
    virtual void deleteValue(const QString& key, const QString& valueName) = 0;
    // The per-user settings writer: the same stored value that UserSettings.UserProfile reads
    // under (application, section).
    virtual void saveSetting(const QString& application, const QString& section, const QString& key,
                             const Variant& value) = 0;
};

// The suite's foundation object: the process-wide object behind the registry services, with
// the text formatter: %1, %2, ... stand for the values in order, %% for a percent sign.
class IFoundation {
public:
    virtual ~IFoundation() = default;
    virtual QString formatText(const QString& pattern, const QList<Variant>& values) = 0;
};

// UserSettings.UserProfile: per-user settings grouped by application and section.
class IUserProfile {
public:
    virtual ~IUserProfile() = default;
    // Makes the group's values available through dictionary().
    virtual void load(const QString& application, const QString& section) = 0;
    // The loaded group: read with value(key, default), change with set(key, value).
    virtual std::shared_ptr<Dictionary> dictionary() = 0;
    // Writes the group back, with the values set since load().
    virtual void save(const QString& application, const QString& section) = 0;
};

// CloudLogin.Base64: GetBase64(text, true) encodes, GetBase64(text, false) decodes.
class IBase64 {
public:
    virtual ~IBase64() = default;
    virtual QString getBase64(const QString& text, bool encode) = 0;
};

// ExtParams.ParamDecoder: enciphered launch parameters to plain "key=value;" text.
class IParamDecoder {
public:
    virtual ~IParamDecoder() = default;
    virtual QString getPlainParamList(const QString& text, std::int32_t algorithm) = 0;
};

// ServerMgr.clsAct: the application server's account sets.
class IAccountLookup {
public:
    virtual ~IAccountLookup() = default;
    virtual QString getAccountName(std::int32_t acctId) = 0;
};

// LangSupport.LangInfo: "chs", "cht" or "en".
class ILangInfo {
public:
    virtual ~ILangInfo() = default;
    virtual QString currentLanguage() = 0;
};

// ResText.Loader: translated texts from the suite's resource tables.
class ITextLoader {
public:
    virtual ~ITextLoader() = default;
    virtual void setResDirectory(const QString& directory) = 0;
    virtual void setResFileBaseName(const QString& baseName) = 0;
    virtual void setLanguageID(const QString& languageId) = 0;
    virtual QString languageID() const = 0;
    // The translation of a text; the text itself when the table has none.
    virtual QString loadString(const QString& text) = 0;
    // The translation of a text; raises an error when the table has none.
    virtual QString loadString2(const QString& text) = 0;
    virtual void unload() = 0;
};

// FormText.FrmResLoader: translates a form's captions in place and returns them.
class IFormTextLoader {
public:
    virtual ~IFormTextLoader() = default;
    virtual QStringList loadFrmResStrings(QObject*& form, const QString& languageId,
                                          const QString& resDirectory, const QString& baseName,
                                          Variant& extra) = 0;
};

// MsgLog.Log: the suite's diagnostic log.
class IMsgLog {
public:
    virtual ~IMsgLog() = default;
    virtual bool isEnabled() = 0;
    virtual std::int32_t logStart(const QString& text) = 0;
    virtual void logInfo(std::int32_t id, const QString& text) = 0;
    virtual void logEnd(std::int32_t id, std::int32_t value) = 0;
};

} // namespace zrk
