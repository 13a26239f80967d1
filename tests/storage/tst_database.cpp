#include "storage/columns.h"
#include "storage/database.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <iostream>

namespace {

// Run as a child process: holds a write lock on prod.db of the given Data folder until killed.
constexpr const char *holdLockVariable = "SELVANO_HOLD_LOCK";
constexpr int shortBusyTimeoutMs = 300;

int holdLock(const QString &dataFolder)
{
    if (!openDatabases(dataFolder).isEmpty())
        return 1;
    Transaction transaction(Db::prod);
    runUpdate(Db::prod, "INSERT INTO fprod (Codeprod) VALUES (?)", {QStringLiteral("1")});
    std::cout << "locked" << std::endl;
    QThread::sleep(60);
    return 0;
}

} // namespace

class TestDatabase_ : public QObject {
    Q_OBJECT
private slots:
    void opensAllThirteenFiles();
    void refusesMissingOrBrokenFile_data();
    void refusesMissingOrBrokenFile();
    void stopsAtFirstFailingFile();
    void refusedStatementShowsErrorBox_data();
    void refusedStatementShowsErrorBox();
    void nullReadsAsEmptyAndZero();
    void maximumOfEmptyTableIsZero();
    void awkwardTextsStoredVerbatim_data();
    void awkwardTextsStoredVerbatim();
    void numbersCompareNumerically();
    void updateWhileSteppingAQuery();
    void transactionRollsBackUnlessCommitted();
    void lockedFileWaitsThenFails();
};

void TestDatabase_::opensAllThirteenFiles()
{
    TestDatabase db;
    for (const DatabaseFile &file : databaseFiles()) {
        Query query = runQuery(file.connection, "SELECT count(*) FROM sqlite_master");
        QVERIFY2(query.next(), file.baseName);
        QVERIFY(query.integer(0) > 0);
    }
    QCOMPARE(databaseFiles().size(), size_t(13));
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestDatabase_::refusesMissingOrBrokenFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("missing bl") << "bl" << false;
    QTest::newRow("not a database") << "facv" << true;
    QTest::newRow("last file missing") << "param" << false;
}

void TestDatabase_::refusesMissingOrBrokenFile()
{
    QFETCH(QString, file);
    QFETCH(bool, corrupt);
    QTemporaryDir dir;
    const QString data = QDir(dir.path()).filePath(QStringLiteral("Data"));
    QVERIFY(makeDataFolder(data));
    const QString path = QDir(data).filePath(file + QStringLiteral(".db"));
    QVERIFY(breakDatabaseFile(data, file, corrupt ? Breakage::NotADatabase : Breakage::Missing));
    QCOMPARE(openDatabases(data), QDir::toNativeSeparators(QStringLiteral("Data/") + file + QStringLiteral(".db")));
    // Nothing was created in place of the missing file.
    QCOMPARE(QFile::exists(path), corrupt);
    closeDatabases();
}

void TestDatabase_::stopsAtFirstFailingFile()
{
    QTemporaryDir dir;
    const QString data = QDir(dir.path()).filePath(QStringLiteral("Data"));
    QVERIFY(makeDataFolder(data));
    QVERIFY(QFile::remove(QDir(data).filePath(QStringLiteral("bl.db"))));
    QVERIFY(QFile::remove(QDir(data).filePath(QStringLiteral("br.db"))));
    QCOMPARE(openDatabases(data), QDir::toNativeSeparators(QStringLiteral("Data/bl.db")));
    QVERIFY(!QFile::exists(QDir(data).filePath(QStringLiteral("br.db"))));
}

void TestDatabase_::refusedStatementShowsErrorBox_data()
{
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unknown table, refused at once")
        << false << "no such table: nope    Db=0 query$= SELECT * FROM nope where a='it''s'";
    QTest::newRow("refused while running")
        << true << "integer overflow    Db=0 query$= UPDATE fprod SET Qi=abs(-9223372036854775808)";
}

void TestDatabase_::refusedStatementShowsErrorBox()
{
    QFETCH(bool, update);
    QFETCH(QString, expected);
    TestDatabase db;
    exec(Db::prod, "INSERT INTO fprod (Codeprod) VALUES ('1')");
    if (update) {
        QVERIFY(!runUpdate(Db::prod, "UPDATE fprod SET Qi=abs(?)", {std::numeric_limits<qint64>::min()}));
    } else {
        Query query = runQuery(Db::prod, "SELECT * FROM nope where a=?", {QStringLiteral("it's")});
        QVERIFY(!query.ok());
        QVERIFY(!query.next());
    }
    QCOMPARE(db.dialogs.messages(), QStringList{QStringLiteral("Erreur|") + expected});
}

void TestDatabase_::nullReadsAsEmptyAndZero()
{
    TestDatabase db;
    exec(Db::prod, "INSERT INTO fprod (Codeprod) VALUES (?)", {QStringLiteral("7")});
    Query query = runQuery(Db::prod, "SELECT * FROM fprod");
    QVERIFY(query.next());
    QCOMPARE(query.integer(fprod::Codeprod), 7);
    QCOMPARE(query.text(fprod::Prod), QString());
    QCOMPARE(query.integer(fprod::Pa), 0);
    QVERIFY(!query.next());
    // A sum over no rows reads as empty text and zero.
    Query sum = runQuery(Db::prod, "SELECT sum(qi) FROM fprod where codeprod=?", {QStringLiteral("99")});
    QVERIFY(sum.next());
    QCOMPARE(sum.text(0), QString());
    QCOMPARE(sum.integer(0), 0);
}

