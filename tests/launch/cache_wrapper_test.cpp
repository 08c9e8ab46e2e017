#include "desktop/wait_cursor.h"
#include "launch/cache_wrapper.h"
#include "suite/local_cache.h"
#include "support/test_console.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// Counts the cache component's creations and calls, over the real stand-in.
class CountingCache : public suite::LocalCache {
public:
    CountingCache(std::shared_ptr<Items> items, int& calls) : LocalCache(std::move(items)), calls_(calls) {}
    void add(const QString& c, const QString& k, const Variant& v, const QString& ver) override {
        ++calls_;
        LocalCache::add(c, k, v, ver);
    }
    void remove(const QString& c, const QString& k) override {
        ++calls_;
        LocalCache::remove(c, k);
    }
    Variant getItem(const QString& c, const QString& k, const std::optional<Variant>& d,
                    const QString& ver) override {
        ++calls_;
        return LocalCache::getItem(c, k, d, ver);
    }

private:
    int& calls_;
};

class CacheWrapperTest : public ::testing::Test {
protected:
    void SetUp() override {
        console.ctx.session().processId = 1234;
        console.ctx.components().add(kLocalCacheProgId, [this] {
            ++created;
            return std::make_shared<CountingCache>(items, calls);
        });
    }
    test::TestConsole console;
    std::shared_ptr<suite::LocalCache::Items> items = std::make_shared<suite::LocalCache::Items>();
    int created = 0;
    int calls = 0;
};

int errorNumberOf(const std::function<void()>& call, QString* description = nullptr,
                  QString* source = nullptr) {
    try {
        call();
    } catch (const Error& e) {
        if (description)
            *description = e.description();
        if (source)
            *source = e.source();
        return e.number();
    }
    return 0;
}

TEST_F(CacheWrapperTest, APlainValueLivesOnlyInTheEntryList) {
    CacheWrapper cache(console.ctx);
    cache.add(QStringLiteral("Sys_SubSysList"), QStringLiteral("gl"), true, QString());
    EXPECT_EQ(cache.getItem(QStringLiteral("Sys_SubSysList"), QStringLiteral("gl")), Variant(true));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(calls, 0);
    ASSERT_EQ(console.ctx.cache().entries.size(), 1u);
    const auto& entry = *console.ctx.cache().entries[0];
    EXPECT_EQ(entry.item(QStringLiteral("Category")), Variant(QStringLiteral("1234_Sys_SubSysList")));
    EXPECT_EQ(entry.item(QStringLiteral("Key")), Variant(QStringLiteral("gl")));
    EXPECT_EQ(entry.item(QStringLiteral("IsObject")), Variant(false));
    EXPECT_EQ(entry.item(QStringLiteral("Value")), Variant(true));
}

TEST_F(CacheWrapperTest, AMissingPlainValueGivesTheDefaultOrError5) {
    CacheWrapper cache(console.ctx);
    EXPECT_EQ(cache.getItem(QStringLiteral("Sys_SubSysList"), QStringLiteral("xx"), Variant(false)),
              Variant(false));
    QString description, source;
    EXPECT_EQ(errorNumberOf([&] { cache.getItem(QStringLiteral("Sys_SubSysList"), QStringLiteral("xx")); },
                            &description, &source),
              5);
    EXPECT_EQ(description, QStringLiteral("Could not find cached item \"xx\"!"));
    EXPECT_EQ(source, QStringLiteral("QvMain.CacheWrapper"));
}

TEST_F(CacheWrapperTest, KeysDifferingOnlyInCaseShareOneEntry) {
    CacheWrapper cache(console.ctx);
    cache.add(QStringLiteral("Sys_PeriodStringList"), QStringLiteral("GL"), QStringLiteral("2026年1期"),
              QString());
    cache.add(QStringLiteral("sys_periodstringlist"), QStringLiteral("gl"), QStringLiteral("2026年2期"),
              QString());
    EXPECT_EQ(console.ctx.cache().entries.size(), 1u);
    CacheWrapper other(console.ctx); // wrappers share the process's entry list
    other.add(QStringLiteral("Sys_PeriodStringList"), QStringLiteral("gL"), QStringLiteral("2026年3期"),
              QString());
    other.add(QStringLiteral("Sys_PeriodStringList"), QStringLiteral("ar"), QStringLiteral("2026年3期"),
              QString());
    EXPECT_EQ(console.ctx.cache().entries.size(), 2u);
    EXPECT_EQ(cache.getItem(QStringLiteral("Sys_PeriodStringList"), QStringLiteral("GL")),
              Variant(QStringLiteral("2026年3期")));
}

