#pragma once

// A thin raw-sqlite3 reader for the demo database tests.

#include <QString>
#include <cstdint>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace zrk::demo::testing {

struct Cell {
    bool null = true;
    double number = 0;
    std::string text;
};
using Row = std::vector<Cell>;

class Sql {
public:
    explicit Sql(const QString& file) {
        if (sqlite3_open_v2(file.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.toStdString());
    }
    ~Sql() { sqlite3_close(db_); }
    Sql(const Sql&) = delete;
    Sql& operator=(const Sql&) = delete;

    sqlite3* handle() const { return db_; }

    // All rows of a statement; "?" parameters are bound to the texts in order.
    std::vector<Row> rows(const std::string& sql, const std::vector<std::string>& params = {}) const {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
        for (std::size_t i = 0; i < params.size(); ++i)
            sqlite3_bind_text(stmt, static_cast<int>(i) + 1, params[i].c_str(), -1, SQLITE_TRANSIENT);
        std::vector<Row> result;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Row row(static_cast<std::size_t>(sqlite3_column_count(stmt)));
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                Cell& cell = row[static_cast<std::size_t>(c)];
                cell.null = sqlite3_column_type(stmt, c) == SQLITE_NULL;
                cell.number = sqlite3_column_double(stmt, c);
                if (const unsigned char* t = sqlite3_column_text(stmt, c))
                    cell.text = reinterpret_cast<const char*>(t);
            }
            result.push_back(std::move(row));
        }
        const std::string error = rc == SQLITE_DONE ? std::string() : sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
        if (!error.empty())
            throw std::runtime_error(error + " in: " + sql);
        return result;
    }

    // The first column of the first row (0 when there is none or it is null).
    double number(const std::string& sql, const std::vector<std::string>& params = {}) const {
        const auto r = rows(sql, params);
        return r.empty() || r[0].empty() ? 0 : r[0][0].number;
    }
    std::string text(const std::string& sql, const std::vector<std::string>& params = {}) const {
        const auto r = rows(sql, params);
        return r.empty() || r[0].empty() ? std::string() : r[0][0].text;
    }

    int changes(const std::string& sql) const {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "?";
            sqlite3_free(message);
            throw std::runtime_error(text + " in: " + sql);
        }
        return sqlite3_changes(db_);
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace zrk::demo::testing
