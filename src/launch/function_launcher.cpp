#include "launch/function_launcher.h"

#include "core/console_context.h"
#include "core/roles/data_roles.h"
#include "core/roles/function_roles.h"
#include "launch/launch_text.h"
#include "platform/component_registry.h"
#include "session/session_properties.h"

namespace zrk {

namespace {

// Gives the label its own pointer back when the start ends, however it ends.
class PointerRestore {
public:
    explicit PointerRestore(IPointerTarget& label) : label_(label) {}
    ~PointerRestore() { label_.showCustomPointer(); }
    PointerRestore(const PointerRestore&) = delete;
    PointerRestore& operator=(const PointerRestore&) = delete;

private:
    IPointerTarget& label_;
};

} // namespace

void FunctionLauncher::doCallFunc(const QString& progId, const DictionaryPtr& params) {
    roles_.service()->doCallFunc(progId, params);
}

void FunctionLauncher::startBoardFunction(const QString& launchText, IPointerTarget& label) {
    DictionaryPtr dct = boardParameters(launchText, getSessionUserName(ctx_));
    label.showBusyPointer();
    PointerRestore restore(label);
    dct->set(QStringLiteral("AcctID"), getSessionAcctID(ctx_));
    for (const char* name : {"Login_Server_Name", "Login_User_Name", "Login_User_Pwd"}) {
        const QString key = QString::fromLatin1(name);
        dct->set(key, getCachedValue(ctx_, key, kServerCacheSystemCategory));
    }
    const QString progId = dct->item(QStringLiteral("ClassObject")).toString();
    const auto function = queryInterface<IBoardFunction>(ctx_.components().create(progId));
    function->setUsedInBossRpt(true);
    dct->set(QStringLiteral("ConnectString"), getSessionPropsString(ctx_));
    function->loadAPPfunc(dct);
}

void FunctionLauncher::countClick(std::int32_t innerId) {
    const auto connection =
        queryInterface<IAppConnection>(createComponent(ctx_.components(), kAppConnectionProgId, true));
    // The id is a number of its own, written in decimal: nothing else reaches the statement.
    connection->execute3(kClickCountUpdate + QString::number(innerId));
}

void FunctionLauncher::setLaunchFlag(bool launched) {
    if (IBoard* board = roles_.board ? roles_.board() : nullptr)
        board->setLaunchFlag(launched);
}

void FunctionLauncher::startMenuFunction(const QString& launchText, std::int32_t innerId) {
    countClick(innerId);
    const DictionaryPtr dct = menuParameters(launchText);
    const QString className = dct->item(QStringLiteral("FClassName")).toString();
    if (className.left(5).toLower() != QLatin1String("other")) {
        setLaunchFlag(false);
        try {
            roles_.service()->doCallFunc(className, dct);
        } catch (...) {
            setLaunchFlag(true);
            throw;
        }
    }
    setLaunchFlag(true);
}

} // namespace zrk
