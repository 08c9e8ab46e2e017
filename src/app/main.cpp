#include "app/process_setup.h"
#include "core/console_context.h"
#include "desktop/qt_prompt_service.h"
#include "desktop/x11_window_finder.h"
#include "session/installation.h"
#include "session/texts.h"
#include "shell/main_frame.h"
#include "shell/status_panels.h"
#include "startup/command_line.h"
#include "startup/console_start.h"
#include "startup/console_windows.h"
#include "startup/instance_channel.h"
#include "startup/program_options.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

namespace {

// Writes the picture of the main window and what its caption and status bar say.
int reportScreenshot(zrk::MainFrame& frame, const QString& file, qint64 elapsedMs) {
    QTextStream out(stdout);
    const bool saved = frame.grab().save(file, "PNG");
    out << "caption: " << frame.windowTitle() << '\n';
    for (int panel = 1; panel <= zrk::StatusPanels::kCount; ++panel)
        out << "status " << panel << ": " << frame.panels().text(panel) << '\n';
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
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", zrk::runtimeFolder().toLocal8Bit());
    QApplication app(argc, argv);
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
    zrk::suite::registerSuiteComponents(ctx.components(), zrk::suiteEnvironmentFor(settings, &prompts));

    if (options.action == zrk::ProgramAction::ShowVersion) {
        QTextStream(stdout) << "zrkboss " << QCoreApplication::applicationVersion() << '\n'
                            << zrk::translate(ctx, zrk::getProductTitle(ctx)) << " - "
                            << zrk::translate(ctx, zrk::getSchemeInfo(ctx).appName) << '\n';
        return options.exitCode;
    }

    // One console per user and display: a later start hands over to the running one.
    zrk::InstanceChannel channel(zrk::instanceChannelName(), zrk::runtimeFolder());
    if (!channel.claim()) {
        channel.request(QStringLiteral("activate"));
        return 0;
    }

    zrk::ConsoleWindows windowsOfConsole(ctx);
    QObject::connect(&windowsOfConsole, &zrk::ConsoleWindows::frameUnloaded, &app, &QCoreApplication::quit);
    channel.onActivate = [&windowsOfConsole] { return windowsOfConsole.activateFrame(); };

    if (zrk::isEmbeddingLaunch(options.launchText)) {
        // Serve the console's objects until asked to quit; no login, no window.
        channel.onQuit = [&app] { app.quit(); };
        return app.exec();
    }

    auto started = zrk::startFromCommandLine(ctx, windowsOfConsole, options.launchText);
    if (started == zrk::CommandLineStart::NoSession)
        started = zrk::startConsole(ctx, windowsOfConsole, nullptr) == zrk::StartOutcome::Running
                      ? zrk::CommandLineStart::Running
                      : zrk::CommandLineStart::Ended;
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
        app.exec();
        return code;
    }
    return app.exec();
}
