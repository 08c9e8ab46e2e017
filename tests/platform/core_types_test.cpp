#include "platform/component_registry.h"
#include "platform/dictionary.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(Dictionary, KeysIgnoreCaseAndKeepTheirOrder) {
    Dictionary d;
    d.set(QStringLiteral("FUNCID"), 1);
    d.set(QStringLiteral("OtherParam"), QStringLiteral("x"));
    d.set(QStringLiteral("funcid"), 2); // replaces, keeps place and first spelling
    EXPECT_EQ(d.count(), 2);
    EXPECT_EQ(d.keys(), (QStringList{QStringLiteral("FUNCID"), QStringLiteral("OtherParam")}));
    EXPECT_EQ(d.item(QStringLiteral("FuncId")), Variant(2));
    EXPECT_TRUE(d.item(QStringLiteral("missing")).isEmpty());
    EXPECT_EQ(d.value(QStringLiteral("missing"), QStringLiteral("-1")), Variant(QStringLiteral("-1")));
    EXPECT_EQ(d.value(QStringLiteral("OTHERPARAM"), QStringLiteral("-1")), Variant(QStringLiteral("x")));
    EXPECT_TRUE(d.remove(QStringLiteral("otherparam")));
    EXPECT_FALSE(d.contains(QStringLiteral("OtherParam")));
    EXPECT_EQ(d.count(), 1);
}

class Speaker {
public:
    virtual ~Speaker() = default;
    virtual QString speak() = 0;
};
class Talker : public Object, public Speaker {
public:
    QString speak() override { return QStringLiteral("hi"); }
};

TEST(Object, AskingForAMissingRoleRaises438) {
    const ObjectPtr talker = std::make_shared<Talker>();
    EXPECT_EQ(queryInterface<Speaker>(talker)->speak(), QStringLiteral("hi"));
    const ObjectPtr plain = std::make_shared<Dictionary>();
    plain->setProgId(QStringLiteral("CoreObjects.Dictionary"));
    try {
        queryInterface<Speaker>(plain);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::ObjectLacksMember);
        EXPECT_EQ(e.source(), QStringLiteral("CoreObjects.Dictionary"));
    }
    EXPECT_EQ(tryInterface<Speaker>(plain), nullptr);
    EXPECT_THROW(queryInterface<Speaker>(nullptr), Error);
}

TEST(ComponentRegistry, CreatesByProgIdWithoutRegardToCase) {
    ComponentRegistry registry;
    int made = 0;
    registry.add(QStringLiteral("Demo.Talker"), [&made] {
        ++made;
        return std::make_shared<Talker>();
    });
    const ObjectPtr a = registry.create(QStringLiteral("demo.TALKER"));
    const ObjectPtr b = registry.create(QStringLiteral("Demo.Talker"));
    EXPECT_NE(a, b);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(a->progId(), QStringLiteral("demo.TALKER"));
}

TEST(CreateComponent, FailsWith429AndNamesTheProgIdWhenAsked) {
    ComponentRegistry registry;
    EXPECT_EQ(createComponent(registry, QStringLiteral("No.Such"), false), nullptr);
    try {
        createComponent(registry, QStringLiteral("No.Such"), true);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::CannotCreateObject);
        EXPECT_TRUE(e.description().endsWith(QStringLiteral(" - No.Such"))) << e.description().toStdString();
        EXPECT_GT(e.description().size(), QStringLiteral(" - No.Such").size());
    }
}

TEST(CreateComponent, PassesAFactorysOwnErrorOnWithTheProgId) {
    ComponentRegistry registry;
    registry.add(QStringLiteral("Broken.Part"), []() -> ObjectPtr {
        throw Error(7, QStringLiteral("Broken"), QStringLiteral("Out of memory"));
    });
    try {
        createComponent(registry, QStringLiteral("Broken.Part"), true);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e, Error(7, QStringLiteral("Broken"), QStringLiteral("Out of memory - Broken.Part")));
    }
}

TEST(ObjectFactory, CreatesLocallyAndRefusesUnknownServers) {
    ComponentRegistry registry;
    registry.add(QStringLiteral("Demo.Talker"), [] { return std::make_shared<Talker>(); });
    const ObjectFactory factory(registry, QStringLiteral("BOX1"));
    EXPECT_NE(factory.create(QStringLiteral("Demo.Talker")), nullptr);
    EXPECT_NE(factory.create(QStringLiteral("Demo.Talker"), QStringLiteral("box1")), nullptr);
    EXPECT_NE(factory.create(QStringLiteral("Demo.Talker"), QString(), true), nullptr);
    EXPECT_THROW(factory.create(QStringLiteral("Demo.Talker"), QStringLiteral("APPSERVER9")), Error);
    try {
        factory.create(QStringLiteral("No.Such"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::CannotCreateObject);
        EXPECT_TRUE(e.description().endsWith(QStringLiteral(" - No.Such")));
    }
}

} // namespace
} // namespace zrk
