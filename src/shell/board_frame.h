#pragma once

#include <QMdiSubWindow>

namespace zrk {

class IBoard;

// The board's frame inside the multiple-document area: refuses its own close button; only
// the main window closes it (when it unloads or refreshes the system).
class BoardFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit BoardFrame(IBoard* board);
    IBoard* board() const { return board_; }
    void allowClose() { closable_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    IBoard* board_;
    bool closable_ = false;
};

} // namespace zrk
