#include "board/board_window.h"

#include "board/board_keys.h"
#include "board/log_category.h"
#include "core/console_context.h"
#include "core/roles/menu_roles.h"
#include "core/roles/report_list_roles.h"
#include "db/connections.h"
#include "db/console_tables.h"
#include "desktop/artwork.h"
#include "desktop/screen_scale.h"
#include "launch/key_codes.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "session/installation.h"
#include "session/message_boxes.h"
#include "session/session_properties.h"
#include "session/texts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace zrk {

namespace {

// The summary region's height when no analysis panel fills it, in twips.
constexpr int kSummaryDesignHeight = 3000;

// Plain colours of the regions where a picture is missing.
const QColor kStripColour(226, 234, 245);
const QColor kColumnColour(240, 244, 250);
const QColor kHoverBarColour(222, 232, 246);

QLabel* titleLabel(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

BoardWindow::BoardWindow(ConsoleContext& ctx, BoardWindowRoles roles, QWidget* parent)
    : QWidget(parent), ctx_(ctx), roles_(roles),
      presenter_(ctx, BoardRoles{roles.launcher, [frames = roles.frames]() -> IFrameServices* {
                                     return frames ? frames->frameServices(false) : nullptr;
                                 }}) {
    setObjectName(QStringLiteral("dlgDataFlow"));
    setWindowTitle(translate(ctx_, kBoardCaption));
    setFocusPolicy(Qt::StrongFocus);
    regions_.mid = QRect(0, 0, 0, kSummaryDesignHeight);
    createRegions();
    createAnalysisPanel();
    refreshTimer_.setObjectName(QStringLiteral("tmrRefresh"));
    refreshTimer_.setInterval(kRefreshTickMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &BoardWindow::onTick);
    load();
}

BoardWindow::~BoardWindow() {
    refreshTimer_.stop();
    presenter_.unload();
}

void BoardWindow::createRegions() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    back_ = new PaintedRegion(QStringLiteral("picBack"), this);
    back_->setPainter([this](QPainter& p) {
        p.setPen(QPen(kFrameColour, 1));
        p.drawRect(toPixels(regions_.fx).adjusted(-1, -1, 0, 0));
    });
    layout->addWidget(back_);
    top_ = new QWidget(back_);
    top_->setObjectName(QStringLiteral("picTop"));
    logo_ = new ArtLabel(QStringLiteral("imgLogo"), kStripColour, top_);
    filler_ = new ArtLabel(QStringLiteral("imgScreth"), kStripColour, top_);
    maker_ = new ArtLabel(QStringLiteral("imgQuorvel"), kStripColour, top_);
    createTitleStrip();
    createLeftColumn();
    createRightColumn();
    mid_ = new QWidget(back_);
    mid_->setObjectName(QStringLiteral("picMid"));
    auto* midLayout = new QVBoxLayout(mid_);
    midLayout->setContentsMargins(0, 0, 0, 0);
}

void BoardWindow::createTitleStrip() {
    head_ = new QWidget(back_);
    head_->setObjectName(QStringLiteral("picHead"));
    headImg_ = new ArtLabel(QStringLiteral("imgHead"), kStripColour, head_);
    lineImg_ = new ArtLabel(QStringLiteral("imgLine"), kFrameColour, head_);
    xxkbImg_ = new ArtLabel(QStringLiteral("imgXXKB"), kStripColour, head_);
    xxkbImg_->setMouseTracking(true);
    xxkbImg_->installEventFilter(this);
    listImg_ = new ArtLabel(QStringLiteral("imgList"), kStripColour, head_);
    leftTitle_ = titleLabel(translate(ctx_, kCommonDataTitle), head_, QStringLiteral("lblLeftTitle"));
    xxkbTitle_ = titleLabel(translate(ctx_, kBoardTitle), head_, QStringLiteral("lblXXKB"));
    listTitle_ = titleLabel(translate(ctx_, kReportListTitle), head_, QStringLiteral("lblCYBB"));
    refreshImg_ = new ArtLabel(QStringLiteral("imgRefresh"), Qt::transparent, head_);
    refreshImg_->setAutoFillBackground(false);
    refreshLabel_ = new BoardLink(0, kRefreshPlainColour, head_);
    refreshLabel_->setObjectName(QStringLiteral("lblRefresh"));
    refreshLabel_->setText(translate(ctx_, kRefreshCaption));
    connect(refreshLabel_, &BoardLink::clicked, this, [this] { refreshNow(); });
    connect(refreshLabel_, &BoardLink::hovered, this, [this](int, QPoint at) { hoverRefresh(at); });
}

void BoardWindow::createLeftColumn() {
    left_ = new QWidget(back_);
    left_->setObjectName(QStringLiteral("picLeft"));
    leftBack_ = new ArtLabel(QStringLiteral("imgLeftBack"), kColumnColour, left_);
    leftLine_ = new ArtLabel(QStringLiteral("imgLeftLine"), kFrameColour, left_);
    picture_ = new ArtLabel(QStringLiteral("imgPic"), Qt::transparent, left_);
    picture_->setAutoFillBackground(false);
    auto link = [this](int i, BoardPresenter::LeftBlock block, const QString& name) {
        auto* label = new BoardLink(i, kPlainColour, left_);
        label->setObjectName(name + QString::number(i));
        connect(label, &BoardLink::hovered, this,
                [this, block](int index, QPoint) { hoverLeft(block, index); });
        return label;
    };
    for (int i = 0; i < kCommonDataCount; ++i) {
        commonIcons_[i] = new ArtLabel(QStringLiteral("imgLeft_%1").arg(i), Qt::transparent, left_);
        commonIcons_[i]->setAutoFillBackground(false);
        commonLabels_[i] = link(i, BoardPresenter::LeftBlock::CommonData, QStringLiteral("lblLeft"));
        connect(commonLabels_[i], &BoardLink::clicked, this,
                [this](int index) { presenter_.clickCommonData(index, *commonLabels_[index]); });
    }
    sepImg_ = new ArtLabel(QStringLiteral("imgSep"), kStripColour, left_);
    sepTitle_ = titleLabel(translate(ctx_, kStatementsTitle), left_, QStringLiteral("lblCWFX"));
    for (int i = 0; i < kStatementSlotCount; ++i) {
        statementIcons_[i] = new ArtLabel(QStringLiteral("imgBottom_%1").arg(i), Qt::transparent, left_);
        statementIcons_[i]->setAutoFillBackground(false);
        statementLabels_[i] = link(i, BoardPresenter::LeftBlock::Statements, QStringLiteral("lblBottom"));
        connect(statementLabels_[i], &BoardLink::clicked, this,
                [this](int index) { presenter_.clickStatement(index, *statementLabels_[index]); });
    }
}

void BoardWindow::createRightColumn() {
    right_ = new PaintedRegion(QStringLiteral("picRight"), back_);
    right_->setPainter([this](QPainter& p) { paintRightColumn(p); });
    content_ = new QWidget(right_);
    content_->setObjectName(QStringLiteral("picContent"));
    hoverBar_ = new QLabel(content_);
    hoverBar_->setObjectName(QStringLiteral("lblBack"));
    hoverBar_->setAutoFillBackground(true);
    QPalette bar = hoverBar_->palette();
    bar.setColor(QPalette::Window, kHoverBarColour);
    hoverBar_->setPalette(bar);
    hoverBar_->hide();
    hoverIcon_ = new ArtLabel(QStringLiteral("imgTool"), Qt::transparent, content_);
    hoverIcon_->setAutoFillBackground(false);
    hoverIcon_->hide();
    scrollBar_ = new QScrollBar(Qt::Vertical, right_);
    scrollBar_->setObjectName(QStringLiteral("VScrollRpt"));
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        content_->hide();
        presenter_.reportScroll().setValue(value);
        placeReportList();
        content_->show();
    });
    setIcon_ = new ToolIconLabel(kReportSettingsIconTag, toolTracker_, right_);
    setIcon_->setObjectName(QStringLiteral("imgSet"));
    connect(setIcon_, &ToolIconLabel::clicked, this, [this] { setReport(); });
    reportLabels_.push_back(makeReportLabel(0));
    reportLabels_[0]->setText(translate(ctx_, kReportListDesignCaption));
    importIcon_ = new ToolIconLabel(kReportImportIconTag, toolTracker_, right_);
    importIcon_->setObjectName(QStringLiteral("imgImport"));
    connect(importIcon_, &ToolIconLabel::clicked, this, [this] { importReports(); });
}

