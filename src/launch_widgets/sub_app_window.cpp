#include "launch_widgets/sub_app_window.h"

#include "launch/key_codes.h"
#include "session/texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiArea>
#include <QTimer>

namespace zrk {

SubAppWindow::SubAppWindow(ConsoleContext& ctx, IFrameServices& frame, QMdiArea& area)
    : area_(area), host_(ctx, frame, *this) {
    setObjectName(QStringLiteral("frmSub"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    Variant none;
    loadFormTexts(ctx, this, none);
    connect(&area_, &QMdiArea::subWindowActivated, this, &SubAppWindow::onAreaActivated);
    qApp->installEventFilter(this);
}

SubAppWindow::~SubAppWindow() {
    qApp->removeEventFilter(this);
}

void SubAppWindow::showIcon(const QString& icon) {
    setWindowIcon(QIcon::hasThemeIcon(icon) ? QIcon::fromTheme(icon) : QIcon(icon));
}

void SubAppWindow::placeControl(QWidget* control) {
    if (!control)
        return;
    control->setObjectName(QStringLiteral("Control"));
    setWidget(control); // the window's content fills its inner area as it resizes
    control_ = control;
}

void SubAppWindow::removeControl() {
    if (!control_)
        return;
    QWidget* control = control_;
    control_.clear();
    setWidget(nullptr);
    control->deleteLater();
}

void SubAppWindow::showControl() {
    if (control_ && !control_->isVisible())
        control_->show();
}

void SubAppWindow::focusControl() {
    if (area_.activeSubWindow() != this)
        area_.setActiveSubWindow(this);
    if (control_)
        control_->setFocus();
}

bool SubAppWindow::isActiveChild() const {
    return area_.activeSubWindow() == this;
}

void SubAppWindow::restore() {
    showNormal();
    area_.setActiveSubWindow(this);
}

void SubAppWindow::closeLater() {
    QTimer::singleShot(0, this, [this] { close(); });
}

void SubAppWindow::dispose() {
    hide();
    deleteLater();
}

void SubAppWindow::setInactive() {
    if (!active_)
        return;
    active_ = false;
    host_.deactivated();
}

void SubAppWindow::onAreaActivated(QMdiSubWindow* window) {
    if (window == this && !active_) {
        // The window that lost the activation hears it first, whatever the order of the
        // area's listeners.
        for (QMdiSubWindow* sub : area_.subWindowList())
            if (auto* other = qobject_cast<SubAppWindow*>(sub); other && other != this)
                other->setInactive();
        active_ = true;
        host_.activated();
    } else if (window != this) {
        setInactive();
    }
}

void SubAppWindow::closeEvent(QCloseEvent* event) {
    host_.close();
    event->accept();
}

bool SubAppWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (sendingTurnedKey_ || !widget || (widget != this && !isAncestorOf(widget)) || host_.unloaded())
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    // A key the control ignored travels up to its parents: it was routed once already.
    if (routed_.event == event && routed_.timestamp == key.timestamp() && routed_.key == key.key() &&
        routed_.receiver && widget->isAncestorOf(routed_.receiver))
        return false;
    routed_ = {event, key.timestamp(), key.key(), widget};
    return routeKey(watched, key);
}

bool SubAppWindow::routeKey(QObject* watched, QKeyEvent& key) {
    const int code = platformKeyCode(key.key(), key.modifiers());
    const int shift = platformShiftState(key.modifiers());
    if (key.type() == QEvent::KeyRelease)
        return code != 0 && host_.keyUp(code, shift);
    if (code == 0)
        return false;
    const KeyRoute route = host_.keyDown(code, shift);
    if (route.consumed)
        return true;
    if (route.keyCode == code)
        return false;
    // The control sees the key it was turned into.
    QKeyEvent turned(QEvent::KeyPress, qtKeyOfFunctionKey(route.keyCode), Qt::NoModifier);
    sendingTurnedKey_ = true;
    QCoreApplication::sendEvent(watched, &turned);
    sendingTurnedKey_ = false;
    return true;
}

} // namespace zrk
