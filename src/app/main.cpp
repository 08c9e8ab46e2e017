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

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

namespace {

const char* const kUsage =
    "Usage: zrkboss [options] [launch parameters]\n"
    "The owner's reporting console of the Quorvel ZRK accounting and trading suite.\n"
    "\n"
    "Launch parameters (one text, as another program of the suite passes them):\n"
    "  PropsString=<Base64 property string>;[LoginInfo=<Base64>;]   adopt that session\n"
    "  VYTParams=<enciphered parameters>;AlgID=<n>                     log on from another program\n"
    "  -Embedding                                                      only serve the console's objects\n"
    "Without any, the owner's login dialog opens.\n"
    "\n"
    "Options:\n"
    "  --screenshot FILE   run without a screen: wait until the board is built, write a PNG of the\n"
    "                      main window, print its caption and status-bar texts, and exit\n"
    "  --version           print the program's version, product title and edition\n"
    "  --help              print this text\n"
    "\n"
    "Environment:\n"
    "  ZRK_SETTINGS_DIR   keep the machine and user settings in this folder\n"
    "  ZRK_LOG=1          write the diagnostic log\n";

struct Options {
    bool version = false;
    bool help = false;
    QString screenshot;
    QString commandLine;
    QString error;
};

Options parseOptions(const QStringList& args) {
    Options options;
    QStringList launch;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--version"))
            options.version = true;
        else if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            options.help = true;
        else if (arg == QLatin1String("--screenshot")) {
            if (i + 1 >= args.size())
                options.error = QStringLiteral("--screenshot needs a file name");
            else
                options.screenshot = args[++i];
        } else
            launch << arg;
    }
    options.commandLine = launch.join(QLatin1Char(' '));
    return options;
}

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
    const Options options = parseOptions([&] {
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        return args;
    }());
    if (!options.error.isEmpty() || options.help) {
        QTextStream(options.help ? stdout : stderr)
            << (options.error.isEmpty() ? QString() : options.error + '\n') << kUsage;
        return options.help ? 0 : 2;
    }
    if (!options.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Without a session runtime folder (a service, a container) the toolkit complains on every
    // start; give it the console's private one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", zrk::runtimeFolder().toLocal8Bit());
    QApplication app(argc, argv);
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
    ctx.session().commandLine = options.commandLine;
    zrk::suite::registerSuiteComponents(ctx.components(), zrk::suiteEnvironmentFor(settings, &prompts));

    if (options.version) {
        QTextStream(stdout) << "zrkboss " << ZRK_VERSION << '\n'
                            << zrk::translate(ctx, zrk::getProductTitle(ctx)) << " - "
                            << zrk::translate(ctx, zrk::getSchemeInfo(ctx).appName) << '\n';
        return 0;
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

    if (zrk::isEmbeddingLaunch(options.commandLine)) {
        // Serve the console's objects until asked to quit; no login, no window.
        channel.onQuit = [&app] { app.quit(); };
        return app.exec();
    }

    auto started = zrk::startFromCommandLine(ctx, windowsOfConsole, options.commandLine);
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
