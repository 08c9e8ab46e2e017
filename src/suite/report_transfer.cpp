#include "suite/report_transfer.h"

#include "platform/caught_error.h"
#include "platform/db/sql_literal.h"
#include "platform/error.h"
#include "session/property_string.h"
#include "suite/log_category.h"

#include <QFile>
#include <QFileDialog>

namespace zrk::suite {

namespace {

const QString kDialogTitle = QStringLiteral("报表导入");
const QString kFileFilter = QStringLiteral("报表文件 (*.zrkrpt *.txt)");
const QString kRefusedLine = QStringLiteral("报表文件不能导入：第%1行%2。");
const QString kRefusedFile = QStringLiteral("报表文件不能导入：%1。");
const QString kUnreadable = QStringLiteral("报表文件不能读取：%1");
const QString kImported = QStringLiteral("已导入报表：新增%1张，修改%2张。");
const QString kNotWritten = QStringLiteral("报表没有导入，账套未作任何修改：%1");

QString insertStatement(const ReportDefinition& r) {
    return QStringLiteral("insert into t_Rpt_Content (FRptID, FRptName, FRptName_Cht, FRptName_EN, FSysName, "
                          "FOwner, FRptType) values (") +
           QString::number(r.id) + QLatin1Char(',') + db::sqlNText(r.name) + QLatin1Char(',') +
           db::sqlNText(r.nameTraditional) + QLatin1Char(',') + db::sqlNText(r.nameEnglish) +
           QLatin1Char(',') + db::sqlNText(r.system) + QStringLiteral(",0,") + QString::number(r.type) +
           QLatin1Char(')');
}

QString updateStatement(const ReportDefinition& r) {
    return QStringLiteral("update t_Rpt_Content set FRptName=") + db::sqlNText(r.name) +
           QStringLiteral(", FRptName_Cht=") + db::sqlNText(r.nameTraditional) +
           QStringLiteral(", FRptName_EN=") + db::sqlNText(r.nameEnglish) + QStringLiteral(", FSysName=") +
           db::sqlNText(r.system) + QStringLiteral(", FRptType=") + QString::number(r.type) +
           QStringLiteral(" where FRptID=") + QString::number(r.id);
}

// The catalogue's row of that id as a definition; none when there is no such row.
std::optional<ReportDefinition> storedReport(db::Connection& company, int id) {
    const db::RecordsetPtr rs = company.execute(
        QStringLiteral("select FRptName, FRptName_Cht, FRptName_EN, FSysName, FRptType from t_Rpt_Content "
                       "where FRptID=") +
        QString::number(id));
    if (!rs || rs->eof())
        return std::nullopt;
    const auto text = [&rs](const char* field) {
        const Variant v = rs->value(QString::fromLatin1(field));
        return v.isNull() ? QString() : v.toString().trimmed();
    };
    return ReportDefinition{id,
                            text("FRptName"),
                            text("FSysName"),
                            rs->value(QStringLiteral("FRptType")).toString().toInt(),
                            text("FRptName_Cht"),
                            text("FRptName_EN")};
}

} // namespace

ReportImportCount importReportDefinitions(db::Connection& company, const QList<ReportDefinition>& reports) {
    ReportImportCount count;
    company.beginTrans();
    try {
        for (const ReportDefinition& report : reports) {
            const auto stored = storedReport(company, report.id);
            if (!stored) {
                company.execute(insertStatement(report));
                ++count.added;
            } else if (!(*stored == report)) {
                company.execute(updateStatement(report));
                ++count.changed;
            }
        }
        company.commitTrans();
    } catch (const Error&) {
        company.rollbackTrans();
        throw;
    }
    return count;
}

void ReportTransfer::refuse(const QString& text) {
    prompts_.messageBox(text, texts_.text(kSuiteMessageTitle), MessageIcon::Critical, MessageButtons::Ok);
}

QString ReportTransfer::askForFile(const QString& folder) {
    QFileDialog dialog(nullptr, texts_.text(kDialogTitle), folder, texts_.text(kFileFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (prompts_.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

bool ReportTransfer::import(const QString& propsString, const QString& folder) {
    changed_ = false;
    const QString path = askForFile(folder);
    return !path.isEmpty() && importFile(propsString, path);
}

bool ReportTransfer::importFile(const QString& propsString, const QString& path) {
    changed_ = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(texts_.pattern(kUnreadable, {file.errorString()}));
        return false;
    }
    const ReportFile parsed = parseReportFile(file.readAll());
    if (parsed.error) {
        const QString reason = texts_.text(parsed.error->reason);
        refuse(parsed.error->line > 0
                   ? texts_.pattern(kRefusedLine, {QString::number(parsed.error->line), reason})
                   : texts_.pattern(kRefusedFile, {reason}));
        return false;
    }
    try {
        db::Connection company;
        company.open(getBraceField(propsString, 0));
        const ReportImportCount count = importReportDefinitions(company, parsed.reports);
        changed_ = count.added + count.changed > 0;
        prompts_.messageBox(
            texts_.pattern(kImported, {QString::number(count.added), QString::number(count.changed)}),
            texts_.text(kSuiteMessageTitle), MessageIcon::Information, MessageButtons::Ok);
        return true;
    } catch (const Error& e) {
        logCaughtError(lcSuite(), "ReportTransfer::importFile: reported to the user", e);
        refuse(texts_.pattern(kNotWritten, {e.description()}));
        return false;
    }
}

} // namespace zrk::suite
