#pragma once

// The roles the console's subsystems ask of each other. A subsystem is handed the roles it
// needs when it is created; none includes another one's widgets to call it.

#include "platform/dictionary.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace zrk {

class IHostedForm;
struct ToolBarLayout;

// The owner's interactive login, offered by the start-up code (the frame logs in again when the
// user-name panel is clicked).
class IConsoleLogin {
public:
    virtual ~IConsoleLogin() = default;
    // -1 on success, 0 otherwise; with force, also when a session is already open.
    virtual std::int32_t loginConsole(bool doLogin, bool force) = 0;
};

// The main window as the start sequence sees it: created on the first call, then shown.
class IMainWindow {
public:
    virtual ~IMainWindow() = default;
    virtual void showMainWindow() = 0;
};

// The console's service object as the frame sees it: published when the frame loads, its timer
// service stopped when the frame unloads.
class IMainService {
public:
    virtual ~IMainService() = default;
    virtual void ensureMainService() = 0;
    virtual void stopTimerService() = 0;
};

// The mouse pointer of what was clicked to start a function (a board label): the hourglass
// while the function starts, its own custom pointer (the hand) afterwards.
class IPointerTarget {
public:
    virtual ~IPointerTarget() = default;
    virtual void showBusyPointer() = 0;
    virtual void showCustomPointer() = 0;
};

// Starts a suite function by ProgID with its parameter dictionary (the service start).
class IFunctionLauncher {
public:
    virtual ~IFunctionLauncher() = default;
    virtual void doCallFunc(const QString& progId, const DictionaryPtr& params) = 0;
    // The direct start of a board launch text; errors pass on to the caller.
    virtual void startBoardFunction(const QString& launchText, IPointerTarget& label) = 0;
    // The service start of a favourite's menu launch text, its click counted first.
    virtual void startMenuFunction(const QString& launchText, std::int32_t innerId) = 0;
};

// The frame as the service object and the host windows ask things of it.
class IFrameServices {
public:
    virtual ~IFrameServices() = default;
    virtual void refreshSystem(bool relogin) = 0;
    virtual void setStatusBar() = 0;
    // A host window became active with its hosted form, or none is (a child closed or
    // deactivated: nullptr).
    virtual void notifyActiveForm(const std::shared_ptr<IHostedForm>& form) = 0;
    virtual void setStatusString(const QString& text) = 0;
    // Merges a hosted form's tool bar into the command bar, or removes the merged tools (nullptr).
    virtual void setToolBar(const ToolBarLayout* layout) = 0;
    virtual void tipHelp() = 0;
    virtual QString periodString() const = 0;
    // The frame's multiple-document area, where host windows go (a QMdiArea).
    virtual QWidget* mdiArea() = 0;
    // The command bar's key handlers: true when the bar used the key.
    virtual bool barKeyDown(int keyCode, int shift) = 0;
    virtual bool barKeyUp(int keyCode, int shift) = 0;
    // The command bar and the status bar as objects for started functions.
    virtual ObjectPtr activeBarObject() = 0;
    virtual ObjectPtr statusBarObject() = 0;
};

// The console's windows as the service object sees them; start-up implements it.
class IConsoleFrames {
public:
    virtual ~IConsoleFrames() = default;
    // The frame; with create, made (not shown) when there is none yet. nullptr otherwise.
    virtual IFrameServices* frameServices(bool create) = 0;
    // Brings the shown frame and its last active pop-up forward, restoring a minimised frame.
    virtual void bringFrameForward() = 0;
    // Starts the console with another program's login information (the start-up path); false
    // when the start ended (its reason has been shown).
    virtual bool startWithLogin(const DictionaryPtr& loginInfo) = 0;
};

// A sub-application host window as the service object drives it.
class IHostWindow {
public:
    virtual ~IHostWindow() = default;
    // The window tag: the form key.
    virtual QString formKey() const = 0;
    virtual void setFormKey(const QString& key) = 0;
    virtual void setSystemName(const QString& name) = 0;
    // Creates and shows the control; false (and the window unloaded) when it could not.
    virtual bool loadSubApp(const QString& ctrlProgId, const QString& title, bool refresh,
                            const ObjectPtr& evnt) = 0;
    // The hosted control's own object, none before loadSubApp or after unload.
    virtual ObjectPtr control() const = 0;
    // Restores a minimised window, else gives it the focus.
    virtual void activate() = 0;
};

// Makes new host windows inside the frame; the window belongs to the frame's area and unloads
// itself.
class IHostWindowFactory {
public:
    virtual ~IHostWindowFactory() = default;
    // A new, loaded, hidden host window, or nullptr when there is no frame to hold it.
    virtual IHostWindow* createHostWindow(IFrameServices& frame) = 0;
};

// The main board as the frame drives it. Its widget belongs to the frame's area once placed.
class IBoard {
public:
    virtual ~IBoard() = default;
    virtual QWidget* widget() = 0;
    // Asks for a new build the next time the board becomes active while maximised.
    virtual void setStartFlag(bool start) = 0;
    // False while a function started from the board or a menu is starting, true afterwards.
    virtual void setLaunchFlag(bool launched) = 0;
    // The board became active (maximised or not) or inactive.
    virtual void activate(bool maximised) = 0;
    virtual void deactivate() = 0;
    // Called once each time the board has been built.
    virtual void onBuilt(std::function<void()> callback) = 0;
    // What the owner reads on the board, region by region in screen order, one line a region
    // ("常用资料: 供应商, 客户, …"), then the analysis panel's lines.
    virtual QStringList ownerLines() const = 0;
};

// Makes the main board for the frame; the frame owns what it gets through the board's widget.
class IBoardFactory {
public:
    virtual ~IBoardFactory() = default;
    virtual IBoard* createBoard() = 0;
};

} // namespace zrk
