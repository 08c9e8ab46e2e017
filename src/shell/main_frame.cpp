#include "shell/main_frame.h"

#include "session/texts.h"
#include "shell/board_frame.h"
#include "shell/frame_bars.h"
#include "shell/status_panels.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>

namespace zrk {

MainFrame::MainFrame(ConsoleContext& ctx, Roles roles, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), mdi_(new QMdiArea(this)), panels_(new StatusPanels(*statusBar())),
      presenter_(ctx, *this, roles) {
    setObjectName(QStringLiteral("MDIMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    auto* bar = addToolBar(QStringLiteral("Bar"));
    bar->setObjectName(QStringLiteral("Bar"));
    setMinimumSize(minimumFrameSize(logicalDpiY()));
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::onSubWindowActivated);
    connect(panels_, &StatusPanels::userPanelClicked, this, [this] { presenter_.userPanelClicked(); });
    showUserPanelTip(translate(ctx_, QStringLiteral("用户名称")));
}

MainFrame::~MainFrame() {
    if (!presenter_.unloaded())
        unload();
}

void MainFrame::load() {
    presenter_.load();
    QCoreApplication::processEvents();
}

void MainFrame::showPanel(int number, const QString& text) {
    panels_->setText(number, text);
}

void MainFrame::showUserPanelTip(const QString& tip) {
    panels_->panel(StatusPanels::kUser)->setToolTip(tip);
}

QString MainFrame::maximisedChildTitle() const {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    return active && active->isMaximized() ? active->windowTitle() : QString();
}

void MainFrame::translateForm() {
    Variant none;
    loadFormTexts(ctx_, this, none);
}

void MainFrame::buildCommandIndex() {
    bandIndex_ = std::make_shared<Dictionary>();
    toolIndex_ = std::make_shared<Dictionary>();
    for (QToolBar* band : findChildren<QToolBar*>()) {
        auto tools = std::make_shared<Dictionary>();
        for (QAction* tool : band->actions()) {
            if (tool->objectName().isEmpty())
                continue;
            tools->set(tool->objectName(), tool->objectName());
            const QVariant id = tool->property("toolId");
            if (id.isValid())
                toolIndex_->set(QString::number(id.toInt()), tool->objectName());
        }
        bandIndex_->set(band->objectName(), ObjectPtr(tools));
    }
}

void MainFrame::dropCommandIndex() {
    bandIndex_.reset();
    toolIndex_.reset();
}

void MainFrame::openBoard(IBoardFactory& boards) {
    IBoard* board = boards.createBoard();
    boardFrame_ = new BoardFrame(board);
    mdi_->addSubWindow(boardFrame_);
    board->setStartFlag(true);
    connect(boardFrame_, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates now) {
                if (boardFrame_ && mdi_->activeSubWindow() == boardFrame_ && (now & Qt::WindowMaximized))
                    boardFrame_->board()->activate(true);
                presenter_.updateCaption();
            });
    boardFrame_->showMaximized();
}

IBoard* MainFrame::board() const {
    return boardFrame_ ? boardFrame_->board() : nullptr;
}

void MainFrame::onSubWindowActivated(QMdiSubWindow* window) {
    if (boardFrame_) {
        if (window == boardFrame_)
            boardFrame_->board()->activate(boardFrame_->isMaximized());
        else
            boardFrame_->board()->deactivate();
    }
    presenter_.updateCaption();
}

ObjectPtr MainFrame::activeBarObject() {
    return std::make_shared<FrameBars>(this);
}

ObjectPtr MainFrame::statusBarObject() {
    return std::make_shared<FrameBars>(this);
}

void MainFrame::closeChildren() {
    // The area reports activations while its windows go; nothing here is to react to them.
    const QSignalBlocker quiet(mdi_);
    boardFrame_.clear();
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (auto* boardWindow = qobject_cast<BoardFrame*>(window))
            boardWindow->allowClose();
        window->close();
        delete window;
    }
}

void MainFrame::closeEvent(QCloseEvent* event) {
    const bool wasUnloaded = presenter_.unloaded();
    if (wasUnloaded || !presenter_.queryUnload()) {
        event->setAccepted(wasUnloaded);
        return;
    }
    unload();
    event->accept();
}

void MainFrame::unload() {
    presenter_.unload();
    emit unloaded();
}

} // namespace zrk
