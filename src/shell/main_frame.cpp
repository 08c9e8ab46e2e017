#include "shell/main_frame.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "core/roles/ledger_roles.h"
#include "launch/cache_wrapper.h"
#include "platform/component_registry.h"
#include "platform/vb_conversions.h"
#include "session/installation.h"
#include "session/message_boxes.h"
#include "session/session_properties.h"
#include "session/texts.h"
#include "shell/board_frame.h"
#include "shell/module_periods.h"
#include "shell/shutdown_cleanup.h"
#include "shell/status_panels.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>

namespace zrk {

namespace {

std::shared_ptr<ISuiteHelper> suiteHelper(ConsoleContext& ctx) {
    if (!ctx.session().suiteHelper)
        ctx.session().suiteHelper = createComponent(ctx.components(), kSuiteHelperProgId, true);
    return queryInterface<ISuiteHelper>(ctx.session().suiteHelper);
}

std::shared_ptr<ILedgerData> ledgerData(ConsoleContext& ctx) {
    return queryInterface<ILedgerData>(createComponent(ctx.components(), kLedgerDataProgId, true));
}

} // namespace

MainFrame::MainFrame(ConsoleContext& ctx, Roles roles, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), roles_(roles), mdi_(new QMdiArea(this)),
      panels_(new StatusPanels(*statusBar())) {
    setObjectName(QStringLiteral("MDIMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    auto* bar = addToolBar(QStringLiteral("Bar"));
    bar->setObjectName(QStringLiteral("Bar"));
    setMinimumSize(minimumFrameSize(logicalDpiY()));
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::onSubWindowActivated);
    connect(panels_, &StatusPanels::userPanelClicked, this, &MainFrame::onUserPanelClicked);
    panels_->panel(StatusPanels::kUser)->setToolTip(translate(ctx_, QStringLiteral("用户名称")));
}

MainFrame::~MainFrame() {
    if (!unloaded_)
        unload();
}

QSize MainFrame::minimumFrameSize(int dpiY) {
    const int dpi = dpiY > 0 ? dpiY : 96;
    return {800 * dpi / 96, 600 * dpi / 96};
}

QString MainFrame::productCaption() const {
    return translate(ctx_, getProductTitle(ctx_));
}

void MainFrame::load() {
    askOnExit_ = true;
    setWindowTitle(productCaption());
    Variant none;
    loadFormTexts(ctx_, this, none);
    setStatusString(QString());
    setStatusBar();
    buildCommandIndex();
    try {
        queryInterface<IRegistry>(createComponent(ctx_.components(), kRegistryProgId, true))
            ->saveSetting(QStringLiteral("EBO"), QStringLiteral("ToolBar"), QStringLiteral("ViewFlag"),
                          QStringLiteral("1"));
    } catch (const Error& e) {
        reportError(e);
    }
    if (roles_.service)
        roles_.service->ensureMainService();
    openBoard();
    QCoreApplication::processEvents();
}

void MainFrame::buildCommandIndex() {
    bandIndex_ = std::make_shared<Dictionary>();
    toolIndex_ = std::make_shared<Dictionary>();
    for (QToolBar* band : findChildren<QToolBar*>()) {
        auto tools = std::make_shared<Dictionary>();
        for (QAction* tool : band->actions()) {
            if (tool->objectName().isEmpty())
                continue;
            tools->set(tool->objectName(), tool->objectName());
            const QVariant id = tool->property("toolId");
            if (id.isValid())
                toolIndex_->set(QString::number(id.toInt()), tool->objectName());
        }
        bandIndex_->set(band->objectName(), ObjectPtr(tools));
    }
}

void MainFrame::openBoard() {
    IBoard* board = roles_.boards.createBoard();
    boardFrame_ = new BoardFrame(board);
    mdi_->addSubWindow(boardFrame_);
    board->setStartFlag(true);
    connect(boardFrame_, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates now) {
                if (boardFrame_ && mdi_->activeSubWindow() == boardFrame_ && (now & Qt::WindowMaximized))
                    boardFrame_->board()->activate(true);
                updateCaption();
            });
    boardFrame_->showMaximized();
}

IBoard* MainFrame::board() const {
    return boardFrame_ ? boardFrame_->board() : nullptr;
}

void MainFrame::onSubWindowActivated(QMdiSubWindow* window) {
    if (boardFrame_) {
        if (window == boardFrame_)
            boardFrame_->board()->activate(boardFrame_->isMaximized());
        else
            boardFrame_->board()->deactivate();
    }
    updateCaption();
}

void MainFrame::updateCaption() {
    QString caption = productCaption();
    if (QMdiSubWindow* active = mdi_->activeSubWindow(); active && active->isMaximized())
        caption += QStringLiteral(" - [") + active->windowTitle() + QLatin1Char(']');
    setWindowTitle(caption);
}

void MainFrame::setStatusBar() {
    try {
        const auto ledger = ledgerData(ctx_);
        panels_->setText(StatusPanels::kAccountSet, QString());
        const auto profile = ledger->systemProfile();
        panels_->setText(StatusPanels::kCompany, profile->companyName());
        panels_->setText(StatusPanels::kAccountSet, getSessionAcctName(ctx_).trimmed());

        CacheWrapper cache(ctx_);
        const int appType = getAppType(ctx_);
        auto store = [&](const PeriodTexts& periods, std::initializer_list<const char*> keys) {
            for (const ModulePeriod& entry : modulePeriodTexts(ctx_, periods, appType))
                for (const char* key : keys)
                    if (entry.key == QLatin1String(key))
                        cache.add(kPeriodStringCategory, entry.key, entry.text, QString());
        };
        PeriodTexts periods;
        periods.business =
            formatText(ctx_, kPeriodFormat,
                       {profile->getSystemProfile(QStringLiteral("IC"), QStringLiteral("CurrentYear"),
                                                  QStringLiteral("0000")),
                        profile->getSystemProfile(QStringLiteral("IC"), QStringLiteral("CurrentPeriod"),
                                                  QStringLiteral("0"))});
        store(periods, {"cg", "xs", "cc", "hs", "arap"});
        periods.cashier =
            formatText(ctx_, kCashierPeriodFormat,
                       {profile->getSystemProfile(QStringLiteral("CN"), QStringLiteral("CN_CURRENT_YEAR"),
                                                  QStringLiteral("0000")),
                        profile->getSystemProfile(QStringLiteral("CN"), QStringLiteral("CN_CURRENT_PERIOD"),
                                                  QStringLiteral("0"))});
        store(periods, {"cn"});
        periods.ledger = formatText(ctx_, kPeriodFormat,
                                    {vb::format(ledger->glGetCurrentYear(), QStringLiteral("0000")),
                                     vb::format(ledger->glGetCurrentPeriod(), QStringLiteral("0"))});
        store(periods, {"gl", "pa", "fa"});
        setModuleAndPeriod(QString(), periods.business, 2);
        panels_->setText(StatusPanels::kUser, getSessionUserName(ctx_));
    } catch (const Error&) {
        // A part that cannot be read leaves the later panels as they were.
    }
}

void MainFrame::setModuleAndPeriod(const QString& module, const QString& period, int flags) {
    if (flags & 1)
        moduleText_ = module;
    if (flags & 2)
        periodText_ = period;
    setPeriodString(period);
}

void MainFrame::setPeriodString(const QString& text) {
    panels_->setText(StatusPanels::kPeriod, text);
}
QString MainFrame::periodString() const {
    return panels_->text(StatusPanels::kPeriod);
}

void MainFrame::setStatusString(const QString& text) {
    panels_->setText(StatusPanels::kStatus, text.isEmpty() ? translate(ctx_, QStringLiteral("就绪")) : text);
}

QString MainFrame::statusString() const {
    return panels_->text(StatusPanels::kStatus);
}

void MainFrame::notifyActiveForm(QObject* form) {
    auto* hosted = dynamic_cast<IHostedFormView*>(form);
    setStatusString(hosted ? hosted->statusString() : QString());
    setWindowTitle(productCaption());
}

void MainFrame::refreshEnvironment() {
    ledgerData(ctx_)->refresh(true);
    setStatusBar();
}

void MainFrame::closeChildren() {
    // The area reports activations while its windows go; nothing here is to react to them.
    const QSignalBlocker quiet(mdi_);
    boardFrame_.clear();
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (auto* board = qobject_cast<BoardFrame*>(window))
            board->allowClose();
        window->close();
        delete window;
    }
    ctx_.board().built = false;
    ctx_.board().active = false;
}

