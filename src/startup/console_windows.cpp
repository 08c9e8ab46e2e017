#include "startup/console_windows.h"

#include "core/console_context.h"
#include "launch/error_report.h"
#include "shell/main_frame.h"
#include "startup/console_start.h"
#include "startup/log_category.h"

#include <QApplication>

namespace zrk {

ConsoleWindows::ConsoleWindows(ConsoleContext& ctx, IAnalysisPanelFactory* analysis,
                               ISettingsDialogs* settings)
    : ctx_(ctx), settings_(settings), boards_(ctx, &launcher_, this, analysis, settings), hosts_(ctx),
      launcher_(ctx, LauncherRoles{[this] { return std::static_pointer_cast<IQVMainService>(mainService()); },
                                   [this] { return frame_ ? frame_->board() : nullptr; }}) {}

ConsoleWindows::~ConsoleWindows() = default;

void ConsoleWindows::createFrame() {
    frame_ = std::make_unique<MainFrame>(ctx_,
                                         MainFrame::Roles{*this, boards_, this, &launcher_, this, settings_});
    connect(frame_.get(), &MainFrame::unloaded, this, &ConsoleWindows::frameUnloaded);
    frame_->resize(ctx_.desktop().screenSize.value_or(QSize(1280, 800)));
}

IBoardActions* ConsoleWindows::boardActions() const {
    return frame_ ? dynamic_cast<IBoardActions*>(frame_->board()) : nullptr;
}

void ConsoleWindows::setReport() {
    if (IBoardActions* board = boardActions())
        board->setReport();
    else
        qCInfo(lcStartup) << "report settings asked for while the frame has no board";
}

void ConsoleWindows::importReports() {
    if (IBoardActions* board = boardActions())
        board->importReports();
    else
        qCInfo(lcStartup) << "report import asked for while the frame has no board";
}

IBoardRefresh& ConsoleWindows::refresh() {
    IBoardActions* board = boardActions();
    return board ? board->refresh() : noBoardRefresh_;
}

void ConsoleWindows::NoBoardRefresh::setAutoRefresh(bool on, std::int32_t seconds) {
    qCInfo(lcStartup) << "refresh interval set while the frame has no board:" << on << seconds
                      << "(the next board reads the stored setting)";
}

void ConsoleWindows::showMainWindow() {
    if (!frame_)
        createFrame();
    if (!loaded_) {
        loaded_ = true;
        frame_->load();
    }
    frame_->show();
}

std::int32_t ConsoleWindows::loginConsole(bool doLogin, bool force) {
    const std::int32_t result = zrk::loginConsole(ctx_, doLogin, force);
    // A re-login may have chosen another account set: everything read afterwards (the board,
    // the status bar, the ledger's periods) must come from it.
    if (result == -1 && ctx_.session().loggedIn && !followAccountSetChange(ctx_))
        return 0;
    return result;
}

std::shared_ptr<QVMainService> ConsoleWindows::mainService() {
    return getMainService(ctx_, ServiceRoles{*this, hosts_});
}

void ConsoleWindows::ensureMainService() {
    try {
        mainService();
    } catch (const Error& e) {
        reportSuiteError(ctx_, e);
    }
}

void ConsoleWindows::stopTimerService() {
    zrk::stopTimerService(ctx_);
}

IFrameServices* ConsoleWindows::frameServices(bool create) {
    if (!frame_ && create)
        createFrame();
    return frame_.get();
}

void ConsoleWindows::bringFrameForward() {
    if (!frame_)
        return;
    QWidget* popup = QApplication::activeModalWidget();
    if (frame_->isMinimized())
        frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    frame_->raise();
    frame_->activateWindow();
    if (popup && popup != frame_.get()) {
        popup->raise();
        popup->activateWindow();
    }
}

bool ConsoleWindows::startWithLogin(const DictionaryPtr& loginInfo) {
    // A start already under way (its login still open) is not started again.
    if (starting_)
        return false;
    starting_ = true;
    const bool running = startConsole(ctx_, *this, loginInfo) == StartOutcome::Running;
    starting_ = false;
    return running;
}

bool ConsoleWindows::activateFrame() {
    if (!frame_ || !frame_->isVisible())
        return false;
    frame_->showMaximized();
    frame_->raise();
    frame_->activateWindow();
    return true;
}

} // namespace zrk
