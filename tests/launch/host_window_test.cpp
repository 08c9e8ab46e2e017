#include "host_fakes.h"
#include "launch/hosted_form.h"
#include "launch/main_service.h"
#include "launch_widgets/host_window_factory.h"
#include "launch_widgets/sub_app_window.h"
#include "support/test_console.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// The frame's area in a window of its own, and the rest of the frame as a recording fake.
class AreaFrame : public test::FakeFrame {
public:
    explicit AreaFrame(test::Calls& calls) : FakeFrame(calls) { area.resize(800, 600); }
    QWidget* mdiArea() override { return &area; }
    QMdiArea area;
};

// A hosted control over a line edit that records the keys it sees.
class EditControl : public test::FakeControl {
public:
    EditControl(test::Calls& calls, bool shows) : FakeControl(calls, shows, true), calls_(calls) {}
    QWidget* widget() override {
        if (!edit_) {
            edit_ = new QLineEdit;
            edit_->installEventFilter(&keys_);
        }
        return edit_;
    }

private:
    struct Keys : QObject {
        explicit Keys(test::Calls& calls) : calls(calls) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress)
                calls.log
                    << QStringLiteral("control key %1").arg(static_cast<QKeyEvent*>(event)->key(), 0, 16);
            return false;
        }
        test::Calls& calls;
    };
    test::Calls& calls_;
    QPointer<QLineEdit> edit_;
    Keys keys_{calls_};
};

class HostWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::registerSuiteFakes(console.ctx, calls);
        for (const char* progId : {"Ctl.Edit", "VoucherReview.VoucherEdit"})
            console.ctx.components().add(QString::fromLatin1(progId),
                                         [this] { return std::make_shared<EditControl>(calls, true); });
        console.ctx.components().add(QStringLiteral("Ctl.Declines"),
                                     [this] { return std::make_shared<EditControl>(calls, false); });
        frame.area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame.area));
    }
    std::shared_ptr<QVMainService> service() {
        return getMainService(console.ctx, ServiceRoles{frames, factory});
    }
    SubAppWindow* window(int index) {
        const auto windows = frame.area.subWindowList();
        return index < windows.size() ? qobject_cast<SubAppWindow*>(windows[index]) : nullptr;
    }
    QStringList controlMessages() const { return calls.log.filter(QStringLiteral("notify ")); }

    test::TestConsole console;
    test::Calls calls;
    AreaFrame frame{calls};
    test::FakeFrames frames{calls, frame};
    HostWindowFactory factory{console.ctx};
};

TEST_F(HostWindowTest, ShowFormOpensAWindowInTheFramesAreaThatActivatesWithFirstShowThenActivate) {
    const ObjectPtr control = service()->showForm(QStringLiteral("ar"), QStringLiteral("Ctl.Edit"), QString(),
                                                  false, QStringLiteral("应收款"));
    ASSERT_NE(control, nullptr);
    SubAppWindow* shown = window(0);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("应收款"));
    ASSERT_NE(shown->controlWidget(), nullptr);
    EXPECT_EQ(shown->widget(), shown->controlWidget());
    EXPECT_EQ(shown->controlWidget()->objectName(), QStringLiteral("Control"));
    frame.area.setActiveSubWindow(shown);
    EXPECT_EQ(controlMessages(), (QStringList{"notify FirstShow", "notify Activate"}));
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("ar"));

    // A second window takes the activation; coming back sends only Activate.
    ASSERT_NE(service()->showForm(QStringLiteral("gl"), QStringLiteral("Ctl.Edit"), QStringLiteral("Two")),
              nullptr);
    frame.area.setActiveSubWindow(window(1));
    calls.log.clear();
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("Ctl.Edit"), true), control);
    // The second window hears that it lost the activation before the first one is activated.
    EXPECT_EQ(controlMessages(), (QStringList{"notify Deactivate", "notify Activate"}));
}

TEST_F(HostWindowTest, AControlWhoseShowFailsLeavesNoWindow) {
    EXPECT_EQ(service()->showForm(QStringLiteral("ar"), QStringLiteral("Ctl.Declines")), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.area.subWindowList().isEmpty());
    EXPECT_TRUE(console.ctx.launch().hostWindows.empty());
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("Ctl.Declines")), nullptr);
}

TEST_F(HostWindowTest, KeysReachHelpTheCommandBarAndTheVoucherEditorsF12) {
    ASSERT_NE(service()->showForm(QStringLiteral("gl"), QStringLiteral("VoucherReview.VoucherEdit")),
              nullptr);
    SubAppWindow* shown = window(0);
    frame.area.setActiveSubWindow(shown);
    QWidget* edit = shown->controlWidget();
    calls.log.clear();
    QTest::keyClick(edit, Qt::Key_F1);
    QTest::keyClick(edit, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(calls.log, (QStringList{"tipHelp", "barKeyDown 123 0", "control key 100003b", "barKeyDown 65 0",
                                      "control key 41"}));
}

TEST_F(HostWindowTest, TheCloseToolAndTheWindowsCloseUnloadIt) {
    ASSERT_NE(service()->showForm(QStringLiteral("gl"), QStringLiteral("Ctl.Edit"), QStringLiteral("A")),
              nullptr);
    ASSERT_NE(service()->showForm(QStringLiteral("gl"), QStringLiteral("Ctl.Edit"), QStringLiteral("B")),
              nullptr);
    window(0)->host().thisForm()->fireToolBarClick(QStringLiteral("close"));
    EXPECT_EQ(frame.area.subWindowList().size(), 2); // not while the click is at work
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frame.area.subWindowList().size(), 1);
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("A")), nullptr);
    calls.log.clear();
    window(0)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.area.subWindowList().isEmpty());
    EXPECT_EQ(controlMessages(), QStringList{"notify QueryUnload"});
    EXPECT_TRUE(calls.log.contains(QStringLiteral("notifyActiveForm none")));
    EXPECT_TRUE(console.ctx.launch().hostWindows.empty());
}

} // namespace
} // namespace zrk
