#include "board/board_widgets.h"

#include "desktop/artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace zrk {

namespace {

void colour(QLabel& label, const QColor& text) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, text);
    label.setPalette(palette);
}

} // namespace

BoardLink::BoardLink(int index, QColor plain, QWidget* parent)
    : QLabel(parent), index_(index), plain_(plain) {
    setMouseTracking(true);
    setCursor(handCursor());
    colour(*this, plain_);
}

void BoardLink::setHot(bool hot) {
    hot_ = hot;
    QFont f = font();
    f.setUnderline(hot);
    setFont(f);
    colour(*this, hot ? kHotColour : plain_);
}

void BoardLink::showBusyPointer() {
    setCursor(Qt::WaitCursor);
}

void BoardLink::showCustomPointer() {
    setCursor(handCursor());
}

void BoardLink::mouseMoveEvent(QMouseEvent* event) {
    emit hovered(index_, event->position().toPoint());
    QLabel::mouseMoveEvent(event);
}

void BoardLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(index_);
    QLabel::mouseReleaseEvent(event);
}

ToolIconLabel::ToolIconLabel(const QString& tag, ToolIconTracker& tracker, QWidget* parent)
    : QLabel(parent), state_{tag, 2}, tracker_(tracker) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setScaledContents(true);
    showPicture();
}

void ToolIconLabel::showState(int state) {
    state_.shown = state;
    showPicture();
}

void ToolIconLabel::showPicture() {
    const QString name = toolIconPicture(state_.tag, state_.shown);
    const QPixmap picture = artPixmap(name, devicePixelRatioF());
    if (picture.isNull())
        clear();
    else
        setPixmap(picture);
}

void ToolIconLabel::apply(ToolIconTracker::Capture capture) {
    if (capture == ToolIconTracker::Capture::Take)
        grabMouse();
    else if (capture == ToolIconTracker::Capture::Release)
        releaseMouse();
    showPicture();
}

void ToolIconLabel::focusInEvent(QFocusEvent* event) {
    tracker_.focusIn(state_);
    showPicture();
    QLabel::focusInEvent(event);
}

void ToolIconLabel::focusOutEvent(QFocusEvent* event) {
    tracker_.focusOut(state_);
    showPicture();
    QLabel::focusOutEvent(event);
}

void ToolIconLabel::mousePressEvent(QMouseEvent* event) {
    tracker_.press(state_);
    showPicture();
    QLabel::mousePressEvent(event);
}

void ToolIconLabel::mouseMoveEvent(QMouseEvent* event) {
    apply(tracker_.move(state_, rect().contains(event->position().toPoint())));
    QLabel::mouseMoveEvent(event);
}

void ToolIconLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    apply(tracker_.click());
    emit clicked();
}

PaintedRegion::PaintedRegion(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
}

void PaintedRegion::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painter_)
        return;
    QPainter painter(this);
    painter_(painter);
}

ArtLabel::ArtLabel(const QString& name, QColor plain, QWidget* parent) : QLabel(parent), name_(name) {
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, plain);
    setPalette(palette);
}

void ArtLabel::setPicture(const QPixmap& picture) {
    own_ = picture;
    render();
}

QSize ArtLabel::naturalSize(QSize otherwise) const {
    if (!own_.isNull())
        return own_.deviceIndependentSize().toSize();
    const QSize size = artSize(name_);
    return size.isEmpty() ? otherwise : size;
}

void ArtLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    render();
}

void ArtLabel::render() {
    if (size().isEmpty())
        return;
    const QPixmap picture = own_.isNull() ? artPixmap(name_, size(), devicePixelRatioF())
                                          : own_.scaled(size() * devicePixelRatioF(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
    if (picture.isNull()) {
        clear();
        return;
    }
    QPixmap shown = picture;
    shown.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(shown);
}

} // namespace zrk
