#pragma once

#include "launch/sub_app_host.h"

#include <QMdiSubWindow>
#include <QPointer>

namespace zrk {

class ConsoleContext;

// frmSub: a child window of the frame's area holding one started function's control. It
// mirrors its presenter and forwards activation, close and keys to it; it sees a key before
// the control does.
class SubAppWindow : public QMdiSubWindow, private ISubAppView {
    Q_OBJECT
public:
    SubAppWindow(ConsoleContext& ctx, IFrameServices& frame, QMdiArea& area);
    ~SubAppWindow() override;

    SubAppHost& host() { return host_; }
    QWidget* controlWidget() const { return control_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ISubAppView
    void showCaption(const QString& caption) override { setWindowTitle(caption); }
    void showIcon(const QString& icon) override;
    void placeControl(QWidget* control) override;
    void removeControl() override;
    void showControl() override;
    void focusControl() override;
    bool isActiveChild() const override;
    bool isMinimised() const override { return isMinimized(); }
    void restore() override;
    void showWindow() override { show(); }
    void closeLater() override;
    void dispose() override;

    void onAreaActivated(QMdiSubWindow* window);
    void setInactive();
    // True when the key was used here and the control is not to see it.
    bool routeKey(QObject* watched, QKeyEvent& key);

    QMdiArea& area_;
    QPointer<QWidget> control_;
    bool active_ = false;
    bool sendingTurnedKey_ = false;
    // The key event routed last, to know it again when it travels up to the parents.
    struct RoutedKey {
        const QEvent* event = nullptr;
        quint64 timestamp = 0;
        int key = 0;
        QPointer<QWidget> receiver;
    } routed_;
    SubAppHost host_;
};

} // namespace zrk
