#pragma once

#include "common/dialogs.h"
#include "storage/database.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <variant>

// Stands in for the dialogs: records what the user would have been shown, answers the
// questions the test scripted, and fails the test on any question it was not told about.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "yesno", "yesnocancel", "input", "folder"
        QString title;
        QString text;
    };

    void message(const QString &title, const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    Answer askYesNoCancel(const QString &title, const QString &text) override;
    QString input(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString chooseFolder(const QString &title) override;

    void answerYesNo(bool yes) { m_answers.enqueue(yes); }
    void answerYesNoCancel(Answer answer) { m_answers.enqueue(answer); }
    void answerInput(const QString &text) { m_answers.enqueue(Text{text}); }
    void answerFolder(const QString &folder) { m_answers.enqueue(Text{folder}); }

    QList<Shown> shown;
    // The messages shown, each as "title|text".
    QStringList messages() const;
    bool allAnswersUsed() const { return m_answers.isEmpty(); }
    void clear()
    {
        shown.clear();
        m_answers.clear();
    }

private:
    struct Text {
        QString value;
    };
    using Scripted = std::variant<bool, Answer, Text>;
    template <typename T> T take(const char *kind, T fallback);
    QQueue<Scripted> m_answers;
};

// A fresh Data folder made from the schema in a temporary folder, with the thirteen connections
// open and the scripted dialogs installed; everything is undone when it goes.
class TestDatabase {
public:
    explicit TestDatabase(int busyTimeoutMs = 200);
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString dataFolder() const;
    QString folder() const { return m_dir.path(); }
    ScriptedDialogs dialogs;

private:
    QTemporaryDir m_dir;
    Dialogs *m_previousDialogs = nullptr;
};

// Makes a Data folder from the schema; fails the test when it cannot.
bool makeDataFolder(const QString &dataFolder);
// Removes one database file of a Data folder, or replaces it with a file that is not a database.
enum class Breakage { Missing, NotADatabase };
bool breakDatabaseFile(const QString &dataFolder, const QString &baseName, Breakage breakage);
// Runs a change and fails the test when it is refused.
void exec(Db::Connection connection, const char *sql, SqlValues values = {});
// Every row of a query, each column as text.
QList<QStringList> readRows(Db::Connection connection, const char *sql, SqlValues values = {});

class QWidget;
// The input fields of a window that a person (or a screen reader) could not find by a caption:
// neither a label naming them as buddy nor an accessible name. Their object names are returned.
QStringList unlabelledFields(const QWidget *window);
