#include "suite/favourites_store.h"

#include "platform/db/sql_literal.h"
#include "platform/error.h"

namespace zrk::suite {

namespace {

struct OfferedRow {
    int type;
    int funcId;
    const char* className;
    const char* subSystem;
    const char* caption;
    bool list;
};

// The bills and journals of the suite, as the favourites start them.
const OfferedRow kOffered[] = {
    {1, 81, "BillCenter.BillEdit", "se", "销售订单", false},
    {1, 71, "BillCenter.BillEdit", "po", "采购订单", false},
    {1, 1, "BillCenter.BillEdit", "ic", "外购入库单", false},
    {1, 21, "BillCenter.BillEdit", "ic", "销售出库单", false},
    {2, 81, "BillCenter.BillList", "se", "销售订单序时簿", true},
    {2, 71, "BillCenter.BillList", "po", "采购订单序时簿", true},
    {2, 80, "BillCenter.BillList", "se", "销售发票序时簿", true},
    {2, 1000, "BillCenter.BillList", "arap", "收款单序时簿", true},
};

// A menu launch text: FUNCID;FClassName;FSubSystemID;OTHERPARAM;FFuncName;FFuncType.
QString launchText(const QString& id, const QString& className, const QString& subSystem,
                   const QString& param, const QString& name, bool funcType) {
    return QStringList{id,
                       className,
                       subSystem,
                       param,
                       QString(name).replace(QLatin1Char(';'), QLatin1Char(' ')),
                       funcType ? QStringLiteral("True") : QStringLiteral("False")}
        .join(QLatin1Char(';'));
}

const QList<StoredFavourite> kNone;

} // namespace

void FavouritesStore::load() {
    for (auto& l : lists_)
        l.clear();
    removed_.clear();
    changed_ = false;
    const db::RecordsetPtr rs = company_.execute(
        QStringLiteral("select FInnerID, FDetailFuncType, FShowCaption, FDoFuncMnuParam from t_UserMenuStore "
                       "where FUserID=") +
        QString::number(userId_) + QStringLiteral(" order by FDetailFuncType, ForderIndex, FInnerID"));
    for (; rs && !rs->eof(); rs->moveNext()) {
        const int type = rs->value(QStringLiteral("FDetailFuncType")).toString().toInt();
        if (QList<StoredFavourite>* l = list(type))
            l->push_back({rs->value(QStringLiteral("FInnerID")).toString().toInt(),
                          rs->value(QStringLiteral("FShowCaption")).toString(),
                          rs->value(QStringLiteral("FDoFuncMnuParam")).toString()});
    }
}

QList<StoredFavourite>* FavouritesStore::list(int type) {
    return type >= 1 && type <= kFavouriteTypes ? &lists_[static_cast<size_t>(type - 1)] : nullptr;
}

const QList<StoredFavourite>& FavouritesStore::ofType(int type) const {
    return type >= 1 && type <= kFavouriteTypes ? lists_[static_cast<size_t>(type - 1)] : kNone;
}

bool FavouritesStore::remove(int type, int row) {
    QList<StoredFavourite>* l = list(type);
    if (!l || row < 0 || row >= l->size())
        return false;
    if (l->at(row).innerId != 0)
        removed_.push_back(l->at(row).innerId);
    l->removeAt(row);
    changed_ = true;
    return true;
}

bool FavouritesStore::move(int type, int row, int delta) {
    QList<StoredFavourite>* l = list(type);
    const int to = row + delta;
    if (!l || row < 0 || row >= l->size() || to < 0 || to >= l->size() || delta == 0)
        return false;
    l->move(row, to);
    changed_ = true;
    return true;
}

bool FavouritesStore::rename(int type, int row, const QString& caption) {
    QList<StoredFavourite>* l = list(type);
    const QString trimmed = caption.trimmed();
    if (!l || row < 0 || row >= l->size() || trimmed.isEmpty())
        return false;
    if ((*l)[row].caption != trimmed) {
        (*l)[row].caption = trimmed;
        changed_ = true;
    }
    return true;
}

bool FavouritesStore::add(int type, const OfferedFunction& function) {
    QList<StoredFavourite>* l = list(type);
    if (!l || function.launchText.isEmpty())
        return false;
    l->push_back({0, function.caption, function.launchText});
    changed_ = true;
    return true;
}

void FavouritesStore::writeList(int type, int& nextId) {
    QList<StoredFavourite>& l = *list(type);
    for (qsizetype order = 0; order < l.size(); ++order) {
        StoredFavourite& f = l[order];
        const QString position = QString::number(order + 1);
        if (f.innerId == 0) {
            f.innerId = nextId++;
            company_.execute(
                QStringLiteral("insert into t_UserMenuStore (FInnerID, FUserID, FDetailFuncType, "
                               "FShowCaption, FDoFuncMnuParam, FClickCount, ForderIndex) values (") +
                QString::number(f.innerId) + QLatin1Char(',') + QString::number(userId_) + QLatin1Char(',') +
                QString::number(type) + QLatin1Char(',') + db::sqlNText(f.caption) + QLatin1Char(',') +
                db::sqlNText(f.launchText) + QStringLiteral(",0,") + position + QLatin1Char(')'));
        } else {
            company_.execute(QStringLiteral("update t_UserMenuStore set FShowCaption=") +
                             db::sqlNText(f.caption) + QStringLiteral(", ForderIndex=") + position +
                             QStringLiteral(" where FInnerID=") + QString::number(f.innerId));
        }
    }
}

void FavouritesStore::save() {
    const auto saved = lists_;
    company_.beginTrans();
    try {
        for (const int id : removed_)
            company_.execute(QStringLiteral("delete from t_UserMenuStore where FInnerID=") +
                             QString::number(id));
        const db::RecordsetPtr rs =
            company_.execute(QStringLiteral("select max(FInnerID) as FMaxID from t_UserMenuStore"));
        int nextId = (rs && !rs->eof() ? rs->value(QStringLiteral("FMaxID")).toString().toInt() : 0) + 1;
        for (int type = 1; type <= kFavouriteTypes; ++type)
            writeList(type, nextId);
        company_.commitTrans();
    } catch (const Error&) {
        company_.rollbackTrans();
        lists_ = saved; // the new favourites have no id in the database
        throw;
    }
    removed_.clear();
    changed_ = false;
}

QList<OfferedFunction> offeredFunctions(db::Connection& company, int type) {
    QList<OfferedFunction> offered;
    for (const OfferedRow& row : kOffered)
        if (row.type == type)
            offered.push_back({QString::fromUtf8(row.caption),
                               launchText(QString::number(row.funcId), QString::fromLatin1(row.className),
                                          QString::fromLatin1(row.subSystem),
                                          QStringLiteral("FTranType=") + QString::number(row.funcId),
                                          QString::fromUtf8(row.caption), row.list)});
    if (type != 3)
        return offered;
    const db::RecordsetPtr rs = company.execute(QStringLiteral(
        "select FRptID, FRptName, FSysName from t_Rpt_Content where FRptType=1 order by FRptID"));
    for (; rs && !rs->eof(); rs->moveNext()) {
        const QString id = rs->value(QStringLiteral("FRptID")).toString();
        const QString name = rs->value(QStringLiteral("FRptName")).toString().trimmed();
        const QString system = rs->value(QStringLiteral("FSysName")).toString().trimmed();
        offered.push_back({name, launchText(id, QStringLiteral("ReportViewer.SrvRptRetrieve"), system,
                                            QStringLiteral("FRptID=") + id, name, true)});
    }
    return offered;
}

} // namespace zrk::suite
