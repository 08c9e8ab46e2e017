#include "launch/hosted_form.h"

namespace zrk {

void HostedForm::changed(const QString& propName) {
    if (events_)
        events_->propertyChanged(propName);
}

void HostedForm::setCaption(const QString& caption) {
    caption_ = caption;
    changed(QStringLiteral("Caption"));
}

void HostedForm::setIcon(const QString& icon) {
    icon_ = icon;
    changed(QStringLiteral("Icon"));
}

void HostedForm::setStatusString(const QString& text) {
    statusString_ = text;
    changed(QStringLiteral("StatusString"));
}

void HostedForm::setToolBar(const ToolBarLayout& layout) {
    toolBar_ = layout;
    changed(QStringLiteral("ToolBar"));
}

void HostedForm::fireToolBarClick(const QString& tool) {
    bool use = true;
    if (events_)
        events_->toolBarClick(tool, use);
}

} // namespace zrk
