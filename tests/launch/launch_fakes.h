#pragma once

#include "support/map_prop_store.h"
// Small stand-ins for the suite's components and the frame, recording what the console asks of
// them, for the launch tests.

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "core/roles/console_roles.h"
#include "core/roles/data_roles.h"
#include "core/roles/function_roles.h"
#include "core/roles/ledger_roles.h"
#include "platform/db/qt_printers.h"
#include "session/session_properties.h"

#include <QStringList>
#include <map>
#include <vector>

namespace zrk::test {

// Everything the fakes were asked, in order, as lines of text.
struct Calls {
    QStringList log;
    std::vector<Error> reported;
    std::vector<DictionaryPtr> dictionaries;
    std::map<QString, Variant> props;
    std::map<QString, Variant> serverCache;
};

class FakeSuiteHelper : public Object, public ISuiteHelper {
public:
    explicit FakeSuiteHelper(Calls& calls) : calls_(calls) {}
    bool askYesNo(const QString&, const QString&) override { return true; }
    void reportError(const Error& error) override {
        calls_.reported.push_back(error);
        calls_.log << QStringLiteral("reportError %1").arg(error.number());
    }

private:
    Calls& calls_;
};

class FakeServerCache : public Object, public IServerCache {
public:
    explicit FakeServerCache(Calls& calls) : calls_(calls) {}
    void add(const QString&, const QString& name, const Variant& value, const QString&) override {
        calls_.serverCache[name] = value;
    }
    Variant getItem(const QString& name, const QString& category, const Variant& fallback,
                    const QString&) override {
        calls_.log << QStringLiteral("serverCache %1 %2").arg(category, name);
        const auto it = calls_.serverCache.find(name);
        return it == calls_.serverCache.end() ? fallback : it->second;
    }

private:
    Calls& calls_;
};

class FakeAppConnection : public Object, public IAppConnection {
public:
    explicit FakeAppConnection(Calls& calls) : calls_(calls) {}
    db::RecordsetPtr execute(const QString& sql) override {
        calls_.log << sql;
        return {};
    }
    void execute3(const QString& sql) override { calls_.log << sql; }

private:
    Calls& calls_;
};

// A function started through the service object.
class FakeBizFunction : public Object, public IBizConsole {
public:
    FakeBizFunction(Calls& calls, QString key) : calls_(calls), key_(std::move(key)) {}
    QString subSystemKey() override { return key_; }
    QString periodText() override { return {}; }
    void runFunction(DictionaryPtr& dct, std::shared_ptr<IQVMainService>& service) override {
        calls_.dictionaries.push_back(dct);
        calls_.log << QStringLiteral("run %1 %2")
                          .arg(key_,
                               service ? QStringLiteral("with service") : QStringLiteral("without service"));
    }
    void initSubSystem() override { calls_.log << QStringLiteral("init %1").arg(key_); }

private:
    Calls& calls_;
    QString key_;
};

// A function started directly from the board.
class FakeBoardFunction : public Object, public IBoardFunction {
public:
    explicit FakeBoardFunction(Calls& calls) : calls_(calls) {}
    void setUsedInBossRpt(bool used) override { calls_.log << QStringLiteral("usedInBossRpt %1").arg(used); }
    Variant loadAPPfunc(DictionaryPtr& dct) override {
        calls_.dictionaries.push_back(dct);
        calls_.log << QStringLiteral("loadAPPfunc");
        return {};
    }

private:
    Calls& calls_;
};

// The suite's session of a test: a property string with a SubID item, the fakes registered.
inline void registerSuiteFakes(ConsoleContext& ctx, Calls& calls) {
    ctx.session().processId = 4321;
    ctx.components().add(kPropStoreProgId,
                         [&calls] { return std::make_shared<test::MapPropStore>(calls.props); });
    ctx.components().add(kSuiteHelperProgId, [&calls] { return std::make_shared<FakeSuiteHelper>(calls); });
    ctx.components().add(kServerCacheProgId, [&calls] { return std::make_shared<FakeServerCache>(calls); });
    ctx.components().add(kAppConnectionProgId,
                         [&calls] { return std::make_shared<FakeAppConnection>(calls); });
    calls.props[QStringLiteral("PropsString")] =
        QStringLiteral("ConnectString={Provider=SQLite;Data Source=x.db};UserName=boss;SubID=gl;AcctID=7;");
    calls.props[QStringLiteral("UserName")] = QStringLiteral("boss");
    calls.props[QStringLiteral("AcctID")] = QStringLiteral("7");
    calls.props[QStringLiteral("SubID")] = QStringLiteral("gl");
}

inline QStringList keysOf(const DictionaryPtr& dct) {
    return dct ? dct->keys() : QStringList();
}

} // namespace zrk::test
