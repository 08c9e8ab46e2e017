#pragma once

#include "core/roles/function_roles.h"
#include "platform/object.h"

namespace zrk {

// ThisForm: the hosted-form object a host window binds its control to. Setting a property
// tells the host which one changed.
class HostedForm : public Object, public IHostedForm {
public:
    QString caption() override { return caption_; }
    void setCaption(const QString& caption) override;
    QString icon() override { return icon_; }
    void setIcon(const QString& icon) override;
    QString statusString() override { return statusString_; }
    void setStatusString(const QString& text) override;
    ToolBarLayout toolBar() override { return toolBar_; }
    void setToolBar(const ToolBarLayout& layout) override;
    void fireToolBarClick(const QString& tool) override;
    bool staysOpen() override { return staysOpen_; }
    void setStaysOpen(bool stays) override { staysOpen_ = stays; }
    void setEvents(IHostedFormEvents* events) override { events_ = events; }

    // The layout recalculated by the host, without telling it again.
    void replaceToolBar(const ToolBarLayout& layout) { toolBar_ = layout; }

private:
    void changed(const QString& propName);

    QString caption_;
    QString icon_;
    QString statusString_;
    ToolBarLayout toolBar_;
    bool staysOpen_ = true;
    IHostedFormEvents* events_ = nullptr;
};

} // namespace zrk
