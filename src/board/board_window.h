#pragma once

#include "board/board_geometry.h"
#include "board/board_presenter.h"
#include "board/board_widgets.h"
#include "core/roles/board_roles.h"
#include "core/roles/console_roles.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

namespace zrk {

class ConsoleContext;

inline const QString kBoardCaption = QStringLiteral("主界面");

// What the board window is handed: the launcher its clicks end in, the frame's windows (for the
// rebuild after a saved setting, the help and the command bar's keys), and the makers of the
// analysis panel and of the settings dialogs. Each may be missing: the board then does without.
struct BoardWindowRoles {
    IFunctionLauncher* launcher = nullptr;
    IConsoleFrames* frames = nullptr;
    IAnalysisPanelFactory* analysis = nullptr;
    ISettingsDialogs* settings = nullptr;
};

// The main board window: the frame's permanent child. It is loaded hidden (its load brings the
// owner-report list in step with the report catalogue and opens the element sets) and built the
// first time it becomes active while maximised. It mirrors its presenter: the regions placed by
// the board's geometry, the labels it reads, the clicks forwarded.
class BoardWindow : public QWidget,
                    public IBoard,
                    public IBoardActions,
                    public IBoardRefresh,
                    public IAnalysisHost {
    Q_OBJECT
public:
    explicit BoardWindow(ConsoleContext& ctx, BoardWindowRoles roles = {}, QWidget* parent = nullptr);
    ~BoardWindow() override;

    // IBoard
    QWidget* widget() override { return this; }
    void setStartFlag(bool start) override { rebuildOnActivate_ = start; }
    bool rebuildOnActivate() const { return rebuildOnActivate_; }
    // What the board does with the flag is not settled yet; it is kept.
    void setLaunchFlag(bool launched) override { launchFlag_ = launched; }
    bool launchFlag() const { return launchFlag_; }
    void activate(bool maximised) override;
    void deactivate() override;
    void onBuilt(std::function<void()> callback) override;
    QStringList ownerLines() const override;

    // IBoardActions
    void setReport() override;
    void importReports() override;
    IBoardRefresh& refresh() override { return *this; }
    // IBoardRefresh
    void setAutoRefresh(bool on, std::int32_t seconds) override;
    // IAnalysisHost
    QRect zoomArea() const override;
    void restoreAnalysisLayout() override;
    double sizeFactor() const override { return factors_.sizeFactor; }

    BoardPresenter& presenter() { return presenter_; }
    const QTimer& refreshTimer() const { return refreshTimer_; }
    // The refresh label's click: the summaries now; the tick count goes on.
    void refreshNow();

signals:
    void boardBuilt();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createRegions();
    void createTitleStrip();
    void createLeftColumn();
    void createRightColumn();
    void createAnalysisPanel();
    // The window's load: the board hidden and not built, the owner-report list synchronised,
    // the element sets opened, the refresh timer armed, the scale measured and the logo read.
    void load();
    void syncReportList();
    void loadIndustryLogo();
    void build();
    void showLabels();
    void createReportLabels();
    BoardLink* makeReportLabel(int index);

    // Placing, in the order of the window's resize.
    void relayout();
    void layoutTopStrip();
    void layoutTitleStrip();
    void layoutLeftColumn();
    void layoutRightColumn();
    void placeReportList();
    void paintRightColumn(QPainter& painter);

    void hoverLeft(BoardPresenter::LeftBlock block, int index);
    void hoverReport(int index);
    void hoverRefresh(QPoint at);
    void onTick();
    void rebuildFrame();

    int twipsPerPixel() const;
    QRect toPixels(const QRect& twips) const;
    QSize toTwips(QSize pixels) const;
    int screenWidth() const;

    ConsoleContext& ctx_;
    BoardWindowRoles roles_;
    BoardPresenter presenter_;
    bool rebuildOnActivate_ = true;
    bool launchFlag_ = true;
    ScaleFactors factors_;
    double dpiScale_ = 1.0;
    BoardRegions regions_;
    QTimer refreshTimer_;
    ToolIconTracker toolTracker_;
    std::unique_ptr<IAnalysisPanel> panel_;

    PaintedRegion* back_ = nullptr;
    QWidget *top_ = nullptr, *head_ = nullptr, *left_ = nullptr, *mid_ = nullptr;
    PaintedRegion* right_ = nullptr;
    ArtLabel *logo_ = nullptr, *filler_ = nullptr, *maker_ = nullptr;
    ArtLabel *headImg_ = nullptr, *lineImg_ = nullptr, *xxkbImg_ = nullptr, *listImg_ = nullptr,
             *refreshImg_ = nullptr;
    QLabel *leftTitle_ = nullptr, *xxkbTitle_ = nullptr, *listTitle_ = nullptr;
    BoardLink* refreshLabel_ = nullptr;
    ArtLabel *leftBack_ = nullptr, *leftLine_ = nullptr, *sepImg_ = nullptr, *picture_ = nullptr;
    QLabel* sepTitle_ = nullptr;
    std::array<ArtLabel*, kCommonDataCount> commonIcons_{};
    std::array<BoardLink*, kCommonDataCount> commonLabels_{};
    std::array<ArtLabel*, kStatementSlotCount> statementIcons_{};
    std::array<BoardLink*, kStatementSlotCount> statementLabels_{};
    QWidget* content_ = nullptr;
    ArtLabel* hoverIcon_ = nullptr;
    QLabel* hoverBar_ = nullptr;
    std::vector<BoardLink*> reportLabels_;
    QScrollBar* scrollBar_ = nullptr;
    ToolIconLabel *setIcon_ = nullptr, *importIcon_ = nullptr;
};

// Makes the main board window for the frame.
class BoardWindowFactory : public IBoardFactory {
public:
    explicit BoardWindowFactory(ConsoleContext& ctx, IFunctionLauncher* launcher = nullptr,
                                IConsoleFrames* frames = nullptr, IAnalysisPanelFactory* analysis = nullptr,
                                ISettingsDialogs* settings = nullptr)
        : ctx_(ctx), roles_{launcher, frames, analysis, settings} {}
    IBoard* createBoard() override { return new BoardWindow(ctx_, roles_); }

private:
    ConsoleContext& ctx_;
    BoardWindowRoles roles_;
};

} // namespace zrk
