// The board window on a copy of the demo account set: what it shows, what its clicks, pointer
// moves and keys do, its refresh timer and its resizing, with a fake frame and analysis panel.
#include "board/board_window.h"
#include "board_fixture.h"
#include "demo_install.h"
#include "launch/host_fakes.h"
#include "session/user_settings.h"

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// An analysis panel that records what the board asks of it.
class FakePanel : public IAnalysisPanel {
public:
    explicit FakePanel(QStringList& log) : log_(log) {}
    QWidget* summaryWidget() override { return &summary_; }
    QWidget* analysisWidget() override { return &analysis_; }
    int summaryHeight() const override { return 180; }
    void refreshSummaries() override { log_ << QStringLiteral("refreshSummaries"); }
    void selectFirstAnalysis() override { log_ << QStringLiteral("selectFirstAnalysis"); }
    QStringList ownerLines() const override { return {QStringLiteral("经营分析: 销售毛利")}; }

private:
    QStringList& log_;
    QWidget summary_;
    QWidget analysis_;
};

class FakePanels : public IAnalysisPanelFactory {
public:
    std::unique_ptr<IAnalysisPanel> createPanel(IAnalysisHost& host, QWidget*) override {
        hosts << &host;
        return std::make_unique<FakePanel>(log);
    }
    QStringList log;
    QList<IAnalysisHost*> hosts;
};

class FakeSettings : public ISettingsDialogs {
public:
    bool showReportSettings(QWidget*) override {
        ++shown;
        return saves;
    }
    void showRefreshSettings(QWidget*, IBoardRefresh&) override {}
    int shown = 0;
    bool saves = true;
};

class BoardWindowOnDemo : public test::BoardOnDemo {
protected:
    void SetUp() override {
        BoardOnDemo::SetUp();
        loadReportViewer();
    }
    std::unique_ptr<BoardWindow> shownBoard(QSize size = QSize(1280, 760)) {
        console.ctx.desktop().screenSize = QSize(1280, 800);
        auto board = std::make_unique<BoardWindow>(console.ctx,
                                                   BoardWindowRoles{&launcher, &frames, &panels, &settings});
        board->resize(size);
        board->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(board.get()));
        board->activate(true);
        return board;
    }
    template <class W> W* child(QWidget& board, const QString& name) {
        W* w = board.findChild<W*>(name);
        EXPECT_TRUE(w) << name.toStdString();
        return w;
    }

    test::Calls calls;
    test::FakeFrame frame{calls};
    test::FakeFrames frames{calls, frame};
    FakePanels panels;
    FakeSettings settings;
};

TEST_F(BoardWindowOnDemo, TheBuiltBoardReadsAsTheOwnerSeesItAndHoldsThePanel) {
    const auto board = shownBoard();
    EXPECT_TRUE(console.ctx.board().built);
    const QStringList lines = board->ownerLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("常用资料: 供应商, 客户, 采购价格资料, 销售价格资料, 物料, 会计科目"));
    EXPECT_EQ(lines[3], QStringLiteral("经营分析: 销售毛利"));
    EXPECT_EQ(panels.log,
              (QStringList{QStringLiteral("refreshSummaries"), QStringLiteral("selectFirstAnalysis")}));
    auto* mid = child<QWidget>(*board, QStringLiteral("picMid"));
    ASSERT_EQ(panels.hosts.size(), 1);
    EXPECT_DOUBLE_EQ(panels.hosts[0]->sizeFactor(), 1.0);
    // The columns are their design width on a 1280-pixel screen: 2910 and 2700 twips.
    EXPECT_EQ(child<QWidget>(*board, QStringLiteral("picLeft"))->width(), 194);
    EXPECT_EQ(child<QWidget>(*board, QStringLiteral("picRight"))->width(), 180);
    EXPECT_EQ(mid->width(), board->width() - 194 - 180);
    EXPECT_EQ(child<QLabel>(*board, QStringLiteral("lblBottom1"))->text(), QStringLiteral("资产负债表"));
    EXPECT_FALSE(child<QLabel>(*board, QStringLiteral("lblBottom3"))->isVisibleTo(board.get()));
    // The first report carries the hover marks.
    EXPECT_TRUE(child<QLabel>(*board, QStringLiteral("lblBack"))->isVisibleTo(board.get()));
    EXPECT_EQ(child<QLabel>(*board, QStringLiteral("lblBack"))->y(),
              child<QLabel>(*board, QStringLiteral("lblSub0"))->y() - 80 / 15);
}

