#pragma once

// A frame, host views and hosted controls that record what the host windows tell them.

#include "launch/sub_app_host.h"
#include "launch_fakes.h"

#include <memory>

namespace zrk::test {

class FakeFrame : public IFrameServices {
public:
    explicit FakeFrame(Calls& calls) : calls_(calls) {}
    void refreshSystem(bool relogin) override {
        calls_.log << QStringLiteral("refreshSystem %1").arg(relogin);
    }
    void setStatusBar() override { calls_.log << QStringLiteral("setStatusBar"); }
    void notifyActiveForm(const std::shared_ptr<IHostedForm>& form) override {
        calls_.log << (form ? QStringLiteral("notifyActiveForm form")
                            : QStringLiteral("notifyActiveForm none"));
    }
    void setStatusString(const QString& text) override {
        status = text;
        calls_.log << QStringLiteral("status ") + text;
    }
    void setToolBar(const ToolBarLayout* layout) override {
        merged = layout ? std::optional<ToolBarLayout>(*layout) : std::nullopt;
        calls_.log << QStringLiteral("setToolBar");
    }
    void tipHelp() override { calls_.log << QStringLiteral("tipHelp"); }
    QString periodString() const override { return QStringLiteral("2026年第5期"); }
    QWidget* mdiArea() override { return nullptr; }
    bool barKeyDown(int key, int shift) override {
        calls_.log << QStringLiteral("barKeyDown %1 %2").arg(key).arg(shift);
        return barUsesKeys;
    }
    bool barKeyUp(int key, int shift) override {
        calls_.log << QStringLiteral("barKeyUp %1 %2").arg(key).arg(shift);
        return barUsesKeys;
    }
    ObjectPtr activeBarObject() override { return bar; }
    ObjectPtr statusBarObject() override { return bar; }

    QString status;
    std::optional<ToolBarLayout> merged;
    bool barUsesKeys = false;
    ObjectPtr bar = std::make_shared<Object>();

private:
    Calls& calls_;
};

class FakeView : public ISubAppView {
public:
    explicit FakeView(Calls& calls) : calls_(calls) {}
    void showCaption(const QString& text) override {
        caption = text;
        calls_.log << QStringLiteral("caption ") + text;
    }
    void showIcon(const QString& icon) override { calls_.log << QStringLiteral("icon ") + icon; }
    void placeControl(QWidget*) override { calls_.log << QStringLiteral("placeControl"); }
    void removeControl() override { calls_.log << QStringLiteral("removeControl"); }
    void showControl() override { calls_.log << QStringLiteral("showControl"); }
    void focusControl() override { calls_.log << QStringLiteral("focusControl"); }
    bool isActiveChild() const override { return active; }
    bool isMinimised() const override { return minimised; }
    void restore() override {
        minimised = false;
        calls_.log << QStringLiteral("restore");
    }
    void showWindow() override {
        visible = true;
        calls_.log << QStringLiteral("showWindow");
    }
    void closeLater() override { calls_.log << QStringLiteral("closeLater"); }
    void dispose() override {
        disposed = true;
        calls_.log << QStringLiteral("dispose");
    }

    QString caption;
    bool active = true;
    bool minimised = false;
    bool visible = false;
    bool disposed = false;

private:
    Calls& calls_;
};

// A hosted control: show answers as told, and may decline to stay open.
class FakeControl : public Object, public IHostedControl {
public:
    FakeControl(Calls& calls, bool shows, bool staysOpen)
        : calls_(calls), shows_(shows), staysOpen_(staysOpen) {}
    QWidget* widget() override { return nullptr; }
    bool show(const std::shared_ptr<IHostedForm>& form, const QList<Variant>& args) override {
        QStringList shown;
        for (const Variant& arg : args)
            shown << arg.toString();
        calls_.log << QStringLiteral("show(%1)").arg(shown.join(QLatin1Char(',')));
        form->setStaysOpen(staysOpen_);
        return shows_;
    }
    void notifyMessage(const QString& message) override { calls_.log << QStringLiteral("notify ") + message; }

private:
    Calls& calls_;
    bool shows_;
    bool staysOpen_;
};

// Host windows as the factory makes them: a real presenter over a fake view, kept by the test.
class FakeHosts : public IHostWindowFactory {
public:
    FakeHosts(ConsoleContext& ctx, Calls& calls) : ctx_(ctx), calls_(calls) {}
    IHostWindow* createHostWindow(IFrameServices& frame) override {
        auto& made = windows.emplace_back();
        made.view = std::make_unique<FakeView>(calls_);
        made.host = std::make_unique<SubAppHost>(ctx_, frame, *made.view);
        return made.host.get();
    }
    struct Window {
        std::unique_ptr<FakeView> view;
        std::unique_ptr<SubAppHost> host;
    };
    std::vector<Window> windows;

private:
    ConsoleContext& ctx_;
    Calls& calls_;
};

class FakeFrames : public IConsoleFrames {
public:
    FakeFrames(Calls& calls, FakeFrame& frame) : calls_(calls), frame_(frame) {}
    IFrameServices* frameServices(bool create) override { return create || frameExists ? &frame_ : nullptr; }
    void bringFrameForward() override { calls_.log << QStringLiteral("bringFrameForward"); }
    bool startWithLogin(const DictionaryPtr& login) override {
        calls_.log << QStringLiteral("startWithLogin %1")
                          .arg(login ? login->item(QStringLiteral("AcctID")).toString() : QString());
        return startSucceeds;
    }
    bool frameExists = true;
    bool startSucceeds = true;

private:
    Calls& calls_;
    FakeFrame& frame_;
};

} // namespace zrk::test
