#include "host_fakes.h"
#include "launch/hosted_form.h"
#include "launch/key_codes.h"
#include "launch/operation_log.h"
#include "support/core_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

// The operation log: every entry written as one line.
class FakeLogServer : public Object, public ILogServer {
public:
    explicit FakeLogServer(test::Calls& calls) : calls_(calls) {}
    void writeLog(const QString& props, const QString& code, std::int16_t number, const QString& title,
                  const QString&, const QString&) override {
        calls_.log
            << QStringLiteral("writeLog %1 %2 %3 %4").arg(code).arg(number).arg(title).arg(props.isEmpty());
    }

private:
    test::Calls& calls_;
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::registerSuiteFakes(console.ctx, calls);
        console.ctx.components().add(kLogServerProgId,
                                     [this] { return std::make_shared<FakeLogServer>(calls); });
        addControl("Ctl.Shows", true, true);
        addControl("Ctl.Declines", false, true);
        addControl("Ctl.Leaves", true, false);
        addControl("VoucherEditor.VoucherEdit", true, true);
    }
    void addControl(const char* progId, bool shows, bool stays) {
        console.ctx.components().add(QString::fromLatin1(progId), [this, shows, stays] {
            calls.log << QStringLiteral("control created");
            return std::make_shared<test::FakeControl>(calls, shows, stays);
        });
    }
    SubAppHost& host() {
        if (!host_)
            host_ = std::make_unique<SubAppHost>(console.ctx, frame, view);
        return *host_;
    }

    test::CoreConsole console;
    test::Calls calls;
    test::FakeFrame frame{calls};
    test::FakeView view{calls};
    std::unique_ptr<SubAppHost> host_;
};

TEST_F(HostTest, ANewHostTakesTheSessionsSubIDAndTheFramesPeriod) {
    EXPECT_EQ(host().systemName(), QStringLiteral("gl"));
    EXPECT_EQ(host().periodText(), QStringLiteral("2026年第5期"));
    EXPECT_EQ(console.ctx.launch().hostWindows, std::vector<IHostWindow*>{&host()});
    host_.reset();
    EXPECT_TRUE(console.ctx.launch().hostWindows.empty());
}

TEST_F(HostTest, OpeningABaseDataFunctionLogsOneBeforeTheControlAndThreeOnceShown) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QStringLiteral("科目"), false, nullptr));
    EXPECT_EQ(calls.log, (QStringList{"writeLog K810008 1 科目 0", "caption 科目", "status 正在装载 科目...",
                                      "control created", "placeControl", "show(False)",
                                      "writeLog K810008 3 科目 0", "showWindow"}));
    EXPECT_NE(host().control(), nullptr);
}

TEST_F(HostTest, TheFunctionCodesFollowTheTitleIgnoringCase) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"科目", "K810008"},     {"币别", "K810009"},         {"凭证字", "K820007"},  {"计量单位", "K810007"},
        {"结算方式", "K820008"}, {"全部核算项目", "K820009"}, {"辅助资料", "K810011"}};
    for (const auto& [title, code] : cases)
        EXPECT_EQ(operationLogCode(QString::fromUtf8(title)),
                  std::optional<QString>(QString::fromLatin1(code)));
    EXPECT_EQ(operationLogCode(QStringLiteral("客户")), std::nullopt);
    EXPECT_EQ(operationLogCode(QString()), std::nullopt);
}

TEST_F(HostTest, TheShowArgumentsFollowTheTagAndTheRefreshFlag) {
    struct Case {
        const char* tag;
        bool refresh;
        QString shown;
    };
    const std::vector<Case> cases{
        {"REPORTBOS", false, "show(" + calls.props[QStringLiteral("PropsString")].toString() + ")"},
        {"reportBos", true, "show(" + calls.props[QStringLiteral("PropsString")].toString() + ")"},
        {"Other", true, "show()"},
        {"Other", false, "show(False)"},
    };
    for (const Case& c : cases) {
        calls.log.clear();
        SubAppHost host(console.ctx, frame, view);
        host.setFormKey(QString::fromLatin1(c.tag));
        EXPECT_TRUE(host.loadSubApp(QStringLiteral("Ctl.Shows"), QStringLiteral("客户"), c.refresh, nullptr));
        EXPECT_TRUE(calls.log.contains(c.shown)) << c.tag << " " << calls.log.join('|').toStdString();
    }
}

