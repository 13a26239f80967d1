#include "storage/database.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

constexpr int connectionSlots = 21;
std::array<sqlite3 *, connectionSlots> connections{};
StatementErrorHandler errorHandler;

sqlite3 *handle(Db::Connection connection)
{
    return connections.at(static_cast<size_t>(connection));
}

QString quotedLiteral(const SqlValue &value)
{
    if (const auto *number = std::get_if<qint64>(&value))
        return QString::number(*number);
    QString text = std::get<QString>(value);
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// The statement with its values, for a statement the engine could not even prepare.
QString expandByHand(const char *sql, SqlValues values)
{
    const QString text = QString::fromUtf8(sql);
    QString result;
    auto value = values.begin();
    for (const QChar c : text) {
        if (c == QLatin1Char('?') && value != values.end())
            result += quotedLiteral(*value++);
        else
            result += c;
    }
    return result;
}

void report(Db::Connection connection, const QString &statementText)
{
    const QString text = QString::fromUtf8(sqlite3_errmsg(handle(connection))) + QStringLiteral("    Db=")
        + QString::number(int(connection)) + QStringLiteral(" query$= ") + statementText;
    if (errorHandler)
        errorHandler(text);
}

QString expanded(sqlite3_stmt *statement)
{
    char *text = sqlite3_expanded_sql(statement);
    const QString result = QString::fromUtf8(text);
    sqlite3_free(text);
    return result;
}

// Prepares and binds; reports and returns nullptr when the engine refuses.
sqlite3_stmt *prepare(Db::Connection connection, const char *sql, SqlValues values)
{
    sqlite3 *db = handle(connection);
    sqlite3_stmt *statement = nullptr;
    if (!db || sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        if (db)
            report(connection, expandByHand(sql, values));
        sqlite3_finalize(statement);
        return nullptr;
    }
    int index = 1;
    for (const SqlValue &value : values) {
        if (const auto *number = std::get_if<qint64>(&value)) {
            sqlite3_bind_int64(statement, index, *number);
        } else {
            const QByteArray utf8 = std::get<QString>(value).toUtf8();
            sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        ++index;
    }
    return statement;
}

} // namespace

const std::array<DatabaseFile, 13> &databaseFiles()
{
    static const std::array<DatabaseFile, 13> files{{
        {Db::prod, "prod"},
        {Db::client, "client"},
        {Db::four, "four"},
        {Db::bl, "bl"},
        {Db::br, "br"},
        {Db::facv, "facv"},
        {Db::facp, "facp"},
        {Db::verclient, "verclient"},
        {Db::verFour, "verFour"},
        {Db::caisse, "caisse"},
        {Db::bank, "bank"},
        {Db::brs, "brs"},
        {Db::param, "param"},
    }};
    return files;
}

QString openDatabases(const QString &dataFolder, int busyTimeoutMs)
{
    closeDatabases();
    const QString folderName = QFileInfo(dataFolder).fileName();
    for (const DatabaseFile &file : databaseFiles()) {
        const QString fileName = QString::fromLatin1(file.baseName) + QStringLiteral(".db");
        const QByteArray path = QDir(dataFolder).filePath(fileName).toUtf8();
        sqlite3 *db = nullptr;
        int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        // A file that is not a database only shows itself at the first read.
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close(db);
            closeDatabases();
            return QDir::toNativeSeparators(folderName + QLatin1Char('/') + fileName);
        }
        sqlite3_busy_timeout(db, busyTimeoutMs);
        connections.at(static_cast<size_t>(file.connection)) = db;
    }
    return {};
}

void closeDatabases()
{
    for (sqlite3 *&db : connections) {
        sqlite3_close_v2(db);
        db = nullptr;
    }
}

void setStatementErrorHandler(StatementErrorHandler handler)
{
    errorHandler = std::move(handler);
}

Query::Query(Db::Connection connection, sqlite3_stmt *statement, bool ok)
    : m_connection(connection)
    , m_statement(statement)
    , m_ok(ok)
{ }

Query::Query(Query &&other) noexcept
    : m_connection(other.m_connection)
    , m_statement(std::exchange(other.m_statement, nullptr))
    , m_ok(other.m_ok)
    , m_done(other.m_done)
{ }

Query &Query::operator=(Query &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_connection = other.m_connection;
        m_statement = std::exchange(other.m_statement, nullptr);
        m_ok = other.m_ok;
        m_done = other.m_done;
    }
    return *this;
}

Query::~Query()
{
    sqlite3_finalize(m_statement);
}

bool Query::next()
{
    if (!m_statement || m_done)
        return false;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    m_done = true;
    if (rc != SQLITE_DONE) {
        m_ok = false;
        report(m_connection, expanded(m_statement));
    }
    return false;
}

QString Query::text(int column) const
{
    if (!m_statement)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column));
}

qint64 Query::integer(int column) const
{
    return m_statement ? sqlite3_column_int64(m_statement, column) : 0;
}

int Query::columnCount() const
{
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

Query runQuery(Db::Connection connection, const char *sql, SqlValues values)
{
    sqlite3_stmt *statement = prepare(connection, sql, values);
    return Query(connection, statement, statement != nullptr);
}

bool runUpdate(Db::Connection connection, const char *sql, SqlValues values)
{
    sqlite3_stmt *statement = prepare(connection, sql, values);
    if (!statement)
        return false;
    const int rc = sqlite3_step(statement);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!ok)
        report(connection, expanded(statement));
    sqlite3_finalize(statement);
    return ok;
}

qint64 queryInteger(Db::Connection connection, const char *sql, SqlValues values)
{
    Query query = runQuery(connection, sql, values);
    return query.next() ? query.integer(0) : 0;
}

bool queryHasRow(Db::Connection connection, const char *sql, SqlValues values)
{
    Query query = runQuery(connection, sql, values);
    return query.next();
}

Transaction::Transaction(Db::Connection connection)
    : m_connection(connection)
{
    m_open = runUpdate(connection, "BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(handle(m_connection), "ROLLBACK", nullptr, nullptr, nullptr);
}

bool Transaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    return runUpdate(m_connection, "COMMIT");
}
