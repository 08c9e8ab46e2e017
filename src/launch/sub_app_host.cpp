#include "launch/sub_app_host.h"

#include "core/console_context.h"
#include "launch/error_report.h"
#include "launch/hosted_form.h"
#include "launch/key_codes.h"
#include "launch/log_category.h"
#include "launch/operation_log.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "session/diagnostic_log.h"
#include "session/message_boxes.h"
#include "session/session_properties.h"
#include "session/texts.h"

#include <algorithm>

namespace zrk {

namespace {

bool isVoucherEditor(const QString& progId) {
    for (const char* editor : {"VoucherEditor.VoucherEdit", "VoucherReview.VoucherEdit"})
        if (progId.compare(QLatin1String(editor), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

SubAppHost::SubAppHost(ConsoleContext& ctx, IFrameServices& frame, ISubAppView& view)
    : ctx_(ctx), frame_(frame), view_(view), form_(std::make_shared<HostedForm>()) {
    form_->setEvents(this);
    systemName_ = getSessionSubID(ctx_);
    periodText_ = frame_.periodString();
    ctx_.launch().hostWindows.push_back(this);
}

SubAppHost::~SubAppHost() {
    if (form_)
        form_->setEvents(nullptr);
    forget();
}

void SubAppHost::forget() {
    auto& hosts = ctx_.launch().hostWindows;
    hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
}

bool SubAppHost::loadSubApp(const QString& ctrlProgId, const QString& title, bool refresh,
                            const ObjectPtr& evnt) {
    const std::int32_t log = logStart(ctx_, QStringLiteral("QvMainNew.frmSub.LoadSubApp"));
    bool loaded = false;
    try {
        const std::optional<QString> code = operationLogCode(title);
        if (code)
            writeOperationLog(ctx_, *code, kOperationOpening, translate(ctx_, title));
        ctrlProgId_ = ctrlProgId;
        const QString caption = title.isEmpty() ? ctrlProgId : title;
        view_.showCaption(caption);
        frame_.setStatusString(translate(ctx_, QStringLiteral("正在装载 ")) + caption +
                               QStringLiteral("..."));
        control_ = createComponent(ctx_.components(), ctrlProgId, true);
        hosted_ = queryInterface<IHostedControl>(control_);
        view_.placeControl(hosted_->widget());
        bool showsItself = false;
        if (evnt) {
            showsItself = tryInterface<IHostEventsShowsForm>(evnt) != nullptr;
            if (!queryInterface<IHostEvents>(evnt)->hostControl(control_, form_)) {
                close();
                logEnd(ctx_, log, 0);
                return false;
            }
            evnt_ = evnt;
        }
        firstShow_ = true;
        if (showsItself) {
            logEnd(ctx_, log, 0);
            return true;
        }
        loaded = showHostedForm(refresh);
        if (!loaded) {
            close();
        } else if (!form_->staysOpen()) {
            close();
        } else {
            if (caption == QStringLiteral("价格方案"))
                view_.showCaption(translate(ctx_, QStringLiteral("销售价格资料")));
            if (code)
                writeOperationLog(ctx_, *code, kOperationShown, translate(ctx_, title));
            view_.showWindow();
        }
    } catch (const Error& e) {
        reportSuiteError(ctx_, e);
        close();
        loaded = false;
    }
    logEnd(ctx_, log, 0);
    return loaded;
}

bool SubAppHost::showHostedForm(bool refresh) {
    QList<Variant> args;
    if (formKey_.compare(kReportBosTag, Qt::CaseInsensitive) == 0)
        args << Variant(getSessionPropsString(ctx_));
    else if (!refresh)
        args << Variant(false);
    return hosted_->show(form_, args);
}

void SubAppHost::activate() {
    if (view_.isMinimised())
        view_.restore();
    else
        view_.focusControl();
}

void SubAppHost::notify(const QString& message) {
    if (hosted_)
        hosted_->notifyMessage(message);
}

void SubAppHost::activated() {
    if (unloaded_ || !view_.isActiveChild())
        return;
    const std::int32_t log = logStart(ctx_, QStringLiteral("QvMainNew.frmSub.Form_Activate"));
    try {
        frame_.notifyActiveForm(form_);
        if (hosted_) {
            setSessionSubID(ctx_, systemName_);
            if (firstShow_) {
                firstShow_ = false;
                view_.showControl();
                notify(QStringLiteral("FirstShow"));
            }
            if (!view_.isMinimised()) {
                view_.focusControl();
                notify(QStringLiteral("Activate"));
            }
        }
    } catch (const Error& e) {
        reportSuiteError(ctx_, e);
    }
    logEnd(ctx_, log, 0);
}

void SubAppHost::deactivated() {
    try {
        notify(QStringLiteral("Deactivate"));
    } catch (const Error& e) {
        reportSuiteError(ctx_, e);
    }
}

void SubAppHost::close() {
    if (unloaded_)
        return;
    try {
        notify(QStringLiteral("QueryUnload"));
    } catch (const Error& e) {
        logCaughtError(lcLaunch(), "close: the control's QueryUnload failed, the window closes", e);
    }
    unload();
}

void SubAppHost::unload() {
    unloaded_ = true;
    try {
        frame_.setStatusString(QString());
        hosted_.reset();
        control_.reset();
        evnt_.reset();
        frame_.notifyActiveForm(nullptr);
    } catch (const Error& e) {
        logCaughtError(lcLaunch(), "unload: the frame was not told", e);
    }
    view_.removeControl();
    ctrlProgId_.clear();
    forget();
    view_.dispose();
}

KeyRoute SubAppHost::keyDown(int keyCode, int shift) {
    if (keyCode == keycode::F1) {
        frame_.tipHelp();
        return {true, keyCode};
    }
    if (keyCode == keycode::NumpadPlus && isVoucherEditor(ctrlProgId_))
        keyCode = keycode::F12;
    return {frame_.barKeyDown(keyCode, shift), keyCode};
}

bool SubAppHost::keyUp(int keyCode, int shift) {
    if (shift == kAltMask || keyCode == keycode::F10)
        return frame_.barKeyUp(keyCode, shift);
    return false;
}

void SubAppHost::propertyChanged(const QString& propName) {
    const QString name = propName.toLower();
    if (name == QLatin1String("caption")) {
        view_.showCaption(form_->caption());
    } else if (name == QLatin1String("icon")) {
        if (!form_->icon().isEmpty())
            view_.showIcon(form_->icon());
    } else if (name == QLatin1String("statusstring")) {
        if (view_.isActiveChild())
            frame_.setStatusString(form_->statusString());
    } else if (name == QLatin1String("toolbar")) {
        ToolBarLayout layout = form_->toolBar();
        for (BandDefinition& band : layout.bands)
            if (band.bandType == 1) {
                band.bandSetting = 0;
                band.name = QStringLiteral("Menu");
            }
        form_->replaceToolBar(layout);
        if (view_.isActiveChild())
            frame_.setToolBar(&layout);
    } else {
        showMessage(ctx_, QStringLiteral("Unknown PropName : ") + propName, false);
    }
}

void SubAppHost::toolBarClick(const QString& tool, bool& /*use*/) {
    // The control that raised the click is still at work: the window closes after it.
    if (tool.toLower() == QLatin1String("close"))
        view_.closeLater();
}

} // namespace zrk