TEST_F(HostTest, AControlThatCannotBeShownLeavesNoWindowHalfOpen) {
    for (const char* progId : {"Ctl.Declines", "No.Such.Control"}) {
        calls.log.clear();
        calls.reported.clear();
        view.disposed = false;
        SubAppHost host(console.ctx, frame, view);
        EXPECT_FALSE(host.loadSubApp(QString::fromLatin1(progId), QString(), false, nullptr)) << progId;
        EXPECT_TRUE(view.disposed);
        EXPECT_TRUE(host.unloaded());
        EXPECT_EQ(host.control(), nullptr);
        EXPECT_TRUE(host.ctrlProgId().isEmpty());
        EXPECT_TRUE(console.ctx.launch().hostWindows.empty());
        EXPECT_FALSE(calls.log.contains(QStringLiteral("showWindow")));
        EXPECT_EQ(frame.status, QString()); // the loading text is gone
        EXPECT_TRUE(calls.log.contains(QStringLiteral("notifyActiveForm none")));
    }
    EXPECT_EQ(calls.reported.size(), 1u); // the component that does not exist
}

TEST_F(HostTest, AFormThatDoesNotStayOpenUnloadsAfterItsShow) {
    EXPECT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Leaves"), QStringLiteral("客户"), false, nullptr));
    EXPECT_TRUE(view.disposed);
    EXPECT_EQ(host().control(), nullptr);
}

TEST_F(HostTest, APriceSchemeWindowIsCaptionedAsSalesPrices) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QStringLiteral("价格方案"), false, nullptr));
    EXPECT_EQ(view.caption, QStringLiteral("销售价格资料"));
    SubAppHost unnamed(console.ctx, frame, view);
    ASSERT_TRUE(unnamed.loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, nullptr));
    EXPECT_EQ(view.caption, QStringLiteral("Ctl.Shows"));
}

TEST_F(HostTest, AnEventObjectMayRefuseTheControlOrShowTheFormItself) {
    struct Events : Object, IHostEvents {
        bool answer = true;
        int asked = 0;
        bool hostControl(const ObjectPtr& control, const std::shared_ptr<IHostedForm>& form) override {
            ++asked;
            return answer && control && form;
        }
    };
    struct ShowingEvents : Events, IHostEventsShowsForm {};
    auto refusing = std::make_shared<Events>();
    refusing->answer = false;
    EXPECT_FALSE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, refusing));
    EXPECT_EQ(refusing->asked, 1);
    EXPECT_TRUE(view.disposed);

    calls.log.clear();
    SubAppHost second(console.ctx, frame, view);
    auto showing = std::make_shared<ShowingEvents>();
    EXPECT_TRUE(second.loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, showing));
    EXPECT_TRUE(calls.log.filter(QStringLiteral("show(")).isEmpty());
    EXPECT_NE(second.control(), nullptr);
}

TEST_F(HostTest, TheFirstActivationSendsFirstShowThenActivateAndLaterOnlyActivate) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, nullptr));
    host().setSystemName(QStringLiteral("ar"));
    calls.log.clear();
    host().activated();
    host().deactivated();
    host().activated();
    view.minimised = true;
    host().activated();
    EXPECT_EQ(calls.log,
              (QStringList{"notifyActiveForm form", "showControl", "notify FirstShow", "focusControl",
                           "notify Activate", "notify Deactivate", "notifyActiveForm form", "focusControl",
                           "notify Activate", "notifyActiveForm form"}));
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("ar"));
    calls.log.clear();
    view.active = false;
    host().activated();
    EXPECT_TRUE(calls.log.isEmpty());
}

TEST_F(HostTest, ClosingTellsTheControlAndRemovesTheMergedTools) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, nullptr));
    calls.log.clear();
    host().close();
    host().close();
    EXPECT_EQ(calls.log, (QStringList{"notify QueryUnload", "status ", "notifyActiveForm none",
                                      "removeControl", "dispose"}));
}

