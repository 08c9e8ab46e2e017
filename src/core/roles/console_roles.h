#pragma once

// The roles the console's subsystems ask of each other. A subsystem is handed the roles it
// needs when it is created; none includes another one's widgets to call it.

#include "platform/dictionary.h"

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace zrk {

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

// Starts a suite function by ProgID with its parameter dictionary (the service start).
class IFunctionLauncher {
public:
    virtual ~IFunctionLauncher() = default;
    virtual void doCallFunc(const QString& progId, const DictionaryPtr& params) = 0;
};

// The main board as the frame drives it. Its widget belongs to the frame's area once placed.
class IBoard {
public:
    virtual ~IBoard() = default;
    virtual QWidget* widget() = 0;
    // Asks for a new build the next time the board becomes active while maximised.
    virtual void setStartFlag(bool start) = 0;
    // The board became active (maximised or not) or inactive.
    virtual void activate(bool maximised) = 0;
    virtual void deactivate() = 0;
    // Called once each time the board has been built.
    virtual void onBuilt(std::function<void()> callback) = 0;
};

// Makes the main board for the frame; the frame owns what it gets through the board's widget.
class IBoardFactory {
public:
    virtual ~IBoardFactory() = default;
    virtual IBoard* createBoard() = 0;
};

} // namespace zrk
