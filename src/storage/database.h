#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

// Connections are known by number; the numbers appear in error texts.
namespace Db {
enum Connection : int {
    prod = 0,
    client = 3,
    four = 4,
    bl = 5,
    br = 6,
    facv = 9,
    facp = 10,
    verclient = 11,
    verFour = 12,
    caisse = 14,
    bank = 15,
    brs = 17,
    param = 20,
};
}

struct DatabaseFile {
    Db::Connection connection;
    const char *baseName; // file name without ".db", in the Data folder
};

// The thirteen files, in the order they are opened.
const std::array<DatabaseFile, 13> &databaseFiles();

inline constexpr int defaultBusyTimeoutMs = 20000;

// Opens every file of `dataFolder` in order, read-write, never creating one.
// Returns an empty text on success, else the failing file as the user should read it
// ("Data/bl.db" with the platform's separator); later files are then not opened.
QString openDatabases(const QString &dataFolder, int busyTimeoutMs = defaultBusyTimeoutMs);
void closeDatabases();

// Receives the text of every refused statement (the shell routes it to an "Erreur" box).
using StatementErrorHandler = std::function<void(const QString &text)>;
void setStatementErrorHandler(StatementErrorHandler handler);

// A bound value: texts bind as text so the columns' declared types decide the comparison.
using SqlValue = std::variant<QString, qint64>;
using SqlValues = std::initializer_list<SqlValue>;

// A cursor over the rows of one statement; finalised when it goes out of scope.
class Query {
public:
    Query() = default;
    Query(Query &&other) noexcept;
    Query &operator=(Query &&other) noexcept;
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;
    ~Query();

    // True when the engine accepted the statement.
    bool ok() const { return m_ok; }
    // Steps to the next row; false at the end or after a failure (already reported).
    bool next();
    // Columns of the current row by zero-based index; NULL reads as "" and 0.
    QString text(int column) const;
    qint64 integer(int column) const;
    int columnCount() const;

private:
    friend Query runQuery(Db::Connection, const char *, SqlValues);
    Query(Db::Connection connection, sqlite3_stmt *statement, bool ok);

    Db::Connection m_connection = Db::prod;
    sqlite3_stmt *m_statement = nullptr;
    bool m_ok = false;
    bool m_done = false;
};

Query runQuery(Db::Connection connection, const char *sql, SqlValues values = {});
bool runUpdate(Db::Connection connection, const char *sql, SqlValues values = {});

// The first column of the first row as an integer, 0 when there is none (max over an empty table).
qint64 queryInteger(Db::Connection connection, const char *sql, SqlValues values = {});
// True when the statement yields at least one row.
bool queryHasRow(Db::Connection connection, const char *sql, SqlValues values = {});

// Statements that must stand or fall together on one connection.
class Transaction {
public:
    explicit Transaction(Db::Connection connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    bool commit();

private:
    Db::Connection m_connection;
    bool m_open = false;
};
