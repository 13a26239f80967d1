#include "shell/startup.h"

#include "common/dialogs.h"
#include "common/modulewindow.h"
#include "common/screenfonts.h"
#include "common/sharedvalues.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/pictures.h"
#include "storage/database.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

void installFrenchTranslations(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

bool openDataFolder(const QString &dataFolder)
{
    const QString failed = openDatabases(dataFolder);
    if (failed.isEmpty())
        return true;
    dialogs().message(QStringLiteral("Info"), QStringLiteral("Ouverture ") + failed + QStringLiteral(" impossible!"));
    return false;
}

int runSelvano(QApplication &app)
{
    installFrenchTranslations(app);
    pictures::preparePictures();
    reportStatementErrorsInDialogs();
    if (!openDataFolder(QDir::current().filePath(QStringLiteral("Data"))))
        return 0;
    loadParameters();
    loadScreenFonts();
    {
        LoginWindow login;
        if (login.exec() != QDialog::Accepted) {
            closeDatabases();
            return 0;
        }
    }
    loadScreenFonts();
    {
        MainWindow window;
        // Kept module windows refuse to close, so quitting must not ask them.
        QObject::connect(&window, &MainWindow::closed, &app, [] {
            destroyKeptWindows();
            QCoreApplication::exit(0);
        });
        window.show();
        app.exec();
        destroyKeptWindows();
    }
    closeDatabases();
    return 0;
}
