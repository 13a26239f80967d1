#include "datafolder.h"

#include "storage/database.h"
#include "storage/datafiles.h"

#include <QDir>
#include <QFile>

namespace {

QString fileName(const DatabaseFile &file)
{
    return QString::fromLatin1(file.baseName) + QStringLiteral(".db");
}

} // namespace

bool createDataFolder(const QString &schemaFolder, const QString &dataFolder, ExistingFiles existing, QString *error)
{
    const QDir data(dataFolder);
    if (existing == ExistingFiles::Refuse) {
        for (const DatabaseFile &file : databaseFiles()) {
            if (data.exists(fileName(file))) {
                *error = QStringLiteral("%1 exists already, nothing created").arg(data.filePath(fileName(file)));
                return false;
            }
        }
    }
    if (!QDir().mkpath(dataFolder)) {
        *error = QStringLiteral("cannot create %1").arg(dataFolder);
        return false;
    }
    for (const DatabaseFile &file : databaseFiles()) {
        if (data.exists(fileName(file)))
            continue;
        QFile script(QDir(schemaFolder).filePath(QString::fromLatin1(file.baseName) + QStringLiteral(".sql")));
        if (!script.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(script.fileName());
            return false;
        }
        if (!createDatabaseFile(data.filePath(fileName(file)), QString::fromUtf8(script.readAll()), error))
            return false;
    }
    return true;
}
