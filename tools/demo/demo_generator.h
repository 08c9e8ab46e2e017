#pragma once

#include "platform/password_hash.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace zrk::demo {

enum class DemoSize { Small, Medium, Large };

std::optional<DemoSize> parseDemoSize(const QString& text);
const char* demoSizeName(DemoSize size);

// How much master data and how many sales orders a size holds; purchases follow the demand.
struct SizeProfile {
    int customers;
    int suppliers;
    int items;
    int warehouses;
    int salespeople;
    int salesOrders;
};
SizeProfile profileFor(DemoSize size);

struct DemoOptions {
    DemoSize size = DemoSize::Small;
    std::uint64_t seed = 20240101;
    QDate today; // documents run from 1 January of last year up to this day
    int passwordIterations = kPasswordHashIterations; // the work of the users' password digests
};

// The demo users and their passwords (the database keeps only salted digests).
struct DemoUser {
    int id;
    const char* name;
    const char* description;
    const char* password;
    bool forbidden;
};
const std::vector<DemoUser>& demoUsers();

struct TableCount {
    std::string table;
    std::int64_t rows;
};

// Called with a percentage (0..100) as the generation advances.
using ProgressFn = std::function<void(int)>;

// Fills an open database that already has the demo schema, inside the caller's transaction.
void generateDemoData(sqlite3* db, const DemoOptions& options, const ProgressFn& progress = {});

// Creates the complete company database as a new file (replacing whatever the path holds):
// schema, data and indexes in one transaction with the journal off. Raises std::runtime_error
// with the engine's text.
void buildDemoDatabase(const QString& file, const DemoOptions& options, const ProgressFn& progress = {});

// Rows per demo table, in creation order.
std::vector<TableCount> countDemoRows(sqlite3* db);

} // namespace zrk::demo
