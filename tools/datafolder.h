#pragma once

#include <QString>

enum class ExistingFiles { Refuse, Keep };

// Creates the thirteen database files of a Data folder from the scripts in `schemaFolder`
// (one <file>.sql per database file). An existing file is never touched: with Refuse the
// whole call fails before creating anything, with Keep only the missing files are made.
bool createDataFolder(const QString &schemaFolder, const QString &dataFolder, ExistingFiles existing, QString *error);
