#include "shell/favourites.h"

#include "core/console_context.h"
#include "platform/db/sql_literal.h"
#include "platform/error.h"
#include "platform/vb_conversions.h"
#include "session/property_string.h"
#include "session/session_properties.h"
#include "shell/console_bar_layout.h"

namespace zrk {

namespace {

// Favourite tools get ids above the console's own and below the window list's.
constexpr int kFirstFavouriteToolId = 1000;

QString bandOfType(int type) {
    switch (type) {
    case 1:
        return kFavouriteBillBand;
    case 2:
        return kFavouriteBookBand;
    case 3:
        return kFavouriteReportBand;
    default:
        return QString();
    }
}

} // namespace

QList<Favourite> readFavourites(ConsoleContext& ctx) {
    const auto& connection = ctx.session().companyConnection;
    if (!connection)
        throw Error(errnum::ObjectVariableNotSet, QStringLiteral("QVMain.MDIMain"),
                    QStringLiteral("No company connection"));
    const QString userId =
        getItemValue(getSessionPropsString(ctx), QStringLiteral("UserID"), QStringLiteral(";"));
    const QString sql =
        QStringLiteral("select FInnerID, FDetailFuncType, FShowCaption, FDoFuncMnuParam "
                       "from t_UserMenuStore where FUserID=") +
        QString::number(vb::clng(vb::val(userId))) +
        QStringLiteral(" and FDetailFuncType in (1,2,3) order by FDetailFuncType, ForderIndex");
    QList<Favourite> favourites;
    const db::RecordsetPtr rs = connection->execute(sql);
    for (; rs && !rs->eof(); rs->moveNext())
        favourites.push_back({vb::clng(rs->value(QStringLiteral("FInnerID"))),
                              vb::clng(rs->value(QStringLiteral("FDetailFuncType"))),
                              vb::nullToText(rs->value(QStringLiteral("FShowCaption"))).toString(),
                              vb::nullToText(rs->value(QStringLiteral("FDoFuncMnuParam"))).toString()});
    return favourites;
}

void fillFavouriteBands(Bar& bar, const QList<Favourite>& favourites) {
    for (const QString& name : {kFavouriteBillBand, kFavouriteBookBand, kFavouriteReportBand})
        if (BandDefinition* band = bar.band(name))
            band->tools.clear();
    int id = kFirstFavouriteToolId;
    for (const Favourite& favourite : favourites) {
        BandDefinition* band = bar.band(bandOfType(favourite.type));
        if (!band)
            continue;
        ToolDefinition tool;
        tool.name = band->name + QString::number(favourite.innerId);
        tool.id = id++;
        tool.caption = favourite.caption;
        tool.tagText = favourite.launchText;
        tool.tagNumber = favourite.innerId;
        band->tools.push_back(tool);
    }
}

DictionaryPtr favouritesEditorParams(ConsoleContext& ctx, const QString& programFolder) {
    const QString props = getSessionPropsString(ctx);
    auto params = std::make_shared<Dictionary>();
    params->set(QStringLiteral("CnnStr"),
                getItemValue(props, QStringLiteral("ConnectString"), QStringLiteral("};")).mid(1));
    params->set(QStringLiteral("UserID"), getItemValue(props, QStringLiteral("UserID"), QStringLiteral(";")));
    params->set(QStringLiteral("AcctName"), getSessionAcctName(ctx));
    // The last item inside the braces reads with the closing brace, which is not the catalog's.
    QString catalog = getItemValue(props, QStringLiteral("Initial Catalog"), QStringLiteral(";"));
    if (catalog.endsWith(QLatin1Char('}')))
        catalog.chop(1);
    params->set(QStringLiteral("AcctID"),
                programFolder + QStringLiteral("/") + catalog + QStringLiteral(".dat"));
    return params;
}

} // namespace zrk
