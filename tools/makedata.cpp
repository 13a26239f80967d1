// Makes a Data folder from the schema scripts: selvano-makedata <schema folder> <data folder> [--keep-existing]
#include "datafolder.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool keep = args.contains(QStringLiteral("--keep-existing"));
    QStringList folders = args.mid(1);
    folders.removeAll(QStringLiteral("--keep-existing"));
    QTextStream err(stderr);
    if (folders.size() != 2) {
        err << "usage: selvano-makedata <schema folder> <data folder> [--keep-existing]\n";
        return 2;
    }
    QString error;
    if (!createDataFolder(folders[0], folders[1], keep ? ExistingFiles::Keep : ExistingFiles::Refuse, &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
