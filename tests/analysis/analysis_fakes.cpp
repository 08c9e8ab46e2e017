#include "analysis_fakes.h"

#include "support/map_prop_store.h"

#include <gtest/gtest.h>

namespace zrk::test {

namespace {

db::FieldKind kindOf(const Variant& v) {
    switch (v.type()) {
    case Variant::Type::Double:
        return db::FieldKind::Double;
    case Variant::Type::Int16:
    case Variant::Type::Int32:
        return db::FieldKind::Int32;
    case Variant::Type::Date:
        return db::FieldKind::Date;
    default:
        return db::FieldKind::Text;
    }
}

class FakeReport : public Object, public INumberedReport, public IArApReports {
public:
    FakeReport(AnalysisWorld& world, QString progId) : world_(world), progId_(std::move(progId)) {}

    void setRptID(std::int16_t id) override { call_.rptId = id; }
    void setExtFirter(std::int16_t id) override { call_.extFirter = id; }
    void setFilter(const DictionaryPtr& params) override { call_.params = params; }
    void getReportData() override { rs_ = answer(QStringLiteral("GetReportData"), call_); }
    db::RecordsetPtr rs() override { return rs_; }

    db::RecordsetPtr getRpt131Data(const QString& props, DictionaryPtr& params,
                                   const Variant& mode) override {
        return answer(QStringLiteral("GetRpt131Data"), ReportCall{{}, {}, 0, 0, params, mode, props});
    }
    db::RecordsetPtr getRpt132Data(const QString& props, DictionaryPtr& params,
                                   const Variant& mode) override {
        return answer(QStringLiteral("GetRpt132Data"), ReportCall{{}, {}, 0, 0, params, mode, props});
    }

private:
    db::RecordsetPtr answer(const QString& member, ReportCall call) {
        call.progId = progId_;
        call.member = member;
        world_.calls.push_back(call);
        for (const QString& key : {member, progId_}) {
            if (const auto f = world_.failures.find(key); f != world_.failures.end())
                throw f->second;
            if (const auto a = world_.answers.find(key); a != world_.answers.end())
                return a->second();
        }
        return nullptr;
    }

    AnalysisWorld& world_;
    QString progId_;
    ReportCall call_;
    db::RecordsetPtr rs_;
};

class FakeData : public Object,
                 public ISystemProfile,
                 public ISysInfo,
                 public IAppConnection,
                 public IReportQuery {
public:
    explicit FakeData(AnalysisWorld& w) : w_(w) {}
    Variant getProfile(const QString&, const QString& category, const QString& key) override {
        const auto it = w_.profile.find(category + QLatin1Char('/') + key);
        return it == w_.profile.end() ? Variant::null() : it->second;
    }
    bool arApInitialized(const QString&) override { return w_.arApInitialized; }
    db::RecordsetPtr execute(const QString& sql) override {
        w_.appQueries << sql;
        return w_.periodRows;
    }
    void execute3(const QString& sql) override { w_.appQueries << sql; }
    db::RecordsetPtr getRsBySQL(const QString&, const QString& sql) override {
        w_.reportQueries << sql;
        if (w_.currencyFailure)
            throw *w_.currencyFailure;
        return w_.currencyRows;
    }

private:
    AnalysisWorld& w_;
};

} // namespace

db::RecordsetPtr makeRecordset(const QStringList& columns, const std::vector<std::vector<Variant>>& rows) {
    db::RowStore store;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        db::FieldKind kind = db::FieldKind::Text;
        for (const auto& row : rows)
            if (!row[std::size_t(c)].isNull()) {
                kind = kindOf(row[std::size_t(c)]);
                break;
            }
        store.columns.push_back({columns[c], kind});
    }
    for (const auto& row : rows)
        for (const Variant& v : row)
            store.appendValue(v);
    return std::make_shared<db::Recordset>(std::move(store));
}

int AnalysisWorld::callsTo(const QString& member) const {
    int n = 0;
    for (const ReportCall& c : calls)
        n += (c.member == member || c.progId == member) ? 1 : 0;
    return n;
}

const ReportCall& AnalysisWorld::lastCall(const QString& member) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->member == member || it->progId == member)
            return *it;
    ADD_FAILURE() << "no call to " << member.toStdString();
    static const ReportCall none;
    return none;
}

void registerAnalysisFakes(ConsoleContext& ctx, AnalysisWorld& world) {
    for (const QString& progId :
         {kCostReportsRpt2167ProgId, kArApReportsProgId, kPurchaseReportsRpt119ProgId,
          kSalesReportsRpt138ProgId, kStockReportsRpt112ProgId, kStockReportsRpt171ProgId})
        ctx.components().add(progId,
                             [&world, progId] { return std::make_shared<FakeReport>(world, progId); });
    ctx.components().add(kPropStoreProgId,
                         [&world] { return std::make_shared<test::MapPropStore>(world.props); });
    for (const QString& progId :
         {kSystemProfileProgId, kSysInfoProgId, kAppConnectionProgId, kReportQueryProgId})
        ctx.components().add(progId, [&world] { return std::make_shared<FakeData>(world); });
    world.props[QStringLiteral("PropsString")] =
        QStringLiteral("ConnectString={Provider=SQLite;Data Source=books.db};UserName=boss;AcctID=7;");
}

} // namespace zrk::test
