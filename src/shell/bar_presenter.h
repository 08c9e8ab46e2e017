#pragma once

#include "shell/command_bar.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace zrk {

class ConsoleContext;
class IHostedForm;

inline const QString kShowCaptionTool = QStringLiteral("ShowCaption");
inline const QString kViewBand = QStringLiteral("mnuView");
// The hosted form's plain tool bar, whose buttons show their captions or not.
inline const QString kHostedToolBand = QStringLiteral("bndTool");

// What the frame's child windows are, as the command bar asks.
enum class ActiveChild { None, Board, Host };

// The command bar's widgets and the frame's windows, as the bar's presenter asks of them.
class IBarView {
public:
    virtual ~IBarView() = default;
    // Shows the whole bar anew (menu bar, drop-down menus, tool bars).
    virtual void showBar(const Bar& bar) = 0;
    // Shows one band's tools anew (a menu about to drop down).
    virtual void showBand(const Bar& bar, const QString& band) = 0;
    // Shows the checked states, captions and pictures of the tools shown.
    virtual void showToolStates(const Bar& bar) = 0;
    virtual void suspendUpdates(bool suspend) = 0;
    // The frame's children in their order, the active one marked.
    virtual QList<ChildWindowEntry> childWindows() const = 0;
    virtual ActiveChild activeChild() const = 0;
    // The active host window's hosted form; none when the active child is no host window.
    virtual std::shared_ptr<IHostedForm> activeHostedForm() const = 0;
    // Sends the active child a size event so that it lays itself out again.
    virtual void relayoutActiveChild() = 0;
};

// The customisation texts, font and size the bar sets for a merged layout.
struct BarCustomisation {
    QString localeString;
    QString fontName;
    int fontSize = 0;
};

// The state of the command bar: its bands, the console's own tools (the command index), the
// hosted form's tools merged into it, the window list and the caption display of a hosted
// form's tool bar. Tested without widgets.
class BarPresenter {
public:
    BarPresenter(ConsoleContext& ctx, IBarView& view, Bar bar);

    const Bar& bar() const { return bar_; }
    Bar& bar() { return bar_; }
    const std::optional<CommandIndex>& index() const { return index_; }
    const BarCustomisation& customisation() const { return customisation_; }

    // The console's own tools as they are now become the command index.
    void buildIndex();
    void dropIndex() { index_.reset(); }

    // Changes the console's own tools: the merged ones are taken out, the change made, the
    // command index built anew and the hosted form's menus merged again.
    void changeOwnTools(const std::function<void(Bar&)>& change);

    // Removes the tools merged earlier, then merges the layout's menus (none: only removes).
    void setToolBar(const ToolBarLayout* layout);

    // A band is about to drop down: the window list, or the caption display of the View menu.
    void bandOpened(const QString& bandName);

    // The ShowCaption switch: flips the tool, then stores and applies the new state to the
    // active hosted form's tool bar.
    void switchCaptions(ToolDefinition& tool);
    // Mode 2 takes the state from the per-user setting; any other mode is the state to store.
    void applyCaptionDisplay(int mode);

    void showToolStates() { view_.showToolStates(bar_); }
    void showBar() { view_.showBar(bar_); }

private:
    bool viewFlagShown();
    void storeViewFlag(int state);
    void setShowCaptionChecked(bool checked);

    ConsoleContext& ctx_;
    IBarView& view_;
    Bar bar_;
    std::optional<CommandIndex> index_;
    std::optional<ToolBarLayout> merged_;
    BarCustomisation customisation_;
};

// Steps 3 and 4 of the caption display on a layout: the first plain tool bar's flags (clear 64,
// set 512), its plain buttons' caption position and style and every tool's display flags.
void applyCaptionDisplay(ToolBarLayout& layout, bool shown);

// The customise dialog's texts, joined and translated, with the font and its size.
BarCustomisation barCustomisation(ConsoleContext& ctx);

} // namespace zrk
