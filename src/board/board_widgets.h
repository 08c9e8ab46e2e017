#pragma once

#include "board/tool_icons.h"
#include "core/roles/console_roles.h"

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace zrk {

// The board's link colours: a label under the pointer, a label at rest, the refresh label at rest.
inline const QColor kHotColour(213, 111, 26);
inline const QColor kPlainColour(19, 35, 122);
inline const QColor kRefreshPlainColour(74, 93, 143);
// The frame around the analysis panel and the dotted lines of the report column.
inline const QColor kFrameColour(165, 193, 216);
inline const QColor kDottedLineColour(192, 192, 224);

// A clickable text of the board (a shortcut, a statement slot, a report, "刷新"): the hand
// cursor at rest and the hourglass while its function starts; it reports clicks and every move
// of the pointer over it.
class BoardLink : public QLabel, public IPointerTarget {
    Q_OBJECT
public:
    BoardLink(int index, QColor plain, QWidget* parent);
    int index() const { return index_; }
    void setHot(bool hot);
    bool hot() const { return hot_; }
    void showBusyPointer() override;
    void showCustomPointer() override;

signals:
    void clicked(int index);
    void hovered(int index, QPoint at);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QColor plain_;
    bool hot_ = false;
};

// A tool icon: its picture follows focus, pointer and button through the shared tracker.
class ToolIconLabel : public QLabel {
    Q_OBJECT
public:
    ToolIconLabel(const QString& tag, ToolIconTracker& tracker, QWidget* parent);
    const ToolIconState& state() const { return state_; }
    void showState(int state);

signals:
    void clicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void apply(ToolIconTracker::Capture capture);
    void showPicture();

    ToolIconState state_;
    ToolIconTracker& tracker_;
};

// A region of the board that paints over its background what its owner draws.
class PaintedRegion : public QWidget {
public:
    using Painter = std::function<void(QPainter&)>;
    explicit PaintedRegion(const QString& name, QWidget* parent);
    void setPainter(Painter painter) { painter_ = std::move(painter); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
};

// A picture of the board by its name, stretched over the label; a plain colour when the
// console has no picture of that name.
class ArtLabel : public QLabel {
public:
    ArtLabel(const QString& name, QColor plain, QWidget* parent);
    // A picture of its own (a file's) instead of the drawing.
    void setPicture(const QPixmap& picture);
    bool hasOwnPicture() const { return !own_.isNull(); }
    // The picture's own size in logical pixels; `otherwise` when there is none.
    QSize naturalSize(QSize otherwise) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();

    QString name_;
    QPixmap own_;
};

} // namespace zrk
