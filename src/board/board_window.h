#pragma once

#include "core/roles/console_roles.h"

#include <QLabel>
#include <QWidget>

namespace zrk {

class ConsoleContext;

inline const QString kBoardCaption = QStringLiteral("主界面");

// The main board window: the frame's permanent child. It is loaded hidden (its load brings the
// owner-report list in step with the report catalogue) and built the first time it becomes
// active while maximised; its own close button does not close it.
class BoardWindow : public QWidget, public IBoard {
    Q_OBJECT
public:
    explicit BoardWindow(ConsoleContext& ctx, QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void setStartFlag(bool start) override { rebuildOnActivate_ = start; }
    bool rebuildOnActivate() const { return rebuildOnActivate_; }
    // What the board does with the flag is not settled yet; it is kept.
    void setLaunchFlag(bool launched) override { launchFlag_ = launched; }
    bool launchFlag() const { return launchFlag_; }
    void activate(bool maximised) override;
    void deactivate() override;
    void onBuilt(std::function<void()> callback) override;

signals:
    void boardBuilt();

private:
    // The window's load: the board hidden and not built, then the owner-report list created
    // where missing and synchronised, before anything is read for the board.
    void load();
    // Shows the error's description and goes on: the board opens on the list as it was.
    void syncReportList();
    void build();

    ConsoleContext& ctx_;
    bool rebuildOnActivate_ = true;
    bool launchFlag_ = true;
    QWidget* back_ = nullptr; // the whole board, hidden until built
    QLabel* company_ = nullptr;
    QLabel* accountSet_ = nullptr;
};

// Makes the main board window for the frame.
class BoardWindowFactory : public IBoardFactory {
public:
    explicit BoardWindowFactory(ConsoleContext& ctx) : ctx_(ctx) {}
    IBoard* createBoard() override { return new BoardWindow(ctx_); }

private:
    ConsoleContext& ctx_;
};

} // namespace zrk
