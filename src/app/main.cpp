#include "analysis/analysis_panel.h"
#include "app/process_setup.h"
#include "core/console_context.h"
#include "desktop/product_icon.h"
#include "desktop/qt_prompt_service.h"
#include "desktop/x11_window_finder.h"
#include "launch/main_service_on_bus.h"
#include "reports/report_components.h"
#include "session/diagnostic_log.h"
#include "session/installation.h"
#include "session/message_boxes.h"
#include "session/session_component_host.h"
#include "session/texts.h"
#include "settings/settings_dialogs.h"
#include "shell/main_frame.h"
#include "shell/status_panels.h"
#include "shell/web_links.h"
#include "startup/command_line.h"
#include "startup/console_start.h"
#include "startup/console_windows.h"
#include "startup/instance_channel.h"
#include "startup/program_options.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

// Writes the picture of the main window and what its caption and status bar say.
int reportScreenshot(zrk::MainFrame& frame, const QString& file, qint64 elapsedMs) {
    QTextStream out(stdout);
    const bool saved = frame.grab().save(file, "PNG");
    out << "caption: " << frame.windowTitle() << '\n';
    for (int panel = 1; panel <= zrk::StatusPanels::kCount; ++panel)
        out << "status " << panel << ": " << frame.panels().text(panel) << '\n';
    if (zrk::IBoard* board = frame.board())
        for (const QString& line : board->ownerLines())
            out << line << '\n';
    out << "board built after " << elapsedMs << " ms\n";
    if (!saved) {
        QTextStream(stderr) << "zrkboss: cannot write " << file << '\n';
        return 1;
    }
    out << "screenshot: " << file << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before any thread exists, so that every thread of the process leaves the signals to the
    // event loop.
    zrk::TerminationSignals::block();
    QElapsedTimer sinceStart;
    sinceStart.start();
    const zrk::ProgramOptions options = zrk::readProgramOptions([&] {
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        return args;
    }());
    if (options.action == zrk::ProgramAction::ShowHelp || options.action == zrk::ProgramAction::Refuse) {
        QTextStream(options.action == zrk::ProgramAction::ShowHelp ? stdout : stderr) << options.text;
        return options.exitCode;
    }
    // The picture and the version need no screen: without one they run offscreen.
    if ((!options.screenshot.isEmpty() || options.action == zrk::ProgramAction::ShowVersion) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Without a session runtime folder (a service, a container) the toolkit complains on every
    // start; give it the console's private one.
    const zrk::RuntimeFolder runtime = zrk::runtimeFolder();
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.problem.isEmpty())
        qputenv("XDG_RUNTIME_DIR", runtime.path.toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setWindowIcon(zrk::productIcon());
    zrk::TerminationSignals termination;
    // A signal that came while the start ran (its loops may have seen it) ends the process here.
    auto runEventLoop = [&app, &termination] {
        return termination.exitCode() != 0 ? termination.exitCode() : app.exec();
    };
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRK_VERSION));
    // The console ends when its frame unloads, not when the login dialog, the last window open
    // before the frame, closes.
    app.setQuitOnLastWindowClosed(false);
    const zrk::SettingsStore settings = zrk::settingsForProcess();
    const bool headless =
        !options.screenshot.isEmpty() || QGuiApplication::platformName() == QLatin1String("offscreen");
    zrk::QtPromptService desktopPrompts;
    zrk::HeadlessPromptService headlessPrompts;
    zrk::PromptService& prompts =
        headless ? static_cast<zrk::PromptService&>(headlessPrompts) : desktopPrompts;
    const auto windows = zrk::makeWindowFinder(QGuiApplication::platformName());
    zrk::ConsoleContext ctx(settings, prompts, *windows);
    ctx.session().commandLine = options.launchText;
    if (!options.size.isEmpty())
        ctx.desktop().screenSize = options.size;
    zrk::suite::registerSuiteComponents(ctx.components(), zrk::suiteEnvironmentFor(settings, &prompts));
    zrk::reports::registerReportComponents(ctx);
    // The suite's functions come as plug-ins from the folder beside the program.
    zrk::SessionComponentHost pluginHost(ctx);
    ctx.components().addPluginFolder(zrk::pluginFolderOf(QCoreApplication::applicationDirPath()), pluginHost);

    if (options.action == zrk::ProgramAction::ShowVersion) {
        QTextStream(stdout) << "zrkboss " << QCoreApplication::applicationVersion() << '\n'
                            << zrk::translate(ctx, zrk::getProductTitle(ctx)) << " - "
                            << zrk::translate(ctx, zrk::getSchemeInfo(ctx).appName) << '\n';
        return options.exitCode;
    }

    const bool embedding = zrk::isEmbeddingLaunch(options.launchArguments);
    // One console per user and display: a later start hands over to the running one, and ends
    // with a failure when that one did not bring its window forward. A run for a picture is a
    // copy of its own: it neither hands over nor answers.
    std::unique_ptr<zrk::InstanceChannel> channel;
    if (options.screenshot.isEmpty() || embedding) {
        if (!runtime.problem.isEmpty()) {
            zrk::showMessage(ctx, zrk::translatePattern(ctx, runtime.problem, {runtime.path}), false);
            return 1;
        }
        channel = std::make_unique<zrk::InstanceChannel>(zrk::instanceChannelName(), runtime.path);
        if (!channel->claim()) {
            const auto reply = channel->handOver();
            if (reply == zrk::InstanceChannel::Reply::Shown)
                return 0;
            zrk::showMessage(ctx, zrk::handOverMessage(reply), false);
            return 1;
        }
    }

    zrk::analysis::AnalysisPanelFactory analysisPanels(ctx);
    zrk::SettingsDialogs settingsDialogs(ctx);
    zrk::ConsoleWindows windowsOfConsole(ctx, &analysisPanels, &settingsDialogs);
    QObject::connect(&windowsOfConsole, &zrk::ConsoleWindows::frameUnloaded, &app, &QCoreApplication::quit);
    if (channel)
        channel->onShow = [&windowsOfConsole, &ctx, embedding] {
            return zrk::showAnswer(windowsOfConsole.activateFrame(), embedding, ctx.session().loggedIn);
        };

    // Other programs reach the service object on the session bus, when there is one. Only a
    // copy that serves objects may be ended from outside; the owner's window is closed by the
    // owner.
    zrk::MainServiceOnBus busService([&windowsOfConsole] { return windowsOfConsole.mainService(); },
                                     embedding ? std::function<void()>([&app] { app.quit(); }) : nullptr);
    zrk::WebLoginMain webLogin(
        ctx, [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); });
    std::unique_ptr<zrk::ConsoleBus> bus;
    if (channel)
        bus = zrk::ConsoleBus::registerOn(
            QDBusConnection::sessionBus(), busService,
            [&webLogin](std::int16_t index) { return webLogin.loginZrkInternet(index); });

    if (embedding) {
        // Serve the console's objects until asked to quit; no login, no window.
        channel->onQuit = [&app] { app.quit(); };
        const std::int32_t serving = zrk::logStart(ctx, QStringLiteral("zrkboss: serving objects"));
        const int code = runEventLoop();
        zrk::logEnd(ctx, serving, code);
        return code;
    }

    // The diagnostic log follows the start; the launch text itself may carry a password and
    // stays out of it.
    const std::int32_t startLog = zrk::logStart(
        ctx, QStringLiteral("zrkboss %1: start%2")
                 .arg(QCoreApplication::applicationVersion(),
                      options.launchText.isEmpty() ? QString() : QStringLiteral(" with launch parameters")));
    auto started = zrk::startFromCommandLine(ctx, windowsOfConsole, options.launchText);
    if (started == zrk::CommandLineStart::NoSession) {
        zrk::logInfo(ctx, startLog, QStringLiteral("no session in the launch parameters: owner login"));
        started = zrk::startConsole(ctx, windowsOfConsole, nullptr) == zrk::StartOutcome::Running
                      ? zrk::CommandLineStart::Running
                      : zrk::CommandLineStart::Ended;
    }
    zrk::logEnd(ctx, startLog, started == zrk::CommandLineStart::Running ? -1 : 0);
    zrk::MainFrame* frame = windowsOfConsole.frame();
    if (started != zrk::CommandLineStart::Running || !frame)
        return 1;

    if (!options.screenshot.isEmpty()) {
        int code = 0;
        auto report = [&] {
            code = reportScreenshot(*frame, options.screenshot, sinceStart.elapsed());
            // The picture is all that was asked for: close without the exit question (closing
            // the frame ends the application).
            frame->setAskOnExit(false);
            frame->close();
        };
        if (ctx.board().built)
            QTimer::singleShot(0, &app, report);
        else if (zrk::IBoard* board = frame->board())
            board->onBuilt([&] { QTimer::singleShot(0, &app, report); });
        const int ended = runEventLoop();
        return ended != 0 ? ended : code;
    }
    return runEventLoop();
}