TEST_F(BoardWindowOnDemo, AClickOnALabelEndsInTheLauncher) {
    const auto board = shownBoard();
    QTest::mouseClick(child<QLabel>(*board, QStringLiteral("lblLeft1")), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(*board, QStringLiteral("lblSub2")), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(*board, QStringLiteral("lblBottom2")), Qt::LeftButton);
    ASSERT_EQ(launcher.starts.size(), 3u);
    EXPECT_EQ(launcher.starts[0].what, QStringLiteral("BaseData.ItemList"));
    EXPECT_EQ(launcher.starts[1].params->item(QStringLiteral("FZRKCaption")).toString(),
              QStringLiteral("销售毛利润表"));
    EXPECT_EQ(launcher.starts[2].what,
              QStringLiteral("3002;ReportViewer.SrvRptRetrieve;gl;FRptID=3002;利润表;True"));
}

TEST_F(BoardWindowOnDemo, OnlyTheLabelUnderThePointerIsUnderlined) {
    const auto board = shownBoard();
    auto underlined = [&] {
        QStringList names;
        for (QLabel* label : board->findChildren<QLabel*>())
            if ((label->objectName().startsWith(QLatin1String("lblLeft")) ||
                 label->objectName().startsWith(QLatin1String("lblBottom"))) &&
                label->font().underline())
                names << label->objectName();
        return names;
    };
    QTest::mouseMove(child<QLabel>(*board, QStringLiteral("lblLeft0")));
    EXPECT_EQ(underlined(), QStringList{QStringLiteral("lblLeft0")});
    QTest::mouseMove(child<QLabel>(*board, QStringLiteral("lblLeft1")));
    EXPECT_EQ(underlined(), QStringList{QStringLiteral("lblLeft1")});
    QTest::mouseMove(child<QLabel>(*board, QStringLiteral("lblBottom0")));
    EXPECT_EQ(underlined(), QStringList{QStringLiteral("lblBottom0")});
    auto* refresh = child<QLabel>(*board, QStringLiteral("lblRefresh"));
    QTest::mouseMove(refresh);
    EXPECT_TRUE(refresh->font().underline());
    EXPECT_EQ(refresh->palette().color(QPalette::WindowText), QColor(213, 111, 26));
    QTest::mouseMove(child<QWidget>(*board, QStringLiteral("imgXXKB")), QPoint(2, 2));
    EXPECT_FALSE(refresh->font().underline());
    EXPECT_EQ(refresh->palette().color(QPalette::WindowText), QColor(74, 93, 143));
}