void BoardWindow::createAnalysisPanel() {
    if (!roles_.analysis)
        return;
    panel_ = roles_.analysis->createPanel(*this, back_);
    if (!panel_)
        return;
    if (QWidget* summary = panel_->summaryWidget()) {
        summary->setParent(mid_);
        mid_->layout()->addWidget(summary);
    }
    if (QWidget* analysis = panel_->analysisWidget())
        analysis->setParent(back_);
    regions_.mid.setHeight(panel_->summaryHeight() * twipsPerPixel());
}

void BoardWindow::load() {
    rebuildOnActivate_ = true;
    ctx_.board().built = false;
    back_->hide();
    syncReportList();
    presenter_.load();
    if (presenter_.refresh().on())
        refreshTimer_.start();
    else
        refreshTimer_.stop();
    dpiScale_ = getScreenScale(ctx_, *this, true);
    loadIndustryLogo();
}

void BoardWindow::syncReportList() {
    try {
        const auto& company = ctx_.session().companyConnection;
        if (!company)
            throw Error(errnum::ObjectVariableNotSet, QStringLiteral("dlgDataFlow"),
                        QStringLiteral("Object variable or With block variable not set"));
        syncOwnerReportList(ctx_, *company);
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "load: the owner-report list was not synchronised", e);
        showMessage(ctx_, e.description(), false);
    }
}

