#pragma once

#include "platform/dictionary.h"
#include "shell/frame_presenter.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>

namespace zrk {

class BoardFrame;
class ConsoleContext;
class StatusPanels;

// What the main window reads from an active host window.
class IHostedFormView {
public:
    virtual ~IHostedFormView() = default;
    virtual QString statusString() = 0;
};

// The console's frame window: a multiple-document area holding the main board and the host
// windows of started functions, the command bar, and the status bar with its five panels. It
// mirrors its presenter and forwards the area's and the panels' events to it.
class MainFrame : public QMainWindow, private IFrameView {
    Q_OBJECT
public:
    using Roles = FrameRoles;

    MainFrame(ConsoleContext& ctx, Roles roles, QWidget* parent = nullptr);
    ~MainFrame() override;

    static QSize minimumFrameSize(int dpiY) { return zrk::minimumFrameSize(dpiY); }

    void load();
    void setAskOnExit(bool ask) { presenter_.setAskOnExit(ask); }

    // Status bar.
    void setStatusBar() { presenter_.setStatusBar(); }
    void setModuleAndPeriod(const QString& module, const QString& period, int flags) {
        presenter_.setModuleAndPeriod(module, period, flags);
    }
    void setPeriodString(const QString& text) { presenter_.setPeriodString(text); }
    QString periodString() const { return presenter_.periodString(); }
    void setStatusString(const QString& text) { presenter_.setStatusString(text); }
    QString statusString() const { return presenter_.statusString(); }
    QString moduleText() const { return presenter_.moduleText(); }
    StatusPanels& panels() const { return *panels_; }

    // A host window became active (itself), or a child closed or deactivated (nullptr).
    void notifyActiveForm(QObject* form);
    void refreshEnvironment() { presenter_.refreshEnvironment(); }
    void refreshSystem(bool relogin) { presenter_.refreshSystem(relogin); }

    IBoard* board() const;
    QMdiArea* mdiArea() const { return mdi_; }
    const DictionaryPtr& bandIndex() const { return bandIndex_; }
    const DictionaryPtr& toolIndex() const { return toolIndex_; }

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

    void onSubWindowActivated(QMdiSubWindow* window);
    void unload();

    ConsoleContext& ctx_;
    QMdiArea* mdi_;
    StatusPanels* panels_;
    QPointer<BoardFrame> boardFrame_;
    DictionaryPtr bandIndex_;
    DictionaryPtr toolIndex_;
    FramePresenter presenter_;
};

} // namespace zrk
