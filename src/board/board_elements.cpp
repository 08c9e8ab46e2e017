#include "board/board_elements.h"

#include "db/query_helpers.h"
#include "platform/vb_conversions.h"

namespace zrk {

namespace {

QString text(db::Recordset& rs, const QString& field) {
    return vb::nullToText(rs.value(field)).toString();
}

// Clears a set's filter when the lookup ends, by whatever way it ends.
class FilterReset {
public:
    explicit FilterReset(db::Recordset& set) : set_(set) {}
    ~FilterReset() { set_.setFilter(QString()); }
    FilterReset(const FilterReset&) = delete;
    FilterReset& operator=(const FilterReset&) = delete;

private:
    db::Recordset& set_;
};

} // namespace

CommonDataLabels designCommonData() {
    return {BoardLabel::designed(QStringLiteral("供应商")),
            BoardLabel::designed(QStringLiteral("客户")),
            BoardLabel::designed(QStringLiteral("采购价格资料")),
            BoardLabel::designed(QStringLiteral("销售价格资料")),
            BoardLabel::designed(QStringLiteral("物料")),
            BoardLabel::designed(QStringLiteral("会计科目"))};
}

QString elementKey(db::Recordset& rs) {
    return text(rs, QStringLiteral("FAppType")) + QLatin1Char('|') + text(rs, QStringLiteral("FZRKSubID")) +
           QLatin1Char('|') + text(rs, QStringLiteral("FZRKIndex"));
}

std::optional<QStringList> splitElementKey(const QString& tag) {
    const QStringList parts = tag.split(QLatin1Char('|'));
    if (parts.size() != 3)
        return std::nullopt;
    for (const QString& part : parts) {
        bool number = false;
        part.trimmed().toLongLong(&number);
        if (!number)
            return std::nullopt;
    }
    return parts;
}

QString launchTextOf(db::Recordset& rs) {
    QStringList fields;
    for (const char* name :
         {"FDetailFuncID", "FClassName", "FSubFuncID", "FClassParam", "FFuncName", "FFuncType"})
        fields << text(rs, QString::fromLatin1(name));
    return fields.join(QLatin1Char(';'));
}

CommonDataLabels fillCommonData(db::Recordset* commonData) {
    CommonDataLabels labels = designCommonData();
    if (!commonData)
        return labels;
    if (commonData->recordCount() > 0)
        commonData->moveFirst();
    for (int i = 0; i < kCommonDataCount && !commonData->eof(); ++i, commonData->moveNext()) {
        labels[i].caption = text(*commonData, QStringLiteral("FZRKCaption"));
        labels[i].tag = elementKey(*commonData);
    }
    return labels;
}

std::optional<std::vector<BoardLabel>> reportListLabels(db::Recordset* reportElements,
                                                        db::Recordset* ownerReports) {
    if (!reportElements)
        return std::nullopt;
    std::vector<BoardLabel> labels;
    if (reportElements->recordCount() > 0)
        reportElements->moveFirst();
    for (; !reportElements->eof(); reportElements->moveNext())
        labels.push_back({text(*reportElements, QStringLiteral("FZRKCaption")), elementKey(*reportElements)});
    if (ownerReports) {
        if (ownerReports->recordCount() > 0)
            ownerReports->moveFirst();
        for (; !ownerReports->eof(); ownerReports->moveNext())
            labels.push_back({text(*ownerReports, QStringLiteral("FFuncName")), launchTextOf(*ownerReports)});
    }
    return labels;
}

std::optional<ElementStart> elementStartOf(db::Recordset& rs, bool reportElement) {
    DictionaryPtr params = recordToDictionary(rs);
    if (!params)
        return std::nullopt;
    params->set(QStringLiteral("FUNCID"), params->item(QStringLiteral("FDetailFuncID")));
    params->set(QStringLiteral("OTHERPARAM"), params->item(QStringLiteral("FClassParam")));
    params->set(QStringLiteral("FSubSystemID"), params->item(QStringLiteral("FSubFuncID")));
    if (reportElement)
        params->set(QStringLiteral("FNoFilter"), false);
    return ElementStart{params->item(QStringLiteral("FClassName")).toString(), params};
}

std::optional<ElementStart> findElement(db::Recordset& set, const QString& tag, bool reportElement) {
    const std::optional<QStringList> key = splitElementKey(tag);
    if (!key)
        return std::nullopt;
    FilterReset reset(set);
    set.setFilter(QStringLiteral("FAppType=") + key->at(0).trimmed() + QStringLiteral(" and FZRKSubID=") +
                  key->at(1).trimmed() + QStringLiteral(" and FZRKIndex=") + key->at(2).trimmed());
    if (set.recordCount() != 1)
        return std::nullopt;
    return elementStartOf(set, reportElement);
}

} // namespace zrk
