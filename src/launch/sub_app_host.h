#pragma once

#include "core/roles/console_roles.h"
#include "core/roles/function_roles.h"

#include <QString>
#include <memory>

class QWidget;

namespace zrk {

class ConsoleContext;
class HostedForm;

inline const QString kReportBosTag = QStringLiteral("REPORTBOS");

// What the host window's presenter asks of its window. The window mirrors; it decides nothing.
class ISubAppView {
public:
    virtual ~ISubAppView() = default;
    virtual void showCaption(const QString& caption) = 0;
    virtual void showIcon(const QString& icon) = 0;
    // Takes the control's widget as the window's content, filling it (the name "Control").
    virtual void placeControl(QWidget* control) = 0;
    virtual void removeControl() = 0;
    virtual void showControl() = 0;
    virtual void focusControl() = 0;
    virtual bool isActiveChild() const = 0;
    virtual bool isMinimised() const = 0;
    virtual void restore() = 0;
    virtual void showWindow() = 0;
    // Closes the window once the current event is done (it then asks close()).
    virtual void closeLater() = 0;
    // The window goes: hidden now, deleted once the current event is done.
    virtual void dispose() = 0;
};

// What a key did in a host window.
struct KeyRoute {
    bool consumed = false;
    // The key the control sees when not consumed (the voucher editors' keypad plus is F12).
    int keyCode = 0;
};

// frmSub's state and decisions: loading the control into a hosted form, the relay between the
// control, its hosted form and the frame, and the unload. Listed in the context's host windows
// from creation to unload. Tested without widgets.
class SubAppHost : public IHostWindow, private IHostedFormEvents {
public:
    SubAppHost(ConsoleContext& ctx, IFrameServices& frame, ISubAppView& view);
    ~SubAppHost() override;
    SubAppHost(const SubAppHost&) = delete;
    SubAppHost& operator=(const SubAppHost&) = delete;

    // IHostWindow
    QString formKey() const override { return formKey_; }
    void setFormKey(const QString& key) override { formKey_ = key; }
    void setSystemName(const QString& name) override { systemName_ = name; }
    bool loadSubApp(const QString& ctrlProgId, const QString& title, bool refresh,
                    const ObjectPtr& evnt) override;
    ObjectPtr control() const override { return control_; }
    void activate() override;

    const std::shared_ptr<HostedForm>& thisForm() const { return form_; }
    QString systemName() const { return systemName_; }
    QString periodText() const { return periodText_; }
    QString ctrlProgId() const { return ctrlProgId_; }
    bool unloaded() const { return unloaded_; }

    // The window's events.
    void activated();
    void deactivated();
    // A close request: the control is told "QueryUnload", then the window unloads.
    void close();
    KeyRoute keyDown(int keyCode, int shift);
    // True when the command bar used the key.
    bool keyUp(int keyCode, int shift);

    // ThisForm's events.
    void propertyChanged(const QString& propName) override;
    void toolBarClick(const QString& tool, bool& use) override;

private:
    bool showHostedForm(bool refresh);
    void notify(const QString& message);
    void unload();
    void forget();

    ConsoleContext& ctx_;
    IFrameServices& frame_;
    ISubAppView& view_;
    std::shared_ptr<HostedForm> form_;
    ObjectPtr control_;
    std::shared_ptr<IHostedControl> hosted_;
    ObjectPtr evnt_;
    QString formKey_;
    QString ctrlProgId_;
    QString systemName_;
    QString periodText_;
    bool firstShow_ = false;
    bool unloaded_ = false;
};

} // namespace zrk
