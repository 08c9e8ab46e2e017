#pragma once

#include "core/roles/function_roles.h"
#include "platform/component_registry.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace zrk::test {

// ThisForm as a host window would hold it: remembers what the control set.
class RecordingHostedForm : public IHostedForm {
public:
    QString caption() override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    QString icon() override { return icon_; }
    void setIcon(const QString& icon) override { icon_ = icon; }
    QString statusString() override { return status_; }
    void setStatusString(const QString& text) override { status_ = text; }
    ToolBarLayout toolBar() override { return toolBar_; }
    void setToolBar(const ToolBarLayout& layout) override { toolBar_ = layout; }
    void fireToolBarClick(const QString& tool) override {
        bool use = true;
        if (events_)
            events_->toolBarClick(tool, use);
    }
    bool staysOpen() override { return staysOpen_; }
    void setStaysOpen(bool stays) override { staysOpen_ = stays; }
    void setEvents(IHostedFormEvents* events) override { events_ = events; }

private:
    QString caption_, icon_, status_;
    ToolBarLayout toolBar_;
    bool staysOpen_ = true;
    IHostedFormEvents* events_ = nullptr;
};

// One window the service opened.
struct OpenedForm {
    QString systemName, ctrlProgId, formId, title;
    bool global = false;
    ObjectPtr control;
    std::shared_ptr<RecordingHostedForm> form;
    bool shown = false;
};

// The console's service object as far as the functions use it: showForm creates the control by
// ProgID from the registry, asks the event object, shows the control and keeps the window;
// existsSubControl finds a kept window by its form key.
class FakeConsoleService : public Object, public IQVMainService {
public:
    explicit FakeConsoleService(const ComponentRegistry& registry) : registry_(registry) {}

    std::vector<OpenedForm> forms;
    QStringList calledFunctions;

    ObjectPtr showForm(const QString& systemName, const QString& ctrlProgId, const QString& formId,
                       bool global, const QString& title, bool refresh, const ObjectPtr& evnt) override;
    void doCallFunc(const QString& progId, const DictionaryPtr&) override { calledFunctions << progId; }
    ObjectPtr existsSubControl(const QString& formName, bool activateForm) override;
    void refresh(bool) override {}
    std::shared_ptr<ICacheFacade> cache() override { return {}; }
    ObjectPtr timerService() override { return {}; }
    ObjectPtr activeBar() override { return {}; }
    ObjectPtr statusBar() override { return {}; }
    void enterQVApp(const DictionaryPtr&) override {}

private:
    const ComponentRegistry& registry_;
};

inline ObjectPtr FakeConsoleService::showForm(const QString& systemName, const QString& ctrlProgId,
                                              const QString& formId, bool global, const QString& title,
                                              bool refresh, const ObjectPtr& evnt) {
    const QString key = formId.isEmpty() ? ctrlProgId : formId;
    if (global)
        if (ObjectPtr open = existsSubControl(key, true))
            return open;
    OpenedForm opened{systemName,
                      ctrlProgId,
                      key,
                      title,
                      global,
                      registry_.create(ctrlProgId),
                      std::make_shared<RecordingHostedForm>()};
    if (const auto events = tryInterface<IHostEvents>(evnt))
        if (!events->hostControl(opened.control, opened.form))
            return {};
    const auto control = queryInterface<IHostedControl>(opened.control);
    control->widget();
    opened.shown = control->show(opened.form, refresh ? QList<Variant>{} : QList<Variant>{Variant(false)});
    if (!opened.shown || !opened.form->staysOpen())
        return {};
    control->notifyMessage(QStringLiteral("FirstShow"));
    forms.push_back(opened);
    return opened.control;
}

inline ObjectPtr FakeConsoleService::existsSubControl(const QString& formName, bool) {
    for (const OpenedForm& f : forms)
        if (f.formId.compare(formName, Qt::CaseInsensitive) == 0)
            return f.control;
    return {};
}

} // namespace zrk::test
