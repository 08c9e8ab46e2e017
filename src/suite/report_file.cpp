#include "suite/report_file.h"

#include <QSet>
#include <QStringDecoder>
#include <variant>

namespace zrk::suite {

namespace {

const QString kEmptyFile = QStringLiteral("文件是空的");
const QString kNotUtf8 = QStringLiteral("不是UTF-8文本");
const QString kNoHeader = QStringLiteral("缺少文件头“ZRK-REPORTS 1”");
const QString kFieldCount = QStringLiteral("应有4到6个以制表符分隔的字段");
const QString kBadId = QStringLiteral("报表号不是大于0的整数");
const QString kBadType = QStringLiteral("报表类型不是整数");
const QString kBlankName = QStringLiteral("报表名称或系统名称为空");
const QString kRepeatedId = QStringLiteral("报表号重复");

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// One line's definition, or why it is wrong.
std::variant<ReportDefinition, QString> parseLine(const QString& line) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() < 4 || fields.size() > 6)
        return kFieldCount;
    ReportDefinition report;
    const auto id = wholeNumber(fields[0]);
    if (!id || *id <= 0)
        return kBadId;
    const auto type = wholeNumber(fields[3]);
    if (!type)
        return kBadType;
    report.id = *id;
    report.type = *type;
    report.name = fields[1].trimmed();
    report.system = fields[2].trimmed();
    if (report.name.isEmpty() || report.system.isEmpty())
        return kBlankName;
    report.nameTraditional = fields.size() > 4 ? fields[4].trimmed() : QString();
    report.nameEnglish = fields.size() > 5 ? fields[5].trimmed() : QString();
    return report;
}

} // namespace

ReportFile parseReportFile(const QByteArray& contents) {
    ReportFile result;
    if (contents.trimmed().isEmpty()) {
        result.error = ReportFileError{0, kEmptyFile};
        return result;
    }
    QList<QByteArray> lines = contents.split('\n');
    QSet<int> ids;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        QByteArray raw = lines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (i == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(raw);
        if (decoder.hasError()) {
            result.error = ReportFileError{number, kNotUtf8};
            break;
        }
        if (i == 0) {
            if (line.trimmed() != kReportFileHeader) {
                result.error = ReportFileError{number, kNoHeader};
                break;
            }
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto parsed = parseLine(line);
        if (const QString* reason = std::get_if<QString>(&parsed)) {
            result.error = ReportFileError{number, *reason};
            break;
        }
        const ReportDefinition& report = std::get<ReportDefinition>(parsed);
        if (ids.contains(report.id)) {
            result.error = ReportFileError{number, kRepeatedId};
            break;
        }
        ids.insert(report.id);
        result.reports.push_back(report);
    }
    if (result.error)
        result.reports.clear();
    return result;
}

QByteArray writeReportFile(const QList<ReportDefinition>& reports) {
    QString text = kReportFileHeader + QLatin1Char('\n');
    for (const ReportDefinition& r : reports)
        text += QStringList{QString::number(r.id), r.name,       r.system, QString::number(r.type),
                            r.nameTraditional,     r.nameEnglish}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    return text.toUtf8();
}

} // namespace zrk::suite
