#pragma once

#include <QLabel>
#include <QMdiSubWindow>
#include <QWidget>

namespace zrk {

class ConsoleContext;

inline const QString kBoardCaption = QStringLiteral("主界面");

// The main board window: the frame's permanent child. It is loaded hidden and built the first
// time it becomes active while maximised; its own close button does not close it.
class BoardWindow : public QWidget {
    Q_OBJECT
public:
    explicit BoardWindow(ConsoleContext& ctx, QWidget* parent = nullptr);

    // Asks for a new build the next time the window becomes active while maximised.
    void setStartFlag(bool start) { rebuildOnActivate_ = start; }
    bool rebuildOnActivate() const { return rebuildOnActivate_; }

    // The window became active (maximised or not) or inactive.
    void activate(bool maximised);
    void deactivate();

signals:
    void boardBuilt();

private:
    void build();

    ConsoleContext& ctx_;
    bool rebuildOnActivate_ = true;
    QWidget* back_ = nullptr; // the whole board, hidden until built
    QLabel* company_ = nullptr;
    QLabel* accountSet_ = nullptr;
};

// The board's frame inside the multiple-document area: refuses its own close button; only
// the main window closes it (when it unloads or refreshes the system).
class BoardSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit BoardSubWindow(BoardWindow* board);
    BoardWindow* board() const { return board_; }
    void allowClose() { closable_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    BoardWindow* board_;
    bool closable_ = false;
};

} // namespace zrk
