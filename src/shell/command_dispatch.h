#pragma once

#include "shell/bar_presenter.h"
#include "shell/web_links.h"

#include <QString>

class QWidget;

namespace zrk {

class ConsoleContext;
class IBoardActions;
class IFunctionLauncher;
class ISettingsDialogs;

// The frame's part of the commands, as the dispatcher asks it.
class ICommandFrame {
public:
    virtual ~ICommandFrame() = default;
    // The frame's close: its close request, then its unload.
    virtual void quit() = 0;
    virtual void refreshSystem(bool relogin) = 0;
    // Activates the child at that index of the frame's order: restores it when minimised, else
    // gives it the focus.
    virtual void activateChild(int index) = 0;
    // 0 cascade, 1 tile horizontally, 2 tile vertically, 3 arrange icons.
    virtual void arrangeChildren(int style) = 0;
    virtual QWidget* dialogParent() = 0;
    // Opens a web address or a local file's URL with the desktop's default program; false when
    // nothing could open it.
    virtual bool openAddress(const QString& address) = 0;
    virtual void setStatusString(const QString& text) = 0;
};

// What the menus start beyond the frame. A role still missing (nullptr) makes its command log
// and do nothing.
struct MenuRoles {
    IFunctionLauncher* launcher = nullptr;
    IBoardActions* boardActions = nullptr;
    ISettingsDialogs* settings = nullptr;
    // The folder of the program, beside which the help and the favourites' files are.
    QString programFolder;
};

// Bar_Click: a click on any tool of the command bar, dispatched by the tool's name, first match
// wins. A failure ends the click; it is logged, never shown by the dispatch itself.
class CommandDispatcher {
public:
    CommandDispatcher(ConsoleContext& ctx, BarPresenter& bar, IBarView& view, ICommandFrame& frame,
                      MenuRoles roles);

    void setRoles(const MenuRoles& roles) { roles_ = roles; }
    const MenuRoles& roles() const { return roles_; }

    // The tool at that place of the bar; a place without a tool does nothing.
    void click(ToolPlace place);
    void barClick(const ToolDefinition& tool);

    // The help pages: open help windows closed, then the start page in the default browser.
    void showHelp();
    void tipHelp() { showHelp(); }
    void openWebLink(WebLink link);
    // The favourites read again into their bands, which become the console's own tools.
    void refillFavourites();

    // The four prefixes of function tools, ignoring letter case.
    static bool isFunctionTool(const QString& name);

private:
    using Handler = void (CommandDispatcher::*)(const ToolDefinition&);
    static Handler handlerOf(const QString& name);

    void dispatch(const ToolDefinition& tool);
    void reportSettings(const ToolDefinition&);
    void quit(const ToolDefinition&);
    void changeSystem(const ToolDefinition&);
    void helpContents(const ToolDefinition&);
    void nothing(const ToolDefinition&) {}
    void refreshSettings(const ToolDefinition&);
    void about(const ToolDefinition&);
    void showCaption(const ToolDefinition&);
    void windowListEntry(const ToolDefinition& tool);
    void arrange(const ToolDefinition& tool);
    void forum(const ToolDefinition&) { openWebLink(WebLink::Forum); }
    void onlineService(const ToolDefinition&) { openWebLink(WebLink::OnlineService); }
    void boardImport(const ToolDefinition&);
    void favouritesEditor();
    void forward(const ToolDefinition& tool);
    void otherTool(const ToolDefinition& tool);

    ConsoleContext& ctx_;
    BarPresenter& bar_;
    IBarView& view_;
    ICommandFrame& frame_;
    MenuRoles roles_;
};

} // namespace zrk
