#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace zrk {

// What a start of zrkboss is asked to do.
enum class ProgramAction {
    Start,       // start the console with the launch text
    ShowHelp,    // print the text on standard output and end with the exit code (0)
    ShowVersion, // print the version, product title and edition and end with the exit code (0)
    Refuse,      // print the text on standard error and end with the exit code (2)
};

// The command line of zrkboss, read.
struct ProgramOptions {
    ProgramAction action = ProgramAction::Start;
    // Every argument that is none of the console's own options, in the order given, joined by
    // single spaces: the text another program of the suite passes ("PropsString=…;LoginInfo=…;",
    // "VYTParams=…;AlgID=…", "-Embedding"), for startFromCommandLine and isEmbeddingLaunch.
    QString launchText;
    // The same arguments one by one, as the operating system handed them over.
    QStringList launchArguments;
    QString screenshot; // --screenshot FILE; empty when not asked for
    QSize size;         // --size WxH: the screen and window of the picture; empty when not given
    QString text;       // ShowHelp: the usage; Refuse: what is wrong and where to read more
    int exitCode = 0;   // the process's exit code when the action is not Start
};

// Reads the arguments after the program's name. The console's own options are -h/--help,
// --version, --screenshot FILE (also --screenshot=FILE) and --size WxH (the picture's screen
// size, only with --screenshot), anywhere on the line; every other
// argument, whether it starts with a dash or not, goes into the launch text untouched, so that
// whatever the suite passes (property strings, "-Embedding" in any letter case) reaches the
// start sequence as the suite wrote it.
// --help wins over everything else, a misused option over --version.
ProgramOptions readProgramOptions(const QStringList& args);

} // namespace zrk
