#pragma once

#include "shell/bar_presenter.h"
#include "shell/command_dispatch.h"
#include "shell/frame_presenter.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>

namespace zrk {

class BarMenus;
class BoardFrame;
class ConsoleContext;
class StatusPanels;

// The console's frame window: a multiple-document area holding the main board and the host
// windows of started functions, the command bar, and the status bar with its five panels. It
// mirrors its presenter and forwards the area's and the panels' events to it.
class MainFrame : public QMainWindow,
                  public IFrameServices,
                  private IFrameView,
                  private IBarView,
                  private ICommandFrame {
    Q_OBJECT
public:
    using Roles = FrameRoles;

    MainFrame(ConsoleContext& ctx, Roles roles, QWidget* parent = nullptr);
    ~MainFrame() override;

    static QSize minimumFrameSize(int dpiY) { return zrk::minimumFrameSize(dpiY); }

    void load();
    void setAskOnExit(bool ask) { presenter_.setAskOnExit(ask); }

    // Status bar.
    void setStatusBar() override { presenter_.setStatusBar(); }
    void setModuleAndPeriod(const QString& module, const QString& period, int flags) {
        presenter_.setModuleAndPeriod(module, period, flags);
    }
    void setPeriodString(const QString& text) { presenter_.setPeriodString(text); }
    QString periodString() const override { return presenter_.periodString(); }
    void setStatusString(const QString& text) override { presenter_.setStatusString(text); }
    QString statusString() const { return presenter_.statusString(); }
    QString moduleText() const { return presenter_.moduleText(); }
    StatusPanels& panels() const { return *panels_; }

    // A host window became active (its hosted form), or a child closed or deactivated (nullptr).
    void notifyActiveForm(const std::shared_ptr<IHostedForm>& form) override;
    void setToolBar(const ToolBarLayout* layout) override { presenter_.setToolBar(layout); }
    const std::optional<ToolBarLayout>& mergedToolBar() const { return presenter_.mergedToolBar(); }
    void refreshEnvironment() { presenter_.refreshEnvironment(); }
    void refreshSystem(bool relogin) override { presenter_.refreshSystem(relogin); }
    void showHelp() { commands_.showHelp(); }
    void tipHelp() override { commands_.tipHelp(); }
    QMdiArea* mdiArea() override { return mdi_; }
    // The command bar's menus are not built yet: no key is theirs.
    bool barKeyDown(int, int) override { return false; }
    bool barKeyUp(int, int) override { return false; }
    ObjectPtr activeBarObject() override;
    ObjectPtr statusBarObject() override;
    void setPanelText(int number, const QString& text) { presenter_.setPanelText(number, text); }
    QString panelText(int number) const { return presenter_.panelText(number); }

    IBoard* board() const;

    // The command bar: its state, its dispatch (Bar_Click) and its widgets.
    BarPresenter& commandBar() { return bar_; }
    CommandDispatcher& commands() { return commands_; }
    BarMenus& menus() const { return *menus_; }
    // The roles the menus start, wired once they exist.
    void setMenuRoles(IFunctionLauncher* launcher, IBoardActions* boardActions, ISettingsDialogs* settings);

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // IFrameView
    void showCaption(const QString& caption) override { setWindowTitle(caption); }
    void showPanel(int number, const QString& text) override;
    void showUserPanelTip(const QString& tip) override;
    QString maximisedChildTitle() const override;
    void openBoard(IBoardFactory& boards) override;
    void closeChildren() override;
    void translateForm() override;
    void buildCommandIndex() override;
    void dropCommandIndex() override;
    void mergeToolBar(const ToolBarLayout* layout) override { bar_.setToolBar(layout); }

    // IBarView
    void showBar(const Bar& bar) override;
    void showBand(const Bar& bar, const QString& band) override;
    void showToolStates(const Bar& bar) override;
    void suspendUpdates(bool suspend) override { setUpdatesEnabled(!suspend); }
    QList<ChildWindowEntry> childWindows() const override;
    ActiveChild activeChild() const override;
    std::shared_ptr<IHostedForm> activeHostedForm() const override;
    void relayoutActiveChild() override;

    // ICommandFrame
    void quit() override { close(); }
    void activateChild(int index) override;
    void arrangeChildren(int style) override;
    QWidget* dialogParent() override { return this; }
    bool openAddress(const QString& address) override;

    QList<QMdiSubWindow*> listedChildren() const;
    void onSubWindowActivated(QMdiSubWindow* window);
    void unload();

    ConsoleContext& ctx_;
    QMdiArea* mdi_;
    StatusPanels* panels_;
    QPointer<BoardFrame> boardFrame_;
    std::weak_ptr<IHostedForm> activeForm_;
    std::function<bool(const QString&)> openAddress_;
    BarMenus* menus_;
    BarPresenter bar_;
    CommandDispatcher commands_;
    FramePresenter presenter_;
};

} // namespace zrk
