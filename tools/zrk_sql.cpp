// zrk-sql: runs T-SQL batches against a connection string, for administrators and for tests.
//
//   zrk-sql -S "<connection string>" [-i <file> | -Q "<batch>"]
//   zrk-sql --help | --version
//
// What it does with them is in its --help text, below. A wrong command line ends it with exit
// code 2, an engine error with exit code 1.
#include "platform/db/connection.h"
#include "platform/db/row_store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

namespace {

QString cellText(const zrk::Variant& v) {
    switch (v.type()) {
    case zrk::Variant::Type::Empty:
    case zrk::Variant::Type::Null:
        return QStringLiteral("NULL");
    case zrk::Variant::Type::Boolean:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case zrk::Variant::Type::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case zrk::Variant::Type::Date:
        return zrk::db::storedDateText(v.toDate());
    default: {
        QString text = v.toString();
        text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
        text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
        return text;
    }
    }
}

const char kUsageLine[] = "usage: zrk-sql -S <connection string> [-i <file> | -Q <batch>]";

// A wrong command line: what is wrong and how the tool is used, on standard error, exit code 2.
int usage(const QString& error) {
    std::fprintf(stderr, "zrk-sql: %s\n%s\n", qUtf8Printable(error), kUsageLine);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs T-SQL batches against a connection string. Without -i or -Q the batches\n"
                       "come from standard input; lines holding only GO separate them. The rows of each\n"
                       "batch's first result are printed as tab-separated text under a header line, Null\n"
                       "as NULL. An engine error prints its message on standard error and ends with exit\n"
                       "code 1, a wrong command line with exit code 2."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("print this text"));
    const QCommandLineOption versionOption(QStringLiteral("version"), QStringLiteral("print the version"));
    const QCommandLineOption connectionOption(QStringLiteral("S"),
                                              QStringLiteral("the connection string (required)"),
                                              QStringLiteral("connection string"));
    const QCommandLineOption fileOption(
        QStringLiteral("i"), QStringLiteral("read the batches from this file"), QStringLiteral("file"));
    const QCommandLineOption queryOption(QStringLiteral("Q"), QStringLiteral("run this batch (wins over -i)"),
                                         QStringLiteral("batch"));
    parser.addOptions({helpOption, versionOption, connectionOption, fileOption, queryOption});
    const bool parsed = parser.parse(app.arguments());
    if (parser.isSet(helpOption)) {
        // Qt's first line names the program by the path it was started with.
        const QString qtHelp = parser.helpText();
        std::printf("%s%s", kUsageLine, qUtf8Printable(qtHelp.mid(qtHelp.indexOf(QLatin1Char('\n')))));
        return 0;
    }
    if (!parsed)
        return usage(parser.errorText());
    if (parser.isSet(versionOption))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return usage(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    const QString connectionString = parser.value(connectionOption);
    if (connectionString.isEmpty())
        return usage(QStringLiteral("-S needs a connection string"));
    const QString file = parser.value(fileOption);
    const bool haveQuery = parser.isSet(queryOption);
    const QString query = parser.value(queryOption);

    QString input;
    if (haveQuery) {
        input = query;
    } else {
        QFile in;
        const bool opened = file.isEmpty() ? in.open(stdin, QIODevice::ReadOnly)
                                           : (in.setFileName(file), in.open(QIODevice::ReadOnly));
        if (!opened) {
            std::fprintf(stderr, "zrk-sql: cannot read %s\n",
                         qUtf8Printable(file.isEmpty() ? QStringLiteral("standard input") : file));
            return 1;
        }
        input = QString::fromUtf8(in.readAll());
    }
    const QStringList batches = input.split(
        QRegularExpression(QStringLiteral("^\\s*GO\\s*$"),
                           QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption));
    QTextStream out(stdout);
    try {
        zrk::db::Connection conn;
        conn.open(connectionString);
        for (const QString& batch : batches) {
            if (batch.trimmed().isEmpty())
                continue;
            auto rs = conn.execute(batch);
            if (!rs)
                continue;
            QStringList header;
            for (int i = 0; i < rs->fieldCount(); ++i)
                header << rs->fieldName(i);
            out << header.join(QLatin1Char('\t')) << '\n';
            for (; !rs->eof(); rs->moveNext()) {
                QStringList row;
                for (int i = 0; i < rs->fieldCount(); ++i)
                    row << cellText(rs->value(i));
                out << row.join(QLatin1Char('\t')) << '\n';
            }
        }
    } catch (const zrk::Error& e) {
        out.flush();
        std::fprintf(stderr, "zrk-sql: %s\n", qUtf8Printable(e.description()));
        return 1;
    }
    return 0;
}
