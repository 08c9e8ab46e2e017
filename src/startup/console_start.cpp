#include "startup/console_start.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "core/roles/console_roles.h"
#include "db/connections.h"
#include "db/console_tables.h"
#include "db/environment_checks.h"
#include "platform/caught_error.h"
#include "platform/vb_conversions.h"
#include "session/installation.h"
#include "session/message_boxes.h"
#include "session/property_string.h"
#include "session/session_properties.h"
#include "session/texts.h"
#include "startup/command_line.h"
#include "startup/log_category.h"

#include <QGuiApplication>

namespace zrk {

namespace {

// A failure during start: its description in a box titled with the application title (the one
// setBusyMessages set, or the console's own before it ran).
void showStartFailure(ConsoleContext& ctx, const Error& error) {
    const QString title = ctx.busy().appTitle.isEmpty() ? kConsoleAppTitle : ctx.busy().appTitle;
    ctx.prompts().messageBox(translate(ctx, error.description()), translate(ctx, title),
                             MessageIcon::Critical, MessageButtons::Ok);
}

// Before every login the suite's login context is prepared; it lives for the process.
void prepareLogin(ConsoleContext& ctx) {
    if (!ctx.session().loginContext)
        ctx.session().loginContext = createComponent(ctx.components(), kLoginContextProgId, true);
    queryInterface<ILoginContext>(ctx.session().loginContext)->prepareLogin();
}

void openMainWindow(ConsoleContext& ctx, IMainWindow& window) {
    window.showMainWindow();
    ctx.session().loggedIn = true;
}

std::optional<std::int32_t> numberIn(const QString& text) {
    if (text.isEmpty() || !vb::isNumeric(text))
        return std::nullopt;
    try {
        return vb::clng(text);
    } catch (const Error& e) {
        logCaughtError(lcStartup(), "numberIn: not a 32-bit number", e);
        return std::nullopt;
    }
}

// Publishes the session of a decoded property string, as the command-line start does.
void publishCommandLineSession(ConsoleContext& ctx, const QString& props) {
    ctx.session().sharedProps = createComponent(ctx.components(), kPropStoreProgId, true);
    const auto store = queryInterface<IPropStore>(ctx.session().sharedProps);
    const std::int32_t pid = ctx.session().processId;
    auto item = [&props](const char* key) {
        return getPropValue(props, QString::fromLatin1(key), QStringLiteral(";"));
    };
    const QString logStatus = item("LogStatus");
    const std::pair<const char*, Variant> values[] = {
        {"UserID", item("UserID")},
        {"UserName", item("UserName")},
        {"PropsString", props},
        {"LogStatus", numberIn(logStatus) ? Variant(*numberIn(logStatus)) : Variant(logStatus)},
        {"AcctName", item("AcctName")},
        {"AcctType", item("AcctType")},
        {"Setuptype", item("SetupType")},
        {"UsedInBossRpt", std::int16_t{1}},
        {"UUID", item("UUID")},
        {"IP", item("IP")},
        {"MachineName", item("MachineName")},
    };
    for (const auto& [name, value] : values)
        store->addProperty(pid, QString::fromLatin1(name), value);
    if (const auto id = numberIn(item("AcctID")))
        ctx.session().currentAcctID = *id;
}

} // namespace

void setBusyMessages(ConsoleContext& ctx) {
    ctx.busy().appTitle = kConsoleAppTitle;
    ctx.busy().title = QStringLiteral("Quorvel提示");
    ctx.busy().pendingText = QStringLiteral("组件正在调用服务器......");
    ctx.busy().busyText = QStringLiteral("程序组件正在调用服务器，请稍候......");
    ctx.busy().timeoutMs = 50000;
    // The application title is what the desktop shows for the program (window list, task bar).
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setApplicationDisplayName(translate(ctx, ctx.busy().appTitle));
}

void preloadComponents(ConsoleContext& ctx) {
    for (const char* progId : {"CoreObjects.Dictionary", "FormKit.FormDef", "ResText.Loader"})
        createComponent(ctx.components(), QString::fromLatin1(progId), true);
}

bool initConsoleEnvironment(ConsoleContext& ctx) {
    openCompanyConnection(ctx);
    checkCompanyDatabaseWritable(ctx, *ctx.session().companyConnection);
    db::ConnectionPtr local = openLocalConnection(ctx);
    bool ready = false;
    try {
        ready = ensureConsoleTables(ctx, *ctx.session().companyConnection, *local);
    } catch (...) {
        closeConnection(local);
        throw;
    }
    closeConnection(local);
    return ready;
}

bool followAccountSetChange(ConsoleContext& ctx) {
    auto& company = ctx.session().companyConnection;
    const QString connect = getBraceField(getSessionPropsString(ctx), 0);
    if (company && company->connectionString() == connect)
        return true;
    closeConnection(company);
    return initConsoleEnvironment(ctx);
}

CommandLineStart startFromCommandLine(ConsoleContext& ctx, IMainWindow& window, const QString& commandLine) {
    const QString text = stripCommandLine(commandLine);
    if (text.isEmpty())
        return CommandLineStart::NoSession;
    const QString encoded = getPropValue(text, QStringLiteral("PropsString"), QStringLiteral(";"));
    if (encoded.isEmpty())
        return CommandLineStart::NoSession;
    try {
        setBusyMessages(ctx);
        preloadComponents(ctx);
        prepareLogin(ctx);
        QString props;
        {
            const auto base64 =
                queryInterface<IBase64>(createComponent(ctx.components(), kBase64ProgId, true));
            props = base64->getBase64(encoded, false);
            sessionConnectString(props); // a session without an account set is refused at once
            if (!checkAccountingSetup(ctx, props))
                return CommandLineStart::Ended;
            publishCommandLineSession(ctx, props);
            const QString loginInfo = getPropValue(text, QStringLiteral("LoginInfo"), QStringLiteral(";"));
            if (!loginInfo.isEmpty()) {
                const QString info = base64->getBase64(loginInfo, false);
                auto item = [&info](const char* key) {
                    return getPropValue(info, QString::fromLatin1(key), QStringLiteral(";"));
                };
                const QString acctId = item("Login_AcctID");
                queryInterface<IPropStore>(ctx.session().sharedProps)
                    ->addProperty(ctx.session().processId, QStringLiteral("AcctID"), acctId);
                if (const auto id = numberIn(acctId))
                    ctx.session().currentAcctID = *id;
                for (const char* name : {"Login_Server_Name", "Login_User_Name", "Login_User_Pwd"})
                    cacheLoginValue(ctx, QString::fromLatin1(name), item(name), QStringLiteral("{System}"));
            }
        }
        resetTextResources(ctx, QString());
        if (!initConsoleEnvironment(ctx))
            return CommandLineStart::Ended;
        openMainWindow(ctx, window);
        return CommandLineStart::Running;
    } catch (const Error& e) {
        showStartFailure(ctx, e);
        return CommandLineStart::Ended;
    }
}

StartOutcome startConsole(ConsoleContext& ctx, IMainWindow& window, const DictionaryPtr& login) {
    try {
        setBusyMessages(ctx);
        preloadComponents(ctx);
        bool registryWritable = true;
        QString registryCause;
        try {
            queryInterface<IRegistry>(createComponent(ctx.components(), kRegistryProgId, true))
                ->saveSetting(QStringLiteral("EBO"), QStringLiteral("ZRKLogin"), QStringLiteral("RegVoke"),
                              QStringLiteral("1"));
        } catch (const Error& e) {
            logCaughtError(lcStartup(), "startConsole: the per-user settings are not writable", e);
            registryWritable = false;
            registryCause = e.description();
        }
        if (!registryWritable && !login) {
            // The fixed advice, then the file and the cause, so the owner knows what to repair.
            showMessage(ctx,
                        translatePattern(
                            ctx, QStringLiteral("注册表权限不够，请参考安装目录的帮助文件进行权限配置。\n%1"),
                            {registryCause}),
                        false);
            return StartOutcome::Ended;
        }
        ctx.session().externalLaunch = false;
        if (login)
            silentLogin(ctx, *login);
        else if (loginConsole(ctx, true, false) != -1)
            return StartOutcome::Ended;
        if (!initConsoleEnvironment(ctx))
            return StartOutcome::Ended;
        resetTextResources(ctx, QString());
        openMainWindow(ctx, window);
        return StartOutcome::Running;
    } catch (const Error& e) {
        showStartFailure(ctx, e);
        return StartOutcome::Ended;
    }
}

void silentLogin(ConsoleContext& ctx, const Dictionary& login) {
    const auto account =
        queryInterface<INoUILogin>(ctx.objectFactory().create(kNoUILoginProgId, QString(), true));
    const Variant acctId = login.item(QStringLiteral("AcctID"));
    const std::int32_t status = account->login(QStringLiteral("super"), QString(), acctId,
                                               login.value(QStringLiteral("Username"), QString()).toString(),
                                               login.value(QStringLiteral("Password"), QString()).toString());
    const QString props = account->propsString();
    // A refused login has no session to publish; going on would only fail later on an empty
    // connection string.
    if (props.isEmpty())
        throw Error(errnum::InvalidProcedureCall, kNoUILoginProgId,
                    QStringLiteral("账套登录失败：用户名或密码不正确。"));
    buildLoginDictionary(ctx, props, acctId, status, account->acctName(), account->acctClosed());
    ctx.session().currentAcctID = vb::clng(acctId);
}

std::int32_t loginConsole(ConsoleContext& ctx, bool doLogin, bool force) {
    if (!doLogin)
        return 0;
    if (ctx.session().loggedIn && !force)
        return -1;
    prepareLogin(ctx);
    const ObjectPtr object = createComponent(ctx.components(), kOwnerLoginProgId, true);
    const auto dialog = queryInterface<IOwnerLogin>(object);
    if (const auto acctId = decodeExternalLaunch(ctx, ctx.session().commandLine)) {
        ctx.session().externalLaunch = true;
        std::int32_t id = *acctId;
        bool loggedOn = false;
        try {
            loggedOn = dialog->loginStraight(QStringLiteral("super"), translate(ctx, kLoginCaption), id);
        } catch (const Error& e) {
            // The launch's credentials were refused: the reason is the owner's to see.
            logCaughtError(lcStartup(), "loginConsole: the launch login was refused", e);
            showMessage(ctx, e.description(), false);
            return 0;
        }
        if (!loggedOn) {
            showMessage(ctx, QStringLiteral("启动参数的登录信息没有留下，无法自动登录。"), false);
            return 0;
        }
        publishFromLoginObject(ctx, *queryInterface<ILoginSession>(object));
        return -1;
    }
    const DictionaryPtr snapshot = snapshotSession(ctx);
    bool showDialog = true;
    if (dialog->login(QStringLiteral("super"), translate(ctx, kLoginCaption), showDialog) == -1) {
        publishFromLoginObject(ctx, *queryInterface<ILoginSession>(object));
        return -1;
    }
    restoreSession(ctx, snapshot);
    return 0;
}

} // namespace zrk
