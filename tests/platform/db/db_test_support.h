#pragma once

#include "platform/db/connection.h"

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
        conn->open(QStringLiteral("Provider=SQLite;Data Source=%1;Create=True").arg(path));
    }

    // The single value of a one-row query, as text ("NULL" for Null).
    QString scalar(const QString& sql) {
        auto rs = conn->execute(sql);
        if (!rs || rs->eof())
            return QStringLiteral("<no row>");
        const Variant v = rs->value(0);
        return v.isNull() ? QStringLiteral("NULL") : v.toString();
    }

    // One column of every row, as texts.
    QStringList column(const QString& sql, int index = 0) {
        QStringList out;
        auto rs = conn->execute(sql);
        if (!rs)
            return out;
        for (; !rs->eof(); rs->moveNext()) {
            const Variant v = rs->value(index);
            out << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        }
        return out;
    }

    QTemporaryDir dir;
    QString path;
    db::ConnectionPtr conn;
};

} // namespace zrk::test
