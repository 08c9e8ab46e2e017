#include "shell/board_frame.h"

#include "core/roles/console_roles.h"

#include <QCloseEvent>

namespace zrk {

BoardFrame::BoardFrame(IBoard* board) : board_(board) {
    setWidget(board->widget());
    setWindowTitle(board->widget()->windowTitle());
    setObjectName(QStringLiteral("dlgDataFlowFrame"));
}

void BoardFrame::closeEvent(QCloseEvent* event) {
    if (closable_)
        event->accept();
    else
        event->ignore();
}

} // namespace zrk
