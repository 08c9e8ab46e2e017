// zrk-sql: runs T-SQL batches against a connection string, for administrators and for tests.
//
//   zrk-sql -S "<connection string>" [-i <file> | -Q "<batch>"]
//
// Without -i or -Q the batches come from standard input. Lines holding only GO separate
// batches. The rows of each batch's first result are printed as tab-separated text under a
// header line, Null as NULL. An error prints the engine's message on standard error and ends
// the program with exit code 1.
#include "platform/db/connection.h"
#include "platform/db/row_store.h"

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

int usage() {
    std::fputs("usage: zrk-sql -S <connection string> [-i <file> | -Q <batch>]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString connectionString;
    QString file;
    QString query;
    bool haveQuery = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size())
            return usage();
        if (a == QLatin1String("-S"))
            connectionString = args[++i];
        else if (a == QLatin1String("-i"))
            file = args[++i];
        else if (a == QLatin1String("-Q")) {
            query = args[++i];
            haveQuery = true;
        } else
            return usage();
    }
    if (connectionString.isEmpty())
        return usage();

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
