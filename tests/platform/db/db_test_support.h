#pragma once

#include "platform/db/connection.h"
#include "support/query_text.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zrk::test {

// A fresh embedded database in its own temporary folder.
class EmbeddedDb : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("company.db"));
        conn = std::make_shared<db::Connection>();
        conn->open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(path), db::MissingDatabase::Create);
    }

    QString scalar(const QString& sql) { return scalarText(*conn, sql); }
    QStringList column(const QString& sql, int index = 0) { return columnTexts(*conn, sql, index); }

    QTemporaryDir dir;
    QString path;
    db::ConnectionPtr conn;
};

} // namespace zrk::test
