#pragma once

#include "board/board_window.h"
#include "core/roles/console_roles.h"

#include <QObject>
#include <memory>

namespace zrk {

class ConsoleContext;
class MainFrame;

// The console's windows and the roles they are handed: the frame, created the first time the
// start sequence shows it, gets the owner's login, the board's factory and the service object.
class ConsoleWindows : public QObject, public IMainWindow, public IConsoleLogin {
    Q_OBJECT
public:
    explicit ConsoleWindows(ConsoleContext& ctx, IMainService* service = nullptr);
    ~ConsoleWindows() override;

    void showMainWindow() override;
    std::int32_t loginConsole(bool doLogin, bool force) override;

    // The frame once it was shown; none before.
    MainFrame* frame() const { return frame_.get(); }
    // Brings a visible frame forward; false when there is none to show.
    bool activateFrame();

signals:
    // The frame unloaded: the console has ended.
    void frameUnloaded();

private:
    ConsoleContext& ctx_;
    IMainService* service_;
    BoardWindowFactory boards_;
    std::unique_ptr<MainFrame> frame_;
};

} // namespace zrk