void MainFrame::refreshSystem(bool relogin) {
    closeChildren();
    try {
        CacheWrapper(ctx_, 1).removeAll();
        if (relogin)
            roles_.login.loginConsole(true, true);
        refreshEnvironment();
        openBoard();
    } catch (const Error& e) {
        reportError(e);
    }
}

void MainFrame::reportError(const Error& error) {
    try {
        suiteHelper(ctx_)->reportError(error);
    } catch (const Error&) {
        showMessage(ctx_, error.description(), false);
    }
}

void MainFrame::onUserPanelClicked() {
    if (reloginBusy_)
        return;
    reloginBusy_ = true;
    QLabel* user = panels_->panel(StatusPanels::kUser);
    user->setToolTip(QString());
    refreshSystem(true);
    user->setToolTip(translate(ctx_, QStringLiteral("用户名称")));
    reloginBusy_ = false;
}

bool MainFrame::queryUnload() {
    if (!ctx_.board().built)
        return false;
    if (!askOnExit_)
        return true;
    const QString question = translate(ctx_, QStringLiteral("是否确认退出")) + productCaption() +
                             translate(ctx_, QStringLiteral("？"));
    try {
        return suiteHelper(ctx_)->askYesNo(question, QString());
    } catch (const Error& e) {
        reportError(e);
        return false;
    }
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (unloaded_ || !queryUnload()) {
        event->setAccepted(unloaded_);
        return;
    }
    unload();
    event->accept();
}

void MainFrame::unload() {
    unloaded_ = true;
    try {
        if (roles_.service)
            roles_.service->stopTimerService();
    } catch (const Error&) {
    }
    try {
        CacheWrapper(ctx_, 1).removeAll();
    } catch (const Error&) {
    }
    bandIndex_.reset();
    toolIndex_.reset();
    closeChildren();
    if (ctx_.session().companyConnection) {
        try {
            if (ctx_.session().companyConnection->state() == 1)
                ctx_.session().companyConnection->close();
        } catch (const Error&) {
        }
        ctx_.session().companyConnection.reset();
    }
    closeOfflineSyncWindow(ctx_);
    endClientCacheHosts();
    emit unloaded();
}

} // namespace zrk
