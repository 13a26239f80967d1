#include "testsupport.h"

#include "datafolder.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTextEdit>

template <typename T> T ScriptedDialogs::take(const char *kind, T fallback)
{
    if (m_answers.isEmpty() || !std::holds_alternative<T>(m_answers.head())) {
        const QString text
            = QStringLiteral("unscripted %1: %2 / %3").arg(QLatin1String(kind), shown.last().title, shown.last().text);
        QTest::qFail(qPrintable(text), __FILE__, __LINE__);
        return fallback;
    }
    return std::get<T>(m_answers.dequeue());
}

void ScriptedDialogs::message(const QString &title, const QString &text)
{
    shown.append({QStringLiteral("message"), title, text});
}

bool ScriptedDialogs::askYesNo(const QString &title, const QString &text)
{
    shown.append({QStringLiteral("yesno"), title, text});
    return take<bool>("yes/no question", false);
}

Dialogs::Answer ScriptedDialogs::askYesNoCancel(const QString &title, const QString &text)
{
    shown.append({QStringLiteral("yesnocancel"), title, text});
    return take<Answer>("yes/no/cancel question", Answer::Cancel);
}

QString ScriptedDialogs::input(const QString &title, const QString &prompt, const QString &)
{
    shown.append({QStringLiteral("input"), title, prompt});
    return take<Text>("input box", Text{}).value;
}

QString ScriptedDialogs::chooseFolder(const QString &title)
{
    shown.append({QStringLiteral("folder"), title, QString()});
    return take<Text>("folder chooser", Text{}).value;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList result;
    for (const Shown &box : shown) {
        if (box.kind == QLatin1String("message"))
            result << box.title + QLatin1Char('|') + box.text;
    }
    return result;
}

bool makeDataFolder(const QString &dataFolder)
{
    QString error;
    if (!createDataFolder(QStringLiteral(SELVANO_SCHEMA_DIR), dataFolder, ExistingFiles::Refuse, &error)) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return false;
    }
    return true;
}

TestDatabase::TestDatabase(int busyTimeoutMs)
{
    makeDataFolder(dataFolder());
    const QString failed = openDatabases(dataFolder(), busyTimeoutMs);
    if (!failed.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("cannot open ") + failed), __FILE__, __LINE__);
    m_previousDialogs = setDialogs(&dialogs);
    reportStatementErrorsInDialogs();
}

TestDatabase::~TestDatabase()
{
    closeDatabases();
    setDialogs(m_previousDialogs);
}

QString TestDatabase::dataFolder() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Data"));
}

bool breakDatabaseFile(const QString &dataFolder, const QString &baseName, Breakage breakage)
{
    const QString path = QDir(dataFolder).filePath(baseName + QStringLiteral(".db"));
    if (!QFile::remove(path))
        return false;
    if (breakage == Breakage::Missing)
        return true;
    QFile broken(path);
    return broken.open(QIODevice::WriteOnly) && broken.write("This is a text file, not a database.\n") > 0;
}

void exec(Db::Connection connection, const char *sql, SqlValues values)
{
    if (!runUpdate(connection, sql, values))
        QTest::qFail(sql, __FILE__, __LINE__);
}

QList<QStringList> readRows(Db::Connection connection, const char *sql, SqlValues values)
{
    QList<QStringList> rows;
    Query query = runQuery(connection, sql, values);
    while (query.next()) {
        QStringList row;
        for (int c = 0; c < query.columnCount(); ++c)
            row << query.text(c);
        rows << row;
    }
    return rows;
}

QStringList unlabelledFields(const QWidget *window)
{
    QSet<const QWidget *> labelled;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            labelled.insert(label->buddy());
    }
    QStringList missing;
    const auto check = [&](const QWidget *field) {
        if (!labelled.contains(field) && field->accessibleName().isEmpty())
            missing << field->objectName();
    };
    for (const QLineEdit *field : window->findChildren<QLineEdit *>()) {
        // The line edit inside an editable drop-down is reached through the drop-down.
        if (!qobject_cast<const QComboBox *>(field->parentWidget())
            && !qobject_cast<const QAbstractSpinBox *>(field->parentWidget()))
            check(field);
    }
    for (const QComboBox *field : window->findChildren<QComboBox *>())
        check(field);
    for (const QAbstractSpinBox *field : window->findChildren<QAbstractSpinBox *>())
        check(field);
    for (const QTextEdit *field : window->findChildren<QTextEdit *>())
        check(field);
    return missing;
}
