#include "startup/console_windows.h"

#include "core/console_context.h"
#include "shell/main_frame.h"
#include "startup/console_start.h"

namespace zrk {

ConsoleWindows::ConsoleWindows(ConsoleContext& ctx, IMainService* service)
    : ctx_(ctx), service_(service), boards_(ctx) {}

ConsoleWindows::~ConsoleWindows() = default;

void ConsoleWindows::showMainWindow() {
    if (!frame_) {
        frame_ = std::make_unique<MainFrame>(ctx_, MainFrame::Roles{*this, boards_, service_});
        connect(frame_.get(), &MainFrame::unloaded, this, &ConsoleWindows::frameUnloaded);
        frame_->resize(1280, 800);
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

bool ConsoleWindows::activateFrame() {
    if (!frame_ || !frame_->isVisible())
        return false;
    frame_->showMaximized();
    frame_->raise();
    frame_->activateWindow();
    return true;
}

} // namespace zrk