void TestDatabase_::maximumOfEmptyTableIsZero()
{
    TestDatabase db;
    QCOMPARE(queryInteger(Db::br, "SELECT max(numdoc) FROM fbr"), 0);
    exec(Db::br, "INSERT INTO fbr (Numdoc) VALUES (?)", {QStringLiteral("9")});
    exec(Db::br, "INSERT INTO fbr (Numdoc) VALUES (?)", {QStringLiteral("10")});
    QCOMPARE(queryInteger(Db::br, "SELECT max(numdoc) FROM fbr"), 10);
}

void TestDatabase_::awkwardTextsStoredVerbatim_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("double quote") << "ECROU 8\" INOX";
    QTest::newRow("single quote") << "L'ETOILE D'OR";
    QTest::newRow("backslash") << "C:\\STOCK\\A";
    QTest::newRow("a column name") << "REF";
    QTest::newRow("another column name") << "PROD";
    QTest::newRow("accents") << "Société Générale à Sfax";
    QTest::newRow("statement text") << "x\"); DELETE FROM fprod; --";
}

void TestDatabase_::awkwardTextsStoredVerbatim()
{
    QFETCH(QString, text);
    TestDatabase db;
    exec(Db::prod, "INSERT INTO fprod (Codeprod, ref, Prod) VALUES (?, ?, ?)",
        {QStringLiteral("1"), QStringLiteral("R1"), QStringLiteral("OTHER")});
    exec(Db::prod, "INSERT INTO fprod (Codeprod, ref, Prod) VALUES (?, ?, ?)", {QStringLiteral("2"), text, text});
    const QList<QStringList> rows = readRows(Db::prod, "SELECT codeprod, prod FROM fprod where prod=?", {text});
    QCOMPARE(rows, (QList<QStringList>{{QStringLiteral("2"), text}}));
    QCOMPARE(readRows(Db::prod, "SELECT * FROM fprod").size(), 2);
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestDatabase_::numbersCompareNumerically()
{
    TestDatabase db;
    for (const char *number : {"10", "9", "2"})
        exec(Db::br, "INSERT INTO fbr (Numdoc, CodeProd) VALUES (?, '9999')", {QString::fromLatin1(number)});
    QCOMPARE(readRows(Db::br, "SELECT numdoc FROM fbr order by numdoc"), (QList<QStringList>{{"2"}, {"9"}, {"10"}}));
    QCOMPARE(
        readRows(Db::br, "SELECT numdoc FROM fbr where numdoc=? and codeprod=9999", {QStringLiteral("9")}).size(), 1);
    QCOMPARE(readRows(Db::br, "SELECT numdoc FROM fbr where numdoc=? and codeprod='9999'", {qint64(9)}).size(), 1);
}

void TestDatabase_::updateWhileSteppingAQuery()
{
    TestDatabase db;
    for (const char *code : {"1", "2", "3"})
        exec(Db::prod, "INSERT INTO fprod (Codeprod, Qi) VALUES (?, '0')", {QString::fromLatin1(code)});
    Query query = runQuery(Db::prod, "SELECT codeprod FROM fprod order by codeprod");
    int seen = 0;
    while (query.next()) {
        QVERIFY(runUpdate(Db::prod, "UPDATE fprod SET qi=? where codeprod=?", {QStringLiteral("500"), query.text(0)}));
        ++seen;
    }
    QCOMPARE(seen, 3);
    QCOMPARE(queryInteger(Db::prod, "SELECT sum(qi) FROM fprod"), 1500);
}

void TestDatabase_::transactionRollsBackUnlessCommitted()
{
    TestDatabase db;
    {
        Transaction transaction(Db::param);
        exec(Db::param, "INSERT INTO FParam (MpUser) VALUES ('lost')");
    }
    QCOMPARE(readRows(Db::param, "SELECT * FROM FParam").size(), 0);
    {
        Transaction transaction(Db::param);
        exec(Db::param, "INSERT INTO FParam (MpUser) VALUES ('kept')");
        QVERIFY(transaction.commit());
    }
    QCOMPARE(readRows(Db::param, "SELECT MpUser FROM FParam"), (QList<QStringList>{{"kept"}}));
}

void TestDatabase_::lockedFileWaitsThenFails()
{
    TestDatabase db(shortBusyTimeoutMs);
    QProcess holder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(holdLockVariable), db.dataFolder());
    holder.setProcessEnvironment(environment);
    holder.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

    QElapsedTimer waited;
    waited.start();
    QVERIFY(!runUpdate(Db::prod, "INSERT INTO fprod (Codeprod) VALUES (?)", {QStringLiteral("2")}));
    QVERIFY(waited.elapsed() >= shortBusyTimeoutMs / 2);
    holder.kill();
    holder.waitForFinished();

    QCOMPARE(db.dialogs.messages(),
        QStringList{
            QStringLiteral("Erreur|database is locked    Db=0 query$= INSERT INTO fprod (Codeprod) VALUES ('2')")});
    // Once the other program is gone the same statement goes through.
    QVERIFY(runUpdate(Db::prod, "INSERT INTO fprod (Codeprod) VALUES (?)", {QStringLiteral("2")}));
}

int main(int argc, char *argv[])
{
    const QByteArray lockFolder = qgetenv(holdLockVariable);
    if (!lockFolder.isEmpty()) {
        QCoreApplication app(argc, argv);
        return holdLock(QString::fromLocal8Bit(lockFolder));
    }
    QCoreApplication app(argc, argv);
    TestDatabase_ test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_database.moc"
