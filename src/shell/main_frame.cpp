#include "shell/main_frame.h"

#include "session/texts.h"
#include "shell/bar_menus.h"
#include "shell/board_frame.h"
#include "shell/child_arrangement.h"
#include "shell/console_bar_layout.h"
#include "shell/frame_bars.h"
#include "shell/status_panels.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QUrl>

namespace zrk {

namespace {

MenuRoles menuRolesOf(const FrameRoles& roles) {
    return MenuRoles{roles.launcher, roles.boardActions, roles.settings,
                     roles.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                   : roles.programFolder};
}

} // namespace

MainFrame::MainFrame(ConsoleContext& ctx, Roles roles, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), mdi_(new QMdiArea(this)), panels_(new StatusPanels(*statusBar())),
      openAddress_(roles.openAddress), menus_(new BarMenus(ctx, *this)), bar_(ctx, *this, consoleBar()),
      commands_(ctx, bar_, *this, *this, menuRolesOf(roles)), presenter_(ctx, *this, roles) {
    setObjectName(QStringLiteral("MDIMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    menus_->onClick = [this](ToolPlace place) { commands_.click(place); };
    menus_->onBandOpen = [this](const QString& band) { bar_.bandOpened(band); };
    bar_.showBar();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { tipHelp(); });
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

void MainFrame::setMenuRoles(IFunctionLauncher* launcher, IBoardActions* boardActions,
                             ISettingsDialogs* settings) {
    MenuRoles roles = commands_.roles();
    roles.launcher = launcher;
    roles.boardActions = boardActions;
    roles.settings = settings;
    commands_.setRoles(roles);
}

// The favourites are the console's own tools: they are read before the index is built.
void MainFrame::buildCommandIndex() {
    commands_.refillFavourites();
}

void MainFrame::dropCommandIndex() {
    bar_.dropIndex();
}

void MainFrame::showBar(const Bar& bar) {
    menus_->show(bar);
}

void MainFrame::showBand(const Bar& bar, const QString& band) {
    menus_->showBand(bar, band);
}

void MainFrame::showToolStates(const Bar& bar) {
    menus_->showToolStates(bar);
}

void MainFrame::notifyActiveForm(const std::shared_ptr<IHostedForm>& form) {
    activeForm_ = form;
    presenter_.notifyActiveForm(form);
}

// The children the owner sees, in the order they were opened: a host window still hidden (its
// form not shown yet) or on its way out is not one of them.
QList<QMdiSubWindow*> MainFrame::listedChildren() const {
    QList<QMdiSubWindow*> listed;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (!window->isHidden())
            listed.push_back(window);
    return listed;
}

QList<ChildWindowEntry> MainFrame::childWindows() const {
    QList<ChildWindowEntry> entries;
    QMdiSubWindow* active = mdi_->activeSubWindow();
    for (QMdiSubWindow* window : listedChildren())
        entries.push_back({window->windowTitle(), !window->windowIcon().isNull(), window == active});
    return entries;
}

ActiveChild MainFrame::activeChild() const {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    if (!active)
        return ActiveChild::None;
    return active == boardFrame_ ? ActiveChild::Board : ActiveChild::Host;
}

std::shared_ptr<IHostedForm> MainFrame::activeHostedForm() const {
    return activeChild() == ActiveChild::Host ? activeForm_.lock() : nullptr;
}

void MainFrame::relayoutActiveChild() {
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) {
        QResizeEvent resize(active->size(), active->size());
        QCoreApplication::sendEvent(active, &resize);
    }
}

void MainFrame::activateChild(int index) {
    const QList<QMdiSubWindow*> windows = listedChildren();
    if (index < 0 || index >= windows.size())
        return;
    QMdiSubWindow* window = windows[index];
    if (window->isMinimized())
        window->showNormal();
    mdi_->setActiveSubWindow(window);
    window->setFocus();
}

void MainFrame::arrangeChildren(int style) {
    const auto arrangement = static_cast<Arrangement>(style);
    if (arrangement == Arrangement::Cascade) {
        mdi_->cascadeSubWindows();
        return;
    }
    QList<QMdiSubWindow*> open, minimised;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible())
            (window->isMinimized() ? minimised : open).push_back(window);
    if (arrangement == Arrangement::ArrangeIcons) {
        const QSize icon = minimised.isEmpty() ? QSize() : minimised.front()->size();
        const QList<QRect> places =
            iconRects(static_cast<int>(minimised.size()), mdi_->viewport()->rect(), icon);
        for (qsizetype i = 0; i < places.size(); ++i)
            minimised[i]->move(places[i].topLeft());
        return;
    }
    if (arrangement != Arrangement::TileHorizontally && arrangement != Arrangement::TileVertically)
        return;
    const QList<QRect> places =
        tiledRects(static_cast<int>(open.size()), mdi_->viewport()->rect(), arrangement);
    for (qsizetype i = 0; i < places.size(); ++i) {
        open[i]->showNormal();
        open[i]->setGeometry(places[i]);
    }
}

bool MainFrame::openAddress(const QString& address) {
    if (openAddress_)
        return openAddress_(address);
    return QDesktopServices::openUrl(QUrl(address));
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
    // The board active: the host window's tools leave the bar; a host window that
    // becomes active tells the frame itself.
    if (window && window == boardFrame_ && !activeForm_.expired())
        notifyActiveForm(nullptr);
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
