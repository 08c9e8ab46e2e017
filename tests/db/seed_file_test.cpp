// The seed file the build generates, and its generator's checks of the sources.
#include "console_fixture.h"
#include "db/connections.h"
#include "seed_builder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace zrk {
namespace {

const QString kBuiltSeed = QStringLiteral(ZRK_BUILT_SEED_FILE);
const QString kSources = QStringLiteral(ZRK_SEED_SOURCE_DIR);

class BuiltSeed : public ::testing::Test {
protected:
    void SetUp() override { seed = openSeedFile(kBuiltSeed); }
    QStringList column(const QString& sql, int index = 0) {
        QStringList out;
        for (auto rs = seed->execute(sql); rs && !rs->eof(); rs->moveNext())
            out << (rs->value(index).isNull() ? QStringLiteral("NULL") : rs->value(index).toString());
        return out;
    }
    db::ConnectionPtr seed;
};

TEST_F(BuiltSeed, SixCommonDataShortcutsInTheirDesignOrder) {
    EXPECT_EQ(
        column(QStringLiteral("select FZRKCaption from ElementPosition where FDetailFuncType=1 and FisShow=1 "
                              "order by Forder")),
        QStringList({"供应商", "客户", "采购价格资料", "销售价格资料", "物料", "会计科目"}));
}

TEST_F(BuiltSeed, ReportElementsSomeShownSomeHiddenAndTheCashFlowStatement) {
    EXPECT_EQ(
        column(QStringLiteral("select FZRKCaption from ElementPosition where FDetailFuncType=3 and FisShow=1 "
                              "order by Forder")),
        QStringList({"应收款明细表", "应付款明细表", "销售毛利润表", "库存台账", "采购订单执行情况明细表",
                     "销售订单执行情况明细表"}));
    EXPECT_GE(column(QStringLiteral(
                         "select FZRKCaption from ElementPosition where FDetailFuncType=3 and FisShow=0"))
                  .size(),
              3);
    EXPECT_EQ(
        column(QStringLiteral("select FZRKCaption from ElementPosition where FAppType=0 and FZRKSubID=3 and "
                              "FZRKIndex=5")),
        QStringList({"现金流量表"}));
}

TEST_F(BuiltSeed, TheBackupHoldsTheDefaultChoiceOfTheSameElements) {
    const QString all =
        QStringLiteral("select cast(FAppType as varchar(5)) + '|' + cast(FZRKSubID as varchar(5)) + "
                       "'|' + cast(FZRKIndex as varchar(5)) + ':' + cast(FisShow as varchar(2)) + "
                       "':' + cast(Forder as varchar(5)) from %1 order by 1");
    EXPECT_EQ(column(all.arg(QStringLiteral("ElementPosition_Bak"))),
              column(all.arg(QStringLiteral("ElementPosition"))));
}

TEST_F(BuiltSeed, EveryElementNamesAProgIdAndModulesExist) {
    const QRegularExpression progId(QStringLiteral("^[A-Za-z][A-Za-z0-9]*\\.[A-Za-z][A-Za-z0-9_]*$"));
    for (const char* table : {"ElementPosition", "ElementPosition_Bak", "ElementPosition_Show"})
        for (const QString& name :
             column(QStringLiteral("select FClassName from ") + QString::fromLatin1(table)))
            EXPECT_TRUE(progId.match(name).hasMatch()) << table << ": " << name.toStdString();
    // Every element belongs to a module of SubFunction.
    EXPECT_EQ(
        column(QStringLiteral("select count(*) from ElementPosition where FZRKSubID not in (select FID from "
                              "SubFunction)")),
        QStringList({"0"}));
    EXPECT_EQ(column(QStringLiteral("select count(*) from SubFunction")), QStringList({"4"}));
    EXPECT_EQ(column(QStringLiteral("select FName from AccountType where FID = 11")),
              QStringList({"商贸版"}));
}

// A copy of the sources that a case changes before building.
class SeedGenerator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sources = dir.filePath(QStringLiteral("seed"));
        QDir().mkpath(sources);
        for (const QString& name : QDir(kSources).entryList({QStringLiteral("*.tsv")}))
            ASSERT_TRUE(QFile::copy(kSources + QLatin1Char('/') + name, sources + QLatin1Char('/') + name));
        output = dir.filePath(QStringLiteral("ZRK_Boss.dat"));
    }
    QString read(const QString& name) {
        QFile f(sources + QLatin1Char('/') + name);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
    void write(const QString& name, const QString& text) {
        QFile f(sources + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }
    QTemporaryDir dir;
    QString sources;
    QString output;
};

TEST_F(SeedGenerator, TheSourcesBuildTheSameTablesAsTheBuiltFile) {
    seed::buildSeedFile(sources, output);
    const auto built = openSeedFile(output);
    const auto reference = openSeedFile(kBuiltSeed);
    for (const char* t :
         {"AccountType", "ElementPosition", "ElementPosition_Bak", "ElementPosition_Show", "SubFunction"}) {
        const QString sql = QStringLiteral("select count(*) from ") + QString::fromLatin1(t);
        EXPECT_EQ(built->execute(sql)->value(0), reference->execute(sql)->value(0)) << t;
    }
    EXPECT_FALSE(QFile::exists(output + QStringLiteral(".tmp")));
}

TEST_F(SeedGenerator, AFaultySourceIsNamedWithItsLineAndNoFileIsLeft) {
    struct Case {
        const char* name;
        const char* file;
        std::function<QString(QString)> change;
        const char* expected; // a part of the error text
    } cases[] = {
        {"a word in a number column", "SubFunction.tsv",
         [](QString s) {
             return s.replace(QStringLiteral("1\t0\t基础资料"), QStringLiteral("one\t0\t基础资料"));
         },
         "SubFunction.tsv:3: column FID needs a whole number"},
        {"an unknown column", "AccountType.tsv",
         [](QString s) { return s.replace(QStringLiteral("FDrawSize"), QStringLiteral("FDrawSise")); },
         "t_Boss_AccountType has no column FDrawSise"},
        {"a repeated key", "SubFunction.tsv",
         [](QString s) { return s + QStringLiteral("1\t0\t重复\tx.bmp\tx.ico\t9\t1\tzrkboss.chm\t0\t\n"); },
         "the key 1|0 is repeated"},
        {"a text too long for its column", "SubFunction.tsv",
         [](QString s) { return s.replace(QStringLiteral("基础资料"), QString(31, QLatin1Char('x'))); },
         "column FCaption holds at most 30 characters"},
        {"a cell too few", "AccountType.tsv", [](QString s) { return s + QStringLiteral("99\t缺\t1\n"); },
         "3 cells where the header names 6"},
        {"a Null where there is no default", "SubFunction.tsv",
         [](QString s) {
             return s.replace(QStringLiteral("\tzrkboss.chm\t0\t"), QStringLiteral("\t\\N\t0\t"));
         },
         "column FHelpFile has no default and needs a value"},
        {"no rows", "ElementPosition_Show.tsv",
         [](QString s) { return s.section(QLatin1Char('\n'), 0, 2) + QLatin1Char('\n'); }, "has no rows"},
        {"a backup element not in the layout", "ElementPosition_Bak.tsv",
         [](QString s) {
             return s.replace(QStringLiteral("0\t3\t5\t现金流量表"), QStringLiteral("0\t3\t9\t现金流量表"));
         },
         "the element 0|3|9 is not in the layout"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString original = read(QString::fromLatin1(c.file));
        const QString changed = c.change(original);
        ASSERT_NE(changed, original);
        write(QString::fromLatin1(c.file), changed);
        try {
            seed::buildSeedFile(sources, output);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.expected)))
                << e.description().toStdString();
        }
        EXPECT_FALSE(QFile::exists(output));
        EXPECT_FALSE(QFile::exists(output + QStringLiteral(".tmp")));
        write(QString::fromLatin1(c.file), original);
    }
}

TEST_F(SeedGenerator, AMissingSourceIsNamed) {
    QFile::remove(sources + QStringLiteral("/ElementPosition_Show.tsv"));
    try {
        seed::buildSeedFile(sources, output);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("ElementPosition_Show.tsv")))
            << e.description().toStdString();
    }
    EXPECT_FALSE(QFile::exists(output));
}

} // namespace
} // namespace zrk
