#pragma once

#include "core/roles/board_roles.h"
#include "core/roles/console_roles.h"
#include "core/roles/function_roles.h"

#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace zrk {

class ConsoleContext;
class Error;

// The status bar's five panels, numbered from 1: status text, company, account set, period and
// user name.
namespace panel {
inline constexpr int kCount = 5;
inline constexpr int kStatus = 1, kCompany = 2, kAccountSet = 3, kPeriod = 4, kUser = 5;
} // namespace panel

// The smallest size the frame takes at the display's vertical dots per inch: 12,000 by 9,000
// twips (800 by 600 pixels at 96).
QSize minimumFrameSize(int dpiY);

// The frame's caption: the product title, with the title of a maximised child in brackets.
QString frameCaption(const QString& productTitle, const QString& maximisedChildTitle);

// The roles the frame is handed: the owner's login, the maker of the main board, the service
// object (none until the console publishes one), and what the menus start: the launcher, the
// board's actions and the settings dialogs (each none until it is wired; its commands then do
// nothing). The program's folder holds the help pages; "" stands for the running program's.
struct FrameRoles {
    IConsoleLogin& login;
    IBoardFactory& boards;
    IMainService* service = nullptr;
    IFunctionLauncher* launcher = nullptr;
    IBoardActions* boardActions = nullptr;
    ISettingsDialogs* settings = nullptr;
    QString programFolder{};
    // Opens an address with the desktop's default program; "" for the desktop's own opener.
    std::function<bool(const QString& address)> openAddress{};
};

// What the frame's presenter asks of its window. The window mirrors; it decides nothing.
class IFrameView {
public:
    virtual ~IFrameView() = default;
    virtual void showCaption(const QString& caption) = 0;
    virtual void showPanel(int number, const QString& text) = 0;
    virtual void showUserPanelTip(const QString& tip) = 0;
    // The title of the active child when it is maximised; "" otherwise.
    virtual QString maximisedChildTitle() const = 0;
    // Places a new main board from the factory, maximised.
    virtual void openBoard(IBoardFactory& boards) = 0;
    // Closes every child window, the board included.
    virtual void closeChildren() = 0;
    // Translates the window's own captions.
    virtual void translateForm() = 0;
    // Builds the command index from the tool bands, or drops it (on unload).
    virtual void buildCommandIndex() = 0;
    virtual void dropCommandIndex() = 0;
    // Merges a hosted form's tool bar into the command bar, or removes the merged tools.
    virtual void mergeToolBar(const ToolBarLayout* layout) = 0;
};

// The frame's state and decisions: caption, status bar and module periods, the exit question,
// the system refresh and the re-login, and the unload order. Tested without widgets.
class FramePresenter {
public:
    FramePresenter(ConsoleContext& ctx, IFrameView& view, FrameRoles roles);

    // Caption, form texts, status text and bar, command index, the tool-bar flag, the service
    // object, then the board.
    void load();
    bool askOnExit() const { return askOnExit_; }
    void setAskOnExit(bool ask) { askOnExit_ = ask; }

    // The status bar from the ledger and the account set; the module periods go to the cache.
    // A part that cannot be read leaves the later panels as they were.
    void setStatusBar();
    void setModuleAndPeriod(const QString& module, const QString& period, int flags);
    void setPeriodString(const QString& text) { show(panel::kPeriod, text); }
    QString periodString() const { return panelText(panel::kPeriod); }
    // An empty text shows "就绪".
    void setStatusString(const QString& text);
    QString statusString() const { return panelText(panel::kStatus); }
    QString moduleText() const { return moduleText_; }
    QString panelText(int number) const;

    // A host window became active with its status text, or none is (a child closed).
    void notifyActiveForm(const std::optional<QString>& statusText);
    // A host window became active with its hosted form (its status text and tool bar shown),
    // or none is (nullptr: no merged tools, the status text empty).
    void notifyActiveForm(const std::shared_ptr<IHostedForm>& form);
    // The hosted form's tool bar merged into the command bar, or none (nullptr); the layout is
    // kept.
    void setToolBar(const ToolBarLayout* layout);
    const std::optional<ToolBarLayout>& mergedToolBar() const { return mergedToolBar_; }
    // A panel's text as a started function sets it through the status bar.
    void setPanelText(int number, const QString& text) { show(number, text); }
    void updateCaption();
    void refreshEnvironment();
    // Closes every child, empties the cache, logs in again when asked, reopens the board.
    void refreshSystem(bool relogin);
    // A click on the user-name panel: one re-login at a time.
    void userPanelClicked();

    // Whether the frame may close now (asks the owner when askOnExit is set).
    bool queryUnload();
    void unload();
    bool unloaded() const { return unloaded_; }

    void reportError(const Error& error);
    QString productCaption() const;

private:
    void show(int number, const QString& text);

    ConsoleContext& ctx_;
    IFrameView& view_;
    FrameRoles roles_;
    std::array<QString, panel::kCount> panels_;
    QString moduleText_;
    QString periodText_;
    std::optional<ToolBarLayout> mergedToolBar_;
    bool askOnExit_ = false;
    bool reloginBusy_ = false;
    bool unloaded_ = false;
};

} // namespace zrk
