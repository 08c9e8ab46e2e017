#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace zrk::suite {

// One report definition of an import file: a row of the report catalogue t_Rpt_Content.
struct ReportDefinition {
    int id = 0;
    QString name;
    QString system;
    int type = 1;
    QString nameTraditional;
    QString nameEnglish;

    bool operator==(const ReportDefinition&) const = default;
};

// The report import file, UTF-8 text, one item a line:
//   line 1          the header "ZRK-REPORTS\t1"
//   every other     FRptID <tab> FRptName <tab> FSysName <tab> FRptType
//                   [<tab> FRptName_Cht [<tab> FRptName_EN]]
// Blank lines and lines beginning with "#" are skipped. FRptID and FRptType are whole numbers,
// FRptID above 0 and given once in the file; FRptName and FSysName are not blank.
inline const QString kReportFileHeader = QStringLiteral("ZRK-REPORTS\t1");

// Why a file was refused: the line (from 1; 0 for the whole file) and the reason, untranslated.
struct ReportFileError {
    int line = 0;
    QString reason;
};

struct ReportFile {
    QList<ReportDefinition> reports;
    std::optional<ReportFileError> error;
};

// The report definitions of a file's contents, or the first line that is wrong.
ReportFile parseReportFile(const QByteArray& contents);

// A file's text in the format above, for the definitions given.
QByteArray writeReportFile(const QList<ReportDefinition>& reports);

} // namespace zrk::suite