TEST_F(HostTest, ThisFormsPropertiesReachTheWindowAndTheFrame) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, nullptr));
    const auto form = host().thisForm();
    calls.log.clear();
    form->setCaption(QStringLiteral("应收款"));
    form->setIcon(QString());
    form->setIcon(QStringLiteral("document-open"));
    form->setStatusString(QStringLiteral("3 条记录"));
    view.active = false;
    form->setStatusString(QStringLiteral("not shown"));
    EXPECT_EQ(calls.log, (QStringList{"caption 应收款", "icon document-open", "status 3 条记录"}));

    view.active = true;
    form->setToolBar(ToolBarLayout{{BandDefinition{QStringLiteral("mnuFile"), 1, 5, {}},
                                    BandDefinition{QStringLiteral("tbMain"), 0, 5, {}}}});
    ASSERT_TRUE(frame.merged.has_value());
    ASSERT_EQ(frame.merged->bands.size(), 2);
    EXPECT_EQ(frame.merged->bands[0].name, QStringLiteral("Menu"));
    EXPECT_EQ(frame.merged->bands[0].bandSetting, 0);
    EXPECT_EQ(frame.merged->bands[1].name, QStringLiteral("tbMain"));
    EXPECT_EQ(frame.merged->bands[1].bandSetting, 5);
    EXPECT_EQ(form->toolBar().bands[0].name, QStringLiteral("Menu"));

    host().propertyChanged(QStringLiteral("Colour"));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("Unknown PropName : Colour"));
}

TEST_F(HostTest, TheCloseToolClosesTheWindowAfterTheClick) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, nullptr));
    calls.log.clear();
    host().thisForm()->fireToolBarClick(QStringLiteral("Save"));
    host().thisForm()->fireToolBarClick(QStringLiteral("CLOSE"));
    EXPECT_EQ(calls.log, QStringList{"closeLater"});
}

TEST_F(HostTest, KeysGoToHelpTheVoucherEditorsF12AndTheCommandBar) {
    ASSERT_TRUE(host().loadSubApp(QStringLiteral("VoucherEditor.VoucherEdit"), QString(), false, nullptr));
    calls.log.clear();
    KeyRoute f1 = host().keyDown(keycode::F1, 0);
    EXPECT_TRUE(f1.consumed);
    KeyRoute plus = host().keyDown(keycode::NumpadPlus, 0);
    EXPECT_FALSE(plus.consumed);
    EXPECT_EQ(plus.keyCode, keycode::F12);
    frame.barUsesKeys = true;
    EXPECT_TRUE(host().keyDown(int('S'), kCtrlMask).consumed);
    EXPECT_TRUE(host().keyUp(int('F'), kAltMask));
    EXPECT_TRUE(host().keyUp(keycode::F10, 0));
    EXPECT_FALSE(host().keyUp(int('F'), kCtrlMask));
    EXPECT_EQ(calls.log, (QStringList{"tipHelp", "barKeyDown 123 0", "barKeyDown 83 2", "barKeyUp 70 4",
                                      "barKeyUp 121 0"}));

    SubAppHost other(console.ctx, frame, view);
    ASSERT_TRUE(other.loadSubApp(QStringLiteral("Ctl.Shows"), QString(), false, nullptr));
    EXPECT_EQ(other.keyDown(keycode::NumpadPlus, 0).keyCode, keycode::NumpadPlus);
}

TEST(KeyCodes, QtKeysBecomeThePlatformsCodes) {
    EXPECT_EQ(platformKeyCode(Qt::Key_F1, Qt::NoModifier), 112);
    EXPECT_EQ(platformKeyCode(Qt::Key_F12, Qt::NoModifier), 123);
    EXPECT_EQ(platformKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(platformKeyCode(Qt::Key_Plus, Qt::NoModifier), 0);
    EXPECT_EQ(platformKeyCode(Qt::Key_S, Qt::ControlModifier), 83);
    EXPECT_EQ(platformShiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(qtKeyOfFunctionKey(123), int(Qt::Key_F12));
    EXPECT_EQ(qtKeyOfFunctionKey(107), 0);
}

} // namespace
} // namespace zrk
