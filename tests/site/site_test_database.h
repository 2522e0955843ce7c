// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/database_address.h"
#include "tests/support/postgres_server.h"
#include "site/core/record_submission.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>

// The two databases every storage and HTTP test runs on.
enum class DatabaseKind { SQLite, PostgreSQL };

inline std::string KindName(const ::testing::TestParamInfo<DatabaseKind>& info)
{
    return info.param == DatabaseKind::SQLite ? "SQLite" : "PostgreSQL";
}

// A fresh, empty database for one test: a file in `folder`, or a new database on the
// test program's own PostgreSQL server. Nothing, with the reason, when PostgreSQL is
// missing.
inline std::optional<DatabaseAddress> FreshDatabase(DatabaseKind kind, const QTemporaryDir& folder, QString* whyNot)
{
    DatabaseAddress address;
    if (kind == DatabaseKind::SQLite) {
        address.path = QDir(folder.path()).filePath(QStringLiteral("site.sqlite"));
        return address;
    }
    PostgresServer* server = PostgresServer::Shared(whyNot);
    if (!server)
        return std::nullopt;
    address.kind = DatabaseAddress::Kind::PostgreSQL;
    address.host = server->SocketFolder();
    address.user = server->User();
    address.databaseName = server->CreateDatabase();
    if (address.databaseName.isEmpty()) {
        *whyNot = QStringLiteral("CREATE DATABASE failed");
        return std::nullopt;
    }
    return address;
}

// A record as the game sends it, for storing straight through the storage.
inline RecordSubmission Record(const QString& name, int points, Language language = Language::Italian,
                               const QString& program = QStringLiteral("Letterama_ABC"))
{
    RecordSubmission record;
    record.name = name;
    record.program = program;
    record.playedOn = QDate(2026, 12, 9);
    record.playedAt = QTime(21, 7);
    record.points = points;
    record.manches = 5;
    record.note = QStringLiteral("Sono_il_migliore");
    record.email = QStringLiteral("bruno@example.org");
    record.language = language;
    return record;
}

// Stops the shared PostgreSQL server when the test program ends.
class PostgresEnvironment : public ::testing::Environment {
public:
    void TearDown() override { PostgresServer::StopShared(); }
};

// CI sets LETTERAMA_REQUIRE_POSTGRES: there a missing PostgreSQL is a failure, not a
// skip, so the PostgreSQL half of the tests cannot silently stop running.
#define SKIP_WITHOUT_DATABASE(address, why)                                                           \
    if (!(address)) {                                                                                 \
        if (qEnvironmentVariableIsSet("LETTERAMA_REQUIRE_POSTGRES"))                                  \
            FAIL() << "PostgreSQL is required here: " << (why).toStdString();                         \
        GTEST_SKIP() << "PostgreSQL test skipped: " << (why).toStdString();                           \
    }