void BoardWindow::loadIndustryLogo() {
    refreshLabel_->setCursor(handCursor());
    try {
        const std::int16_t industry = getIndustry(ctx_).id;
        if (industry == 0)
            return;
        const QString file = getCommonDir(ctx_) + QStringLiteral("bmp/main_boss_") +
                             QString::number(industry) + QStringLiteral(".bmp");
        QPixmap picture;
        if (picture.load(file))
            logo_->setPicture(picture);
        else
            qCDebug(lcBoard) << "loadIndustryLogo: no picture in" << file << "- the design logo stays";
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "loadIndustryLogo: the design logo stays", e);
    }
}

void BoardWindow::activate(bool maximised) {
    ctx_.board().active = true;
    if (rebuildOnActivate_ && maximised)
        build();
}

void BoardWindow::deactivate() {
    ctx_.board().active = false;
}

void BoardWindow::onBuilt(std::function<void()> callback) {
    connect(this, &BoardWindow::boardBuilt, this, std::move(callback));
}

void BoardWindow::build() {
    presenter_.build(fontMetrics().height() * twipsPerPixel());
    showLabels();
    createReportLabels();
    relayout();
    if (panel_) {
        panel_->refreshSummaries();
        panel_->selectFirstAnalysis();
    }
    hoverReport(0);
    ctx_.board().built = true;
    back_->show();
    rebuildOnActivate_ = false;
    emit boardBuilt();
}

void BoardWindow::showLabels() {
    for (int i = 0; i < kCommonDataCount; ++i) {
        commonLabels_[i]->setText(translate(ctx_, presenter_.commonData()[i].caption));
        commonLabels_[i]->adjustSize();
    }
    for (int i = 0; i < kStatementSlotCount; ++i) {
        const BoardLabel& slot = presenter_.statementSlots()[i];
        statementLabels_[i]->setText(translate(ctx_, slot.caption));
        statementLabels_[i]->adjustSize();
        statementLabels_[i]->setVisible(slot.visible);
        statementIcons_[i]->setVisible(slot.visible);
    }
}

