#include "shell/command_dispatch.h"

#include "core/console_context.h"
#include "core/roles/board_roles.h"
#include "core/roles/console_roles.h"
#include "core/roles/menu_roles.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "session/installation.h"
#include "session/session_properties.h"
#include "session/texts.h"
#include "shell/favourites.h"
#include "shell/help_pages.h"
#include "shell/log_category.h"

#include <QCoreApplication>
#include <QUrl>
#include <utility>

namespace zrk {

namespace {

const QString kNoAddress = QStringLiteral("没有配置该网页的地址");

struct Prefix {
    const char* text;
    qsizetype length;
};
const Prefix kFunctionPrefixes[] = {
    {"mnuSet", 6}, {"mnBillDetail", 12}, {"mnBookDetail", 12}, {"mnReportDetail", 14}};

void logMissingRole(const char* where) {
    logCaughtFailure(lcShell(), where, "the role is not wired yet; the click does nothing");
}

} // namespace

CommandDispatcher::CommandDispatcher(ConsoleContext& ctx, BarPresenter& bar, IBarView& view,
                                     ICommandFrame& frame, MenuRoles roles)
    : ctx_(ctx), bar_(bar), view_(view), frame_(frame), roles_(std::move(roles)) {}

bool CommandDispatcher::isFunctionTool(const QString& name) {
    for (const Prefix& prefix : kFunctionPrefixes)
        if (name.left(prefix.length).compare(QLatin1String(prefix.text), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

CommandDispatcher::Handler CommandDispatcher::handlerOf(const QString& name) {
    static const std::pair<const char*, Handler> kCommands[] = {
        {"KillTaskByUserID", &CommandDispatcher::reportSettings},
        {"Quit", &CommandDispatcher::quit},
        {"ChangeSystem", &CommandDispatcher::changeSystem},
        {"miHContents", &CommandDispatcher::helpContents},
        {"Accumulation", &CommandDispatcher::nothing},
        {"RefreshA", &CommandDispatcher::refreshSettings},
        {"About", &CommandDispatcher::about},
        {"ShowCaption", &CommandDispatcher::showCaption},
        {"MDIChild", &CommandDispatcher::windowListEntry},
        {"Arrange", &CommandDispatcher::arrange},
        {"ZrkLink", &CommandDispatcher::forum},
        {"Zrk_OnLine", &CommandDispatcher::onlineService},
        {"MainStyle", &CommandDispatcher::nothing},
        {"mnuDataTransfer", &CommandDispatcher::boardImport},
        {"Import", &CommandDispatcher::boardImport},
    };
    for (const auto& [command, handler] : kCommands)
        if (name == QLatin1String(command))
            return handler;
    return nullptr;
}

void CommandDispatcher::click(ToolPlace place) {
    if (const ToolDefinition* tool = bar_.bar().toolAt(place))
        barClick(*tool);
}

void CommandDispatcher::barClick(const ToolDefinition& clicked) {
    // A command may change the bar (a refresh removes merged tools): the click works on a copy.
    const ToolDefinition tool = clicked;
    try {
        dispatch(tool);
    } catch (const Error& e) {
        logCaughtError(lcShell(), "Bar_Click: the click ended", e);
    }
    bar_.showToolStates();
}

void CommandDispatcher::dispatch(const ToolDefinition& tool) {
    if (const Handler handler = handlerOf(tool.name)) {
        (this->*handler)(tool);
        return;
    }
    otherTool(tool);
}

void CommandDispatcher::otherTool(const ToolDefinition& tool) {
    if (isFunctionTool(tool.name)) {
        if (!roles_.launcher)
            return logMissingRole("Bar_Click: a function tool");
        roles_.launcher->startMenuFunction(tool.tagText, tool.tagNumber);
        return;
    }
    if (tool.name == QLatin1String("mnSetDetail")) {
        favouritesEditor();
        return;
    }
    const auto& index = bar_.index();
    if (!index)
        return;
    const QString known = index->tools.value(tool.id);
    if (known != tool.name && tool.name != kWindowListTool)
        forward(tool);
}

void CommandDispatcher::forward(const ToolDefinition& tool) {
    switch (view_.activeChild()) {
    case ActiveChild::None:
        return;
    case ActiveChild::Board:
        // The board carries no tools of its own on the bar.
        logCaughtFailure(lcShell(), "Bar_Click", "a tool the board does not know");
        return;
    case ActiveChild::Host:
        if (const auto form = view_.activeHostedForm())
            form->fireToolBarClick(tool.name);
        return;
    }
}

void CommandDispatcher::reportSettings(const ToolDefinition&) {
    if (!roles_.boardActions)
        return logMissingRole("Bar_Click: report settings");
    roles_.boardActions->setReport();
}

void CommandDispatcher::quit(const ToolDefinition&) {
    frame_.quit();
}

void CommandDispatcher::changeSystem(const ToolDefinition&) {
    frame_.refreshSystem(true);
}

void CommandDispatcher::helpContents(const ToolDefinition&) {
    tipHelp();
}

void CommandDispatcher::refreshSettings(const ToolDefinition&) {
    if (!roles_.settings || !roles_.boardActions)
        return logMissingRole("Bar_Click: refresh settings");
    roles_.settings->showRefreshSettings(frame_.dialogParent(), roles_.boardActions->refresh());
}

void CommandDispatcher::about(const ToolDefinition&) {
    // The application object the about box reads: the product's title, edition and version.
    auto application = std::make_shared<Dictionary>();
    application->set(QStringLiteral("Title"), translate(ctx_, getProductTitle(ctx_)));
    application->set(QStringLiteral("Edition"), translate(ctx_, getEditionName(getAppType(ctx_))));
    application->set(QStringLiteral("Version"), QCoreApplication::applicationVersion());
    queryInterface<IAboutBox>(createComponent(ctx_.components(), kAboutBoxProgId, true))->show(application);
}

void CommandDispatcher::showCaption(const ToolDefinition& tool) {
    if (ToolDefinition* own = bar_.bar().tool(tool.name))
        bar_.switchCaptions(*own);
}

void CommandDispatcher::windowListEntry(const ToolDefinition& tool) {
    frame_.activateChild(tool.tagNumber);
}

void CommandDispatcher::arrange(const ToolDefinition& tool) {
    frame_.arrangeChildren(tool.tagNumber);
}

// Both import tools go to the board's import, which rebuilds the board when the catalogue changed.
void CommandDispatcher::boardImport(const ToolDefinition&) {
    if (!roles_.boardActions)
        return logMissingRole("Bar_Click: report import");
    roles_.boardActions->importReports();
}

void CommandDispatcher::favouritesEditor() {
    DictionaryPtr params = favouritesEditorParams(ctx_, roles_.programFolder);
    DictionaryPtr answer;
    {
        const auto editor =
            queryInterface<IMenuStore>(createComponent(ctx_.components(), kMenuStoreProgId, true));
        answer = editor->showSetting(params);
    }
    if (!answer || !answer->value(QStringLiteral("isSetting"), false).toBool())
        return;
    refillFavourites();
    if (view_.activeChild() != ActiveChild::None)
        frame_.refreshSystem(true);
}

void CommandDispatcher::refillFavourites() {
    QList<Favourite> favourites;
    try {
        favourites = readFavourites(ctx_);
    } catch (const Error& e) {
        logCaughtError(lcShell(), "refillFavourites: the favourites were not read", e);
    }
    bar_.changeOwnTools([&favourites](Bar& bar) { fillFavouriteBands(bar, favourites); });
}

void CommandDispatcher::showHelp() {
    const QString page = helpStartPage(roles_.programFolder);
    if (page.isEmpty())
        return;
    closeHelpWindows(ctx_);
    frame_.openAddress(QUrl::fromLocalFile(page).toString());
}

void CommandDispatcher::openWebLink(WebLink link) {
    const QString address = webLinkAddress(ctx_, link);
    if (address.isEmpty())
        frame_.setStatusString(translate(ctx_, kNoAddress));
    else if (!frame_.openAddress(address))
        logCaughtFailure(lcShell(), "openWebLink", "the desktop opened no browser");
}

} // namespace zrk
