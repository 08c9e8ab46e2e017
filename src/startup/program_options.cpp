#include "startup/program_options.h"

#include <QCommandLineParser>

namespace zrk {
namespace {

const QString kProgram = QStringLiteral("zrkboss");

const QString kUsageLine = QStringLiteral("Usage: zrkboss [options] [launch parameters]");

const QString kDescription = QStringLiteral(
    "The owner's reporting console of the Quorvel ZRK accounting and trading suite.\n"
    "\n"
    "Launch parameters (one text, as another program of the suite passes them):\n"
    "  PropsString=<Base64 property string>;[LoginInfo=<Base64>;]   adopt that session\n"
    "  VYTParams=<enciphered parameters>;AlgID=<n>                     log on from another program\n"
    "  -Embedding                                                      only serve the console's objects\n"
    "Without any, the owner's login dialog opens. Every argument that is none of the options\n"
    "below belongs to the launch parameters, whether it starts with a dash or not.");

const QString kEnvironment =
    QStringLiteral("Environment:\n"
                   "  ZRK_SETTINGS_DIR   keep the machine and user settings in this folder\n"
                   "  ZRK_LOG=1          write the diagnostic log\n");

// The parser takes every word that starts with a dash for an option and refuses the ones it does
// not know. A launch parameter that starts with one ("-Embedding") reaches it behind this mark,
// which no argument from the operating system can hold, and so stays a positional argument in
// its place, or the value of the option before it; the mark comes off again afterwards.
constexpr QChar kLaunchMark(u'\0');

QString unmarked(QString word) {
    if (word.startsWith(kLaunchMark))
        word.remove(0, 1);
    return word;
}

// "1280x800" as a size; an empty size for anything else (a zero, a sign, a missing part).
QSize sizeOf(const QString& text) {
    const QStringList parts = text.toLower().split(QLatin1Char('x'));
    if (parts.size() != 2)
        return {};
    bool wide = false, high = false;
    const int w = parts[0].toInt(&wide), h = parts[1].toInt(&high);
    if (!wide || !high || w <= 0 || h <= 0 || w > 16384 || h > 16384 ||
        parts[0].startsWith(QLatin1Char('+')) || parts[1].startsWith(QLatin1Char('+')))
        return {};
    return QSize(w, h);
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("print this text")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("print the program's version, product title and edition")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral("run without a screen: wait until the board is built, write a PNG of the main "
                       "window, print its caption and status-bar texts, and exit"),
        QStringLiteral("FILE")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QStringLiteral("with --screenshot: the screen's and the main window's size in pixels "
                       "(default 1280x800)"),
        QStringLiteral("WxH")};

    Parser() {
        parser.setApplicationDescription(kDescription);
        parser.addOptions({help, version, screenshot, size});
    }

    // True for "-h", "--help", "--version", "--screenshot", "--size" and their "=…" forms: the words the
    // parser is to read as options.
    bool isOwnOption(const QString& word) const {
        for (const QCommandLineOption* option : {&help, &version, &screenshot, &size})
            for (const QString& name : option->names()) {
                if (name.size() == 1 ? word == QLatin1Char('-') + name
                                     : word == QLatin1String("--") + name ||
                                           word.startsWith(QLatin1String("--") + name + QLatin1Char('=')))
                    return true;
            }
        return false;
    }

    // Qt's own first line names the program by the path it was started with, or by a
    // placeholder before the application object exists; the usage line names it as one types it.
    QString helpText() const {
        const QString qtHelp = parser.helpText();
        return kUsageLine + qtHelp.mid(qtHelp.indexOf(QLatin1Char('\n'))) + QLatin1Char('\n') + kEnvironment;
    }
};

} // namespace

ProgramOptions readProgramOptions(const QStringList& args) {
    Parser p;
    QStringList words{kProgram};
    for (const QString& arg : args)
        words << (arg.startsWith(QLatin1Char('-')) && !p.isOwnOption(arg) ? kLaunchMark + arg : arg);
    const bool parsed = p.parser.parse(words);

    ProgramOptions options;
    QStringList launch;
    for (const QString& word : p.parser.positionalArguments())
        launch << unmarked(word);
    options.launchText = launch.join(QLatin1Char(' '));
    options.launchArguments = launch;
    options.screenshot = unmarked(p.parser.value(p.screenshot));

    QString error;
    if (p.parser.isSet(p.size))
        options.size = sizeOf(unmarked(p.parser.value(p.size)));
    if (p.parser.isSet(p.screenshot) && options.screenshot.isEmpty())
        error = QStringLiteral("--screenshot needs a file name");
    else if (p.parser.isSet(p.size) && options.size.isEmpty())
        error = QStringLiteral("--size needs a width and a height in pixels, as 1280x800");
    else if (p.parser.isSet(p.size) && !p.parser.isSet(p.screenshot))
        error = QStringLiteral("--size goes with --screenshot");
    else if (!parsed)
        error = p.parser.errorText();

    if (p.parser.isSet(p.help)) {
        options.action = ProgramAction::ShowHelp;
        options.text = p.helpText();
    } else if (!error.isEmpty()) {
        options.action = ProgramAction::Refuse;
        options.text = kProgram + QStringLiteral(": ") + error + QStringLiteral("\nRun '") + kProgram +
                       QStringLiteral(" --help' for the options and launch parameters.\n");
        options.exitCode = 2;
    } else if (p.parser.isSet(p.version)) {
        options.action = ProgramAction::ShowVersion;
    }
    return options;
}

} // namespace zrk