BoardLink* BoardWindow::makeReportLabel(int index) {
    auto* label = new BoardLink(index, kPlainColour, content_);
    label->setObjectName(QStringLiteral("lblSub") + QString::number(index));
    connect(label, &BoardLink::clicked, this,
            [this](int i) { presenter_.clickReport(i, *reportLabels_[static_cast<std::size_t>(i)]); });
    connect(label, &BoardLink::hovered, this, [this](int i, QPoint) { hoverReport(i); });
    return label;
}

void BoardWindow::createReportLabels() {
    // Label 0 is the design's; the others are made anew at every build.
    while (reportLabels_.size() > 1) {
        delete reportLabels_.back();
        reportLabels_.pop_back();
    }
    const std::vector<BoardLabel>& labels = presenter_.reportLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (i > 0)
            reportLabels_.push_back(makeReportLabel(static_cast<int>(i)));
        BoardLink* label = reportLabels_[i];
        label->setText(translate(ctx_, labels[i].caption));
        label->setToolTip(label->text());
        label->adjustSize();
        label->show();
        label->raise();
    }
}

QStringList BoardWindow::ownerLines() const {
    QStringList lines = presenter_.ownerLines();
    if (panel_)
        lines << panel_->ownerLines();
    return lines;
}

void BoardWindow::refreshNow() {
    if (panel_)
        panel_->refreshSummaries();
    QCoreApplication::processEvents();
}

void BoardWindow::onTick() {
    if (presenter_.refresh().tick() && panel_)
        panel_->refreshSummaries();
}

void BoardWindow::setAutoRefresh(bool on, std::int32_t seconds) {
    const bool run = on && seconds > 0;
    presenter_.refresh().set({run, seconds});
    if (run)
        refreshTimer_.start();
    else
        refreshTimer_.stop();
}

void BoardWindow::rebuildFrame() {
    if (IFrameServices* frame = roles_.frames ? roles_.frames->frameServices(false) : nullptr)
        frame->refreshSystem(true);
}

void BoardWindow::setReport() {
    if (!roles_.settings) {
        qCInfo(lcBoard) << "setReport: there are no settings dialogs to open";
        return;
    }
    if (roles_.settings->showReportSettings(this))
        rebuildFrame();
}

void BoardWindow::importReports() {
    try {
        const auto transfer =
            queryInterface<IReportTransfer>(ctx_.components().create(kReportTransferProgId));
        transfer->setVersion(3);
        transfer->import(getSessionPropsString(ctx_), getAppDir());
        if (transfer->hasChanged())
            rebuildFrame();
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "importReports: nothing was imported", e);
    }
}

void BoardWindow::hoverLeft(BoardPresenter::LeftBlock block, int index) {
    presenter_.hoverLeft(block, index);
    for (int i = 0; i < kCommonDataCount; ++i)
        commonLabels_[i]->setHot(presenter_.leftHot(BoardPresenter::LeftBlock::CommonData, i));
    for (int i = 0; i < kStatementSlotCount; ++i)
        statementLabels_[i]->setHot(presenter_.leftHot(BoardPresenter::LeftBlock::Statements, i));
}

void BoardWindow::hoverReport(int index) {
    if (index < 0 || index >= static_cast<int>(reportLabels_.size()) || !reportLabels_[index] ||
        reportLabels_[index]->isHidden())
        return;
    presenter_.reportScroll().hover(index);
    placeReportList();
}

void BoardWindow::hoverRefresh(QPoint at) {
    refreshLabel_->setHot(refreshLabel_->rect().contains(at));
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == xxkbImg_ && event->type() == QEvent::MouseMove)
        refreshLabel_->setHot(false);
    return QWidget::eventFilter(watched, event);
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
    const int keyCode = platformKeyCode(event->key(), event->modifiers());
    const int shift = platformShiftState(event->modifiers());
    IFrameServices* frame = roles_.frames ? roles_.frames->frameServices(false) : nullptr;
    switch (boardKeyAction(keyCode, shift)) {
    case BoardKey::Help:
        if (frame)
            frame->tipHelp();
        event->accept();
        return;
    case BoardKey::CommandBar:
        if (frame)
            frame->barKeyDown(keyCode, shift);
        break;
    case BoardKey::Control:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zrk
