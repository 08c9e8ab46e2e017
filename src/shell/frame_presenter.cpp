#include "shell/frame_presenter.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "core/roles/ledger_roles.h"
#include "launch/cache_wrapper.h"
#include "launch/error_report.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "platform/twips.h"
#include "session/installation.h"
#include "session/session_properties.h"
#include "session/texts.h"
#include "shell/log_category.h"
#include "shell/module_periods.h"
#include "shell/shutdown_cleanup.h"

#include <functional>

namespace zrk {

namespace {

const QString kUserPanelTip = QStringLiteral("用户名称");
// The product title follows the question directly, as Chinese writes it.
const QString kExitQuestion = QStringLiteral("是否确认退出%1？");

std::shared_ptr<ISuiteHelper> suiteHelper(ConsoleContext& ctx) {
    if (!ctx.session().suiteHelper)
        ctx.session().suiteHelper = createComponent(ctx.components(), kSuiteHelperProgId, true);
    return queryInterface<ISuiteHelper>(ctx.session().suiteHelper);
}

std::shared_ptr<ILedgerData> ledgerData(ConsoleContext& ctx) {
    return queryInterface<ILedgerData>(createComponent(ctx.components(), kLedgerDataProgId, true));
}

using ProfileValue = std::function<Variant(const char* section, const char* key, const char* fallback)>;

// Caches the period texts of the modules listed, as modulePeriodTexts words them.
void cachePeriods(ConsoleContext& ctx, const PeriodTexts& periods, std::initializer_list<const char*> keys) {
    CacheWrapper cache(ctx);
    for (const ModulePeriod& entry : modulePeriodTexts(ctx, periods, getAppType(ctx)))
        for (const char* key : keys)
            if (entry.key == QLatin1String(key))
                cache.add(kPeriodStringCategory, entry.key, entry.text, QString());
}

// A ledger period damaged in the account set (a number too long for the ledger) shows as
// missing; a ledger that cannot be reached at all ends the reading.
Variant ledgerPeriodValue(const std::function<std::int32_t()>& read) {
    try {
        return read();
    } catch (const Error& e) {
        if (e.number() != errnum::Overflow && e.number() != errnum::TypeMismatch)
            throw;
        logCaughtError(lcShell(), "readAndCachePeriods: a damaged ledger period shown as missing", e);
        return {};
    }
}

// The module periods, read and cached one system after the other (stock, cashier, ledger): a
// system whose values cannot be read ends the reading there, with the earlier ones cached. A
// year or period out of range shows as missing ("0000", "0").
PeriodTexts readAndCachePeriods(ConsoleContext& ctx, ILedgerData& ledger, const ProfileValue& value) {
    PeriodTexts periods;
    periods.business = formatText(ctx, kPeriodFormat,
                                  {periodYearText(value("IC", "CurrentYear", "0000")),
                                   periodNumberText(value("IC", "CurrentPeriod", "0"))});
    cachePeriods(ctx, periods, {"cg", "xs", "cc", "hs", "arap"});
    periods.cashier = formatText(ctx, kCashierPeriodFormat,
                                 {periodYearText(value("CN", "CN_CURRENT_YEAR", "0000")),
                                  periodNumberText(value("CN", "CN_CURRENT_PERIOD", "0"))});
    cachePeriods(ctx, periods, {"cn"});
    periods.ledger =
        formatText(ctx, kPeriodFormat,
                   {periodYearText(ledgerPeriodValue([&ledger] { return ledger.glGetCurrentYear(); })),
                    periodNumberText(ledgerPeriodValue([&ledger] { return ledger.glGetCurrentPeriod(); }))});
    cachePeriods(ctx, periods, {"gl", "pa", "fa"});
    return periods;
}

} // namespace

QSize minimumFrameSize(int dpiY) {
    return {twipsToPixels(12000, dpiY), twipsToPixels(9000, dpiY)};
}

QString frameCaption(const QString& productTitle, const QString& maximisedChildTitle) {
    if (maximisedChildTitle.isEmpty())
        return productTitle;
    return productTitle + QStringLiteral(" - [") + maximisedChildTitle + QLatin1Char(']');
}

FramePresenter::FramePresenter(ConsoleContext& ctx, IFrameView& view, FrameRoles roles)
    : ctx_(ctx), view_(view), roles_(roles) {}

QString FramePresenter::productCaption() const {
    return translate(ctx_, getProductTitle(ctx_));
}

void FramePresenter::load() {
    askOnExit_ = true;
    view_.showCaption(productCaption());
    view_.translateForm();
    view_.showUserPanelTip(translate(ctx_, kUserPanelTip));
    setStatusString(QString());
    setStatusBar();
    view_.buildCommandIndex();
    try {
        queryInterface<IRegistry>(createComponent(ctx_.components(), kRegistryProgId, true))
            ->saveSetting(QStringLiteral("EBO"), QStringLiteral("ToolBar"), QStringLiteral("ViewFlag"),
                          QStringLiteral("1"));
    } catch (const Error& e) {
        reportError(e);
    }
    if (roles_.service)
        roles_.service->ensureMainService();
    view_.openBoard(roles_.boards);
}

void FramePresenter::show(int number, const QString& text) {
    if (number < 1 || number > panel::kCount)
        return;
    panels_[static_cast<size_t>(number - 1)] = text;
    view_.showPanel(number, text);
}

QString FramePresenter::panelText(int number) const {
    return number >= 1 && number <= panel::kCount ? panels_[static_cast<size_t>(number - 1)] : QString();
}

void FramePresenter::setStatusBar() {
    try {
        const auto ledger = ledgerData(ctx_);
        show(panel::kAccountSet, QString());
        const auto profile = ledger->systemProfile();
        show(panel::kCompany, profile->companyName());
        show(panel::kAccountSet, getSessionAcctName(ctx_).trimmed());
        const PeriodTexts periods = readAndCachePeriods(
            ctx_, *ledger, [&](const char* section, const char* key, const char* fallback) {
                return profile->getSystemProfile(QString::fromLatin1(section), QString::fromLatin1(key),
                                                 QString::fromLatin1(fallback));
            });
        setModuleAndPeriod(QString(), periods.business, 2);
        show(panel::kUser, getSessionUserName(ctx_));
    } catch (const Error& e) {
        logCaughtError(lcShell(), "setStatusBar: a part of the status bar was not read", e);
        // A part that cannot be read leaves the later panels as they were.
    }
}

void FramePresenter::setModuleAndPeriod(const QString& module, const QString& period, int flags) {
    if (flags & 1)
        moduleText_ = module;
    if (flags & 2)
        periodText_ = period;
    setPeriodString(period);
}

void FramePresenter::setStatusString(const QString& text) {
    show(panel::kStatus, text.isEmpty() ? translate(ctx_, QStringLiteral("就绪")) : text);
}

void FramePresenter::notifyActiveForm(const std::optional<QString>& statusText) {
    setStatusString(statusText.value_or(QString()));
    view_.showCaption(productCaption());
}

void FramePresenter::notifyActiveForm(const std::shared_ptr<IHostedForm>& form) {
    if (!form) {
        setToolBar(nullptr);
        notifyActiveForm(std::optional<QString>());
        return;
    }
    setStatusString(form->statusString());
    const ToolBarLayout layout = form->toolBar();
    setToolBar(&layout);
    view_.showCaption(productCaption());
}

void FramePresenter::setToolBar(const ToolBarLayout* layout) {
    if (layout)
        mergedToolBar_ = *layout;
    else
        mergedToolBar_.reset();
    view_.mergeToolBar(layout);
}

void FramePresenter::updateCaption() {
    view_.showCaption(frameCaption(productCaption(), view_.maximisedChildTitle()));
}

void FramePresenter::refreshEnvironment() {
    ledgerData(ctx_)->refresh(true);
    setStatusBar();
}

void FramePresenter::refreshSystem(bool relogin) {
    view_.closeChildren();
    ctx_.board() = BoardState{};
    try {
        CacheWrapper(ctx_, 1).removeAll();
        if (relogin)
            roles_.login.loginConsole(true, true);
        refreshEnvironment();
        view_.openBoard(roles_.boards);
    } catch (const Error& e) {
        reportError(e);
    }
}

void FramePresenter::userPanelClicked() {
    if (reloginBusy_)
        return;
    reloginBusy_ = true;
    view_.showUserPanelTip(QString());
    refreshSystem(true);
    view_.showUserPanelTip(translate(ctx_, kUserPanelTip));
    reloginBusy_ = false;
}

void FramePresenter::reportError(const Error& error) {
    reportSuiteError(ctx_, error);
}

bool FramePresenter::queryUnload() {
    if (unloaded_)
        return true;
    if (!ctx_.board().built)
        return false;
    if (!askOnExit_)
        return true;
    const QString question = translatePattern(ctx_, kExitQuestion, {productCaption()});
    try {
        return suiteHelper(ctx_)->askYesNo(question, QString());
    } catch (const Error& e) {
        reportError(e);
        return false;
    }
}

void FramePresenter::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    try {
        if (roles_.service)
            roles_.service->stopTimerService();
    } catch (const Error& e) {
        logCaughtError(lcShell(), "unload: the timer service did not stop", e);
    }
    try {
        CacheWrapper(ctx_, 1).removeAll();
    } catch (const Error& e) {
        logCaughtError(lcShell(), "unload: the cache was not emptied", e);
    }
    view_.dropCommandIndex();
    view_.closeChildren();
    ctx_.board() = BoardState{};
    auto& connection = ctx_.session().companyConnection;
    if (connection) {
        try {
            if (connection->state() == 1)
                connection->close();
        } catch (const Error& e) {
            logCaughtError(lcShell(), "unload: the company connection did not close", e);
        }
        connection.reset();
    }
    closeOfflineSyncWindow(ctx_);
    endClientCacheHosts();
}

} // namespace zrk
