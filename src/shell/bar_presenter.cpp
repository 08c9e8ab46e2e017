#include "shell/bar_presenter.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "platform/vb_conversions.h"
#include "session/installation.h"
#include "session/texts.h"
#include "session/user_settings.h"
#include "shell/log_category.h"

namespace zrk {

namespace {

const QString kViewFlagApp = QStringLiteral("EBO");
const QString kViewFlagSection = QStringLiteral("ToolBar");
const QString kViewFlagKey = QStringLiteral("ViewFlag");

// The customise dialog's captions, in the order the dialog takes them.
const QString kCustomiseTexts[] = {
    QStringLiteral(
        "自定义;工具栏;命令;工具栏(&A):;新建(&N);重命名(&R);删除(&D);重新设置(&S);类别(&C):;命令(D):;描述;"),
    QStringLiteral(
        "关闭(&E);新建工具栏;工具栏名称(&N):;确定(&O);取消(&C);重命名工具栏;是否真要删除“%s”工具栏？;"),
    QStringLiteral("Quorvel企业级财务软件;该工具栏名已经存在，请输入其他名称。;"),
};

constexpr int kClearedBandFlag = 64, kSetBandFlag = 512;

} // namespace

void applyCaptionDisplay(ToolBarLayout& layout, bool shown) {
    for (BandDefinition& band : layout.bands) {
        if (band.bandType != kPlainToolBand)
            continue;
        band.flags = (band.flags & ~kClearedBandFlag) | kSetBandFlag;
        for (ToolDefinition& tool : band.tools) {
            if (tool.controlType == 0) {
                tool.captionPosition = shown ? 4 : 0;
                tool.style = shown ? 3 : 0;
            }
            tool.displayFlags = shown ? 34 : 16;
        }
        return;
    }
}

BarCustomisation barCustomisation(ConsoleContext& ctx) {
    BarCustomisation result;
    for (const QString& text : kCustomiseTexts)
        result.localeString += translate(ctx, text);
    result.fontName = translate(ctx, QStringLiteral("宋体"));
    result.fontSize = 9;
    return result;
}

BarPresenter::BarPresenter(ConsoleContext& ctx, IBarView& view, Bar bar)
    : ctx_(ctx), view_(view), bar_(std::move(bar)) {}

void BarPresenter::buildIndex() {
    index_ = bar_.buildIndex();
}

void BarPresenter::setToolBar(const ToolBarLayout* layout) {
    view_.suspendUpdates(true);
    if (index_)
        bar_.removeMerged(*index_);
    merged_.reset();
    if (layout) {
        merged_ = *layout;
        bar_.merge(*layout, index_.value_or(CommandIndex{}));
        customisation_ = barCustomisation(ctx_);
    }
    view_.showBar(bar_);
    view_.suspendUpdates(false);
}

void BarPresenter::changeOwnTools(const std::function<void(Bar&)>& change) {
    if (index_)
        bar_.removeMerged(*index_);
    change(bar_);
    index_ = bar_.buildIndex();
    if (merged_)
        bar_.merge(*merged_, *index_);
    view_.showBar(bar_);
}

void BarPresenter::bandOpened(const QString& bandName) {
    if (bandName == kWindowBand) {
        bar_.fillWindowList(view_.childWindows());
        view_.showBand(bar_, bandName);
        return;
    }
    const BandDefinition* band = bar_.band(bandName);
    const bool viewMenu =
        bandName == kViewBand || (band && band->caption == translate(ctx_, QStringLiteral("查看")));
    if (viewMenu && view_.activeChild() == ActiveChild::Host)
        applyCaptionDisplay(2);
}

// The bar does not switch a tool's checked state by itself before it reports a click, so the
// switch stores the state the owner asked for: the flipped one.
void BarPresenter::switchCaptions(ToolDefinition& tool) {
    const bool shown = !tool.checked;
    tool.checked = shown;
    if (view_.activeChild() == ActiveChild::Host)
        applyCaptionDisplay(shown ? -1 : 0);
    view_.showToolStates(bar_);
}

void BarPresenter::applyCaptionDisplay(int mode) {
    const std::shared_ptr<IHostedForm> form = view_.activeHostedForm();
    bool shown = mode != 0;
    if (mode == 2)
        shown = viewFlagShown();
    else
        storeViewFlag(mode);
    if (form) {
        ToolBarLayout layout = form->toolBar();
        const ToolBarLayout before = layout;
        zrk::applyCaptionDisplay(layout, shown);
        // The form tells the frame of its new tool bar, which merges it again.
        if (!(layout == before))
            form->setToolBar(layout);
        view_.relayoutActiveChild();
    }
    setShowCaptionChecked(shown);
}

bool BarPresenter::viewFlagShown() {
    const Variant flag = getUserSetting(ctx_, kViewFlagApp, kViewFlagSection, kViewFlagKey, QString());
    return vb::val(flag.toString()) != 0;
}

void BarPresenter::storeViewFlag(int state) {
    try {
        queryInterface<IRegistry>(createComponent(ctx_.components(), kRegistryProgId, true))
            ->saveSetting(kViewFlagApp, kViewFlagSection, kViewFlagKey, QString::number(state));
    } catch (const Error& e) {
        logCaughtError(lcShell(), "applyCaptionDisplay: the caption display was not stored", e);
    }
}

void BarPresenter::setShowCaptionChecked(bool checked) {
    if (ToolDefinition* tool = bar_.tool(kShowCaptionTool))
        tool->checked = checked;
    view_.showToolStates(bar_);
}

} // namespace zrk
