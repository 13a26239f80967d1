#include "storage/datafiles.h"

#include <QFileInfo>

#include <sqlite3.h>

bool createDatabaseFile(const QString &path, const QString &script, QString *error)
{
    if (QFileInfo::exists(path)) {
        *error = QStringLiteral("%1 exists already").arg(path);
        return false;
    }
    sqlite3 *db = nullptr;
    const QByteArray name = path.toUtf8();
    int rc = sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char *message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        *error = QStringLiteral("%1: %2").arg(path, QString::fromUtf8(message ? message : sqlite3_errmsg(db)));
        sqlite3_free(message);
        sqlite3_close(db);
        return false;
    }
    return sqlite3_close(db) == SQLITE_OK;
}
