#pragma once

#include "core/roles/console_roles.h"
#include "platform/dictionary.h"

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
// windows of started functions, the command bar, and the status bar with its five panels.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The roles the frame is handed: the owner's login, the maker of the main board, and the
    // service object (none until the console publishes one).
    struct Roles {
        IConsoleLogin& login;
        IBoardFactory& boards;
        IMainService* service = nullptr;
    };

    MainFrame(ConsoleContext& ctx, Roles roles, QWidget* parent = nullptr);
    ~MainFrame() override;

    // The smallest size the frame takes at the display's vertical dots per inch.
    static QSize minimumFrameSize(int dpiY);

    // Caption, texts, status bar, command index, tool-bar flag, then the board.
    void load();
    // Whether closing asks the owner first (set by load).
    void setAskOnExit(bool ask) { askOnExit_ = ask; }

    // Status bar.
    void setStatusBar();
    void setModuleAndPeriod(const QString& module, const QString& period, int flags);
    void setPeriodString(const QString& text);
    QString periodString() const;
    void setStatusString(const QString& text);
    QString statusString() const;
    QString moduleText() const { return moduleText_; }
    StatusPanels& panels() const { return *panels_; }

    // A host window became active (itself), or a child closed or deactivated (nullptr).
    void notifyActiveForm(QObject* form);
    void refreshEnvironment();
    // Closes every child, empties the cache, logs in again when asked, reopens the board.
    void refreshSystem(bool relogin);

    IBoard* board() const;
    QMdiArea* mdiArea() const { return mdi_; }
    const DictionaryPtr& bandIndex() const { return bandIndex_; }
    const DictionaryPtr& toolIndex() const { return toolIndex_; }

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool queryUnload();
    void unload();
    void openBoard();
    void closeChildren();
    void buildCommandIndex();
    void updateCaption();
    void onSubWindowActivated(QMdiSubWindow* window);
    void onUserPanelClicked();
    void reportError(const class Error& error);
    QString productCaption() const;

    ConsoleContext& ctx_;
    Roles roles_;
    QMdiArea* mdi_;
    StatusPanels* panels_;
    QPointer<BoardFrame> boardFrame_;
    bool askOnExit_ = false;
    bool reloginBusy_ = false;
    bool unloaded_ = false;
    DictionaryPtr bandIndex_;
    DictionaryPtr toolIndex_;
    QString moduleText_;
    QString periodText_;
};

} // namespace zrk