TEST_F(CacheWrapperTest, ObjectsAndVersionedValuesGoToTheComponentUnderTheProcessCategory) {
    CacheWrapper cache(console.ctx);
    const auto service = std::make_shared<Dictionary>();
    cache.add(QStringLiteral("Funcs"), QStringLiteral("svc"), service, QString());
    cache.add(QStringLiteral("Funcs"), QStringLiteral("rate"), 6.5, QStringLiteral("v1"));
    EXPECT_EQ(created, 1);
    EXPECT_EQ(cache.getItem(QStringLiteral("Funcs"), QStringLiteral("svc")).toObject(), service);
    EXPECT_EQ(
        cache.getItem(QStringLiteral("Funcs"), QStringLiteral("rate"), std::nullopt, QStringLiteral("v1")),
        Variant(6.5));
    EXPECT_EQ(items->count({QStringLiteral("1234_FUNCS"), QStringLiteral("SVC"), QString()}), 1u);
    // Another process sees none of it.
    console.ctx.session().processId = 99;
    CacheWrapper elsewhere(console.ctx);
    EXPECT_EQ(elsewhere.getItem(QStringLiteral("Funcs"), QStringLiteral("rate"), Variant(0.0),
                                QStringLiteral("v1")),
              Variant(0.0));
}

TEST_F(CacheWrapperTest, RemovingNeedsAnEntry) {
    CacheWrapper cache(console.ctx);
    cache.remove(QStringLiteral("Funcs"), QStringLiteral("none"));
    EXPECT_EQ(created, 0);
    cache.add(QStringLiteral("Funcs"), QStringLiteral("svc"), std::make_shared<Dictionary>(), QString());
    cache.remove(QStringLiteral("Funcs"), QStringLiteral("SVC"));
    EXPECT_TRUE(console.ctx.cache().entries.empty());
    EXPECT_TRUE(items->empty());
}

TEST_F(CacheWrapperTest, OnlyLevelOneEmptiesCategoriesAndEverything) {
    CacheWrapper user(console.ctx);
    user.add(QStringLiteral("Sys_SubSysList"), QStringLiteral("gl"), true, QString());
    user.add(QStringLiteral("Sys_SubSysList"), QStringLiteral("obj"), std::make_shared<Dictionary>(),
             QString());
    user.add(QStringLiteral("Other"), QStringLiteral("k"), 1, QString());
    user.removeAll();
    user.removeCategory(QStringLiteral("Sys_SubSysList"));
    EXPECT_EQ(console.ctx.cache().entries.size(), 3u);

    CacheWrapper cleanup(console.ctx, 1);
    cleanup.removeCategory(QStringLiteral("Sys_SubSysList"));
    ASSERT_EQ(console.ctx.cache().entries.size(), 1u);
    EXPECT_TRUE(items->empty());
    EXPECT_EQ(user.getItem(QStringLiteral("Other"), QStringLiteral("k")), Variant(1));
    cleanup.removeAll();
    EXPECT_TRUE(console.ctx.cache().entries.empty());
}

TEST_F(CacheWrapperTest, AMissingCacheComponentReachesTheCallerWithItsProgId) {
    console.ctx.components().add(kLocalCacheProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    CacheWrapper cache(console.ctx);
    QString description;
    EXPECT_EQ(errorNumberOf(
                  [&] {
                      cache.add(QStringLiteral("F"), QStringLiteral("o"), std::make_shared<Dictionary>(),
                                QString());
                  },
                  &description),
              429);
    EXPECT_EQ(description, QStringLiteral("gone - LocalCache.CacheFacade"));
}

TEST(WaitCursor, NestedInstancesKeepTheHourglassUntilBothAreReleased) {
    test::TestConsole console;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        WaitCursor outer(console.ctx);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            WaitCursor inner(console.ctx);
            EXPECT_EQ(console.ctx.desktop().waitCursors, 2);
        }
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
        outer.release();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(console.ctx.desktop().waitCursors, 0);
}

TEST(WaitCursor, ReleasingBelowZeroRaisesError1) {
    test::TestConsole console;
    WaitCursor cursor(console.ctx);
    console.ctx.desktop().waitCursors = 0; // someone released it behind our back
    EXPECT_EQ(errorNumberOf([&] { cursor.release(); }), 1);
    EXPECT_EQ(console.ctx.desktop().waitCursors, 0);
    QGuiApplication::restoreOverrideCursor(); // the hourglass this test put up
}

} // namespace
} // namespace zrk
