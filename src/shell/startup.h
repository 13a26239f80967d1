#pragma once

#include <QString>

class QApplication;

// The whole life of the program: pictures, connections to the Data folder of the working
// folder, parameters and fonts, login, main window. Returns the exit code (always 0).
int runSelvano(QApplication &app);

// Loads Qt's own French texts so standard buttons read Oui, Non, Annuler.
void installFrenchTranslations(QApplication &app);

// Opens the Data folder's files or tells the user which one cannot be opened; false then.
bool openDataFolder(const QString &dataFolder);