TEST_F(BoardWindowOnDemo, HelpGoesToTheFrameAndAltLettersToTheCommandBar) {
    const auto board = shownBoard();
    QTest::keyClick(board.get(), Qt::Key_F1);
    QTest::keyClick(board.get(), Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(board.get(), Qt::Key_F, Qt::NoModifier);
    // The Alt key's own press (no key code) goes to the bar too, then Alt+F; a plain F does not.
    EXPECT_EQ(calls.log, (QStringList{QStringLiteral("tipHelp"), QStringLiteral("barKeyDown 0 4"),
                                      QStringLiteral("barKeyDown 70 4")}));
}

TEST_F(BoardWindowOnDemo, RefreshRunsOnTheTimerAndOnTheLabel) {
    saveUserSetting(console.ctx, QStringLiteral("ZRK"), QStringLiteral("ZRKBOSS"), QStringLiteral("REFRESH"),
                    QStringLiteral("0.5"));
    const auto board = shownBoard();
    EXPECT_TRUE(board->refreshTimer().isActive());
    EXPECT_EQ(board->refreshTimer().interval(), 1000);
    EXPECT_EQ(board->presenter().refresh().refreshTime(), 30);
    panels.log.clear();
    QTest::mouseClick(child<QLabel>(*board, QStringLiteral("lblRefresh")), Qt::LeftButton);
    EXPECT_EQ(panels.log, QStringList{QStringLiteral("refreshSummaries")});
    board->setAutoRefresh(false, 0);
    EXPECT_FALSE(board->refreshTimer().isActive());
}

TEST_F(BoardWindowOnDemo, AToolIconHoldsTheMouseWhileThePointerIsOverIt) {
    const auto board = shownBoard();
    auto* icon = dynamic_cast<ToolIconLabel*>(child<QLabel>(*board, QStringLiteral("imgImport")));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->state().shown, 2);
    QTest::mouseMove(icon, QPoint(1, 1));
    EXPECT_EQ(icon->state().shown, 3);
    EXPECT_EQ(QWidget::mouseGrabber(), icon);
    QTest::mouseMove(icon, QPoint(-20, -20));
    EXPECT_EQ(icon->state().shown, 2);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mousePress(icon, Qt::LeftButton);
    EXPECT_EQ(icon->state().shown, 4);
    QTest::mouseRelease(icon, Qt::LeftButton);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(BoardWindowOnDemo, WithoutASettingThereIsNoTimer) {
    const auto board = shownBoard();
    EXPECT_FALSE(board->refreshTimer().isActive());
}

TEST_F(BoardWindowOnDemo, ASavedReportSettingRebuildsTheFrame) {
    const auto board = shownBoard();
    QTest::mouseClick(child<QLabel>(*board, QStringLiteral("imgSet")), Qt::LeftButton);
    EXPECT_EQ(settings.shown, 1);
    EXPECT_EQ(calls.log, QStringList{QStringLiteral("refreshSystem 1")});
    settings.saves = false;
    board->setReport();
    EXPECT_EQ(settings.shown, 2);
    EXPECT_EQ(calls.log.size(), 1);
    // No report import component is installed: the import does nothing.
    board->importReports();
    EXPECT_EQ(calls.log.size(), 1);
}

TEST_F(BoardWindowOnDemo, AManyReportListScrollsAndAWindowFarTooSmallLeavesTheRegions) {
    run(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1'"));
    const auto board = shownBoard(QSize(1280, 400));
    auto* bar = child<QScrollBar>(*board, QStringLiteral("VScrollRpt"));
    ASSERT_TRUE(bar->isVisibleTo(board.get()));
    const ReportListScroll& scroll = board->presenter().reportScroll();
    EXPECT_EQ(bar->maximum(), scroll.max());
    EXPECT_EQ(bar->maximum() + scroll.largeChange(), scroll.count());
    auto* last = child<QLabel>(*board, QStringLiteral("lblSub") + QString::number(scroll.count() - 1));
    bar->setValue(bar->maximum());
    auto* content = child<QWidget>(*board, QStringLiteral("picContent"));
    EXPECT_LE(last->geometry().bottom(), content->height());
    bar->setValue(0);
    EXPECT_EQ(child<QLabel>(*board, QStringLiteral("lblSub0"))->y(), 215 / 15);

    const QRect left = child<QWidget>(*board, QStringLiteral("picLeft"))->geometry();
    board->resize(40, 30);
    EXPECT_EQ(child<QWidget>(*board, QStringLiteral("picLeft"))->geometry(), left);
    board->resize(1280, 760);
    EXPECT_GT(child<QWidget>(*board, QStringLiteral("picLeft"))->height(), left.height());
}

TEST_F(BoardWindowOnDemo, TheIndustryLogoComesFromTheCommonFolderAndABadOneLeavesTheDesign) {
    console.settings.write(Hive::LocalMachine, demo::kInstallRegistryKey, QStringLiteral("Path"),
                           console.folder());
    const QString bmp = console.folder() + QStringLiteral("/Common/bmp/");
    ASSERT_TRUE(QDir().mkpath(bmp));
    QImage logo(392, 62, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    ASSERT_TRUE(logo.save(bmp + QStringLiteral("main_boss_7.bmp"), "BMP"));
    QFile corrupt(bmp + QStringLiteral("main_boss_8.bmp"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("BM not a picture");
    corrupt.close();
    const std::pair<std::int16_t, bool> cases[] = {{0, false}, {7, true}, {8, false}, {9, false}};
    for (const auto& [industry, own] : cases) {
        console.ctx.scheme().industryLoaded = true;
        console.ctx.scheme().industryId = industry;
        const auto board = shownBoard();
        auto* picture = dynamic_cast<ArtLabel*>(child<QLabel>(*board, QStringLiteral("imgLogo")));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->hasOwnPicture(), own) << industry;
        EXPECT_EQ(picture->size(), QSize(392, 62)) << industry;
    }
}

} // namespace
} // namespace zrk
