#pragma once

#include "board/board_window.h"
#include "core/roles/board_roles.h"
#include "core/roles/console_roles.h"
#include "launch/function_launcher.h"
#include "launch/main_service.h"
#include "launch_widgets/host_window_factory.h"

#include <QObject>
#include <memory>

namespace zrk {

class ConsoleContext;
class MainFrame;

// The console's windows and the roles they are handed: the frame, created the first time the
// start sequence shows it (or hidden, when a started function asks for its bars first), gets
// the owner's login, the board's factory and the service object; the service object gets the
// frame and the maker of host windows; the launcher gets the service object and the board.
class ConsoleWindows : public QObject,
                       public IMainWindow,
                       public IConsoleLogin,
                       public IMainService,
                       public IConsoleFrames,
                       public IBoardActions {
    Q_OBJECT
public:
    // The analysis panel's and the settings dialogs' makers go to the board; without them its
    // analysis regions stay empty and its report settings open nothing.
    explicit ConsoleWindows(ConsoleContext& ctx, IAnalysisPanelFactory* analysis = nullptr,
                            ISettingsDialogs* settings = nullptr);
    ~ConsoleWindows() override;

    void showMainWindow() override;
    std::int32_t loginConsole(bool doLogin, bool force) override;

    // IMainService: the service object published (a failure is reported), its timer stopped.
    void ensureMainService() override;
    void stopTimerService() override;

    // IConsoleFrames
    IFrameServices* frameServices(bool create) override;
    void bringFrameForward() override;
    bool startWithLogin(const DictionaryPtr& loginInfo) override;

    // The process's service object, created and published on the first call; errors pass on.
    std::shared_ptr<QVMainService> mainService();
    IFunctionLauncher& launcher() { return launcher_; }

    // The frame once it was shown; none before.
    MainFrame* frame() const { return loaded_ ? frame_.get() : nullptr; }
    // Brings a visible frame forward; false when there is none to show.
    bool activateFrame();

signals:
    // The frame unloaded: the console has ended.
    void frameUnloaded();

public:
    // IBoardActions for the menus: those of the board the frame shows now (a rebuild makes a
    // new board); without a board they log and do nothing.
    void setReport() override;
    void importReports() override;
    IBoardRefresh& refresh() override;

private:
    // The refresh the menus reach while the frame has no board.
    class NoBoardRefresh : public IBoardRefresh {
    public:
        void setAutoRefresh(bool on, std::int32_t seconds) override;
    };

    void createFrame();
    IBoardActions* boardActions() const;

    ConsoleContext& ctx_;
    ISettingsDialogs* settings_;
    NoBoardRefresh noBoardRefresh_;
    BoardWindowFactory boards_;
    HostWindowFactory hosts_;
    FunctionLauncher launcher_;
    std::unique_ptr<MainFrame> frame_;
    bool loaded_ = false;
    bool starting_ = false;
};

} // namespace zrk
