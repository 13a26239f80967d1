#pragma once

#include <QString>

// Creates a new database file from a script of statements; refuses a file that exists.
// Only the Data-folder maker uses it: the program never creates or alters a table.
bool createDatabaseFile(const QString &path, const QString &script, QString *error);
