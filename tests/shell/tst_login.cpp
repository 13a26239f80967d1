#include "common/sharedvalues.h"
#include "shell/loginwindow.h"
#include "storage/database.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString wrongCode = QStringLiteral("Erreur...|Code d'accès incorrect ! ");
const QString replaced = QStringLiteral(
    "Confirmation...|Le mot de passe a été remplacé !. Cliquez sur le bouton VALIDER pour accéder au logiciel ! ");
const QString oldCodeFirst
    = QStringLiteral("Erreur...|Saisissez l'ancien mot de passe dans la case puis cliquez sur le bouton MODIFIER ! ");

// The start-up's reading of the parameters, as a restart would do it.
void restart()
{
    sharedValues() = SharedValues{};
    loadParameters();
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void init() { restart(); }
    void layout();
    void validation_data();
    void validation();
    void returnElsewhereDoesNothing();
    void changeOfCodeIsAskedAfterRestart_data();
    void changeOfCodeIsAskedAfterRestart();
    void changeOfCodeRefusedOrAbandoned_data();
    void changeOfCodeRefusedOrAbandoned();
};

void TestLogin::layout()
{
    TestDatabase db;
    LoginWindow login;
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QCOMPARE(login.size(), QSize(640, 330));
    QCOMPARE(login.windowTitle(), QStringLiteral("Selvano v.18 (Logiciel de gestion commerciale - Mai 2023)"));
    QCOMPARE(login.codeEdit->geometry(), QRect(120, 275, 100, 20));
    QCOMPARE(login.codeEdit->echoMode(), QLineEdit::Password);
    QCOMPARE(login.focusWidget(), login.codeEdit);
    QCOMPARE(login.validateButton->geometry(), QRect(230, 270, 100, 30));
    QCOMPARE(login.cancelButton->geometry(), QRect(350, 270, 100, 30));
    QCOMPARE(login.changeCodeButton->geometry(), QRect(470, 270, 150, 30));
    QCOMPARE(login.codeEdit->accessibleName(), QStringLiteral("Code d'accès :"));
}

void TestLogin::validation_data()
{
    QTest::addColumn<QString>("storedCode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReturn");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty FParam, empty code") << QString() << QString() << false << true;
    QTest::newRow("empty FParam, empty code, Return") << QString() << QString() << true << true;
    QTest::newRow("empty FParam, default code refused") << QString() << "907381" << false << false;
    QTest::newRow("right code") << "Secret"
                                << "Secret" << true << true;
    QTest::newRow("other case refused") << "Secret"
                                        << "secret" << true << false;
    QTest::newRow("empty refused") << "Secret" << QString() << false << false;
}

void TestLogin::validation()
{
    QFETCH(QString, storedCode);
    QFETCH(QString, typed);
    QFETCH(bool, byReturn);
    QFETCH(bool, accepted);
    TestDatabase db;
    if (!storedCode.isNull())
        exec(Db::param, "INSERT INTO FParam (MpUser, TauxTva) VALUES (?, '19')", {storedCode});
    restart();
    LoginWindow login;
    login.show();
    QTest::keyClicks(login.codeEdit, typed);
    if (byReturn)
        QTest::keyClick(login.codeEdit, Qt::Key_Return);
    else
        QTest::mouseClick(login.validateButton, Qt::LeftButton);
    QCOMPARE(login.result() == QDialog::Accepted, accepted);
    QCOMPARE(login.isVisible(), !accepted);
    QCOMPARE(db.dialogs.messages(), accepted ? QStringList() : QStringList{wrongCode});
}

void TestLogin::returnElsewhereDoesNothing()
{
    TestDatabase db;
    LoginWindow login;
    login.show();
    login.validateButton->setFocus();
    QTest::keyClick(login.validateButton, Qt::Key_Return);
    QVERIFY(login.isVisible());
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestLogin::changeOfCodeIsAskedAfterRestart_data()
{
    QTest::addColumn<QString>("storedCode");
    QTest::newRow("empty FParam") << QString();
    QTest::newRow("stored code") << "1234";
}

void TestLogin::changeOfCodeIsAskedAfterRestart()
{
    QFETCH(QString, storedCode);
    TestDatabase db;
    if (!storedCode.isNull())
        exec(Db::param,
            "INSERT INTO FParam (MpUser,TauxTva,ModepBr,ModepFac,Sic,Sib) VALUES (?,'7','ESPECE','CHEQUE','500','600')",
            {storedCode});
    restart();
    const QString newCode = QStringLiteral("n\"ew'Code");
    {
        LoginWindow login;
        login.show();
        QTest::keyClicks(login.codeEdit, storedCode);
        db.dialogs.answerInput(newCode);
        db.dialogs.answerYesNo(true);
        QTest::mouseClick(login.changeCodeButton, Qt::LeftButton);
        QCOMPARE(db.dialogs.shown.size(), 3);
        QCOMPARE(db.dialogs.shown[0].title, QStringLiteral("Nouveau mot de passe"));
        QCOMPARE(db.dialogs.shown[0].text, QStringLiteral("Saisissez le nouveau mot de passe!"));
        QCOMPARE(db.dialogs.shown[1].title, QStringLiteral("Confirmation"));
        QCOMPARE(db.dialogs.shown[1].text,
            QStringLiteral("Etes-vous sûr de vouloir remplacer l'ancien mot de passe par le nouveau ?"));
        QCOMPARE(db.dialogs.messages(), QStringList{replaced});
        QCOMPARE(login.codeEdit->text(), newCode);
        QTest::mouseClick(login.validateButton, Qt::LeftButton);
        QCOMPARE(login.result(), int(QDialog::Accepted));
    }
    QCOMPARE(readRows(Db::param, "SELECT Mp FROM FparamU"), (QList<QStringList>{{newCode}}));
    // The rest of the parameter row is kept, or the defaults written when there was none.
    const QStringList expectedRow = storedCode.isNull() ? QStringList{newCode, "19", "A TERME", "A TERME", "0", "0"}
                                                        : QStringList{newCode, "7", "ESPECE", "CHEQUE", "500", "600"};
    QCOMPARE(readRows(Db::param, "SELECT * FROM FParam"), QList<QStringList>{expectedRow});

    restart();
    LoginWindow again;
    again.show();
    QTest::keyClicks(again.codeEdit, storedCode);
    QTest::keyClick(again.codeEdit, Qt::Key_Return);
    QVERIFY(again.isVisible());
    again.codeEdit->clear();
    QTest::keyClicks(again.codeEdit, newCode);
    QTest::keyClick(again.codeEdit, Qt::Key_Return);
    QCOMPARE(again.result(), int(QDialog::Accepted));
}

void TestLogin::changeOfCodeRefusedOrAbandoned_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("old code not in the field") << "wrong" << QString() << false << QStringList{oldCodeFirst};
    QTest::newRow("empty new code") << "1234" << QString() << false << QStringList();
    QTest::newRow("not confirmed") << "1234"
                                   << "9999" << false << QStringList();
}

void TestLogin::changeOfCodeRefusedOrAbandoned()
{
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(bool, confirm);
    QFETCH(QStringList, messages);
    TestDatabase db;
    exec(Db::param, "INSERT INTO FParam (MpUser) VALUES ('1234')");
    restart();
    LoginWindow login;
    login.show();
    QTest::keyClicks(login.codeEdit, typed);
    if (typed == QLatin1String("1234")) {
        db.dialogs.answerInput(answer);
        if (!answer.isEmpty())
            db.dialogs.answerYesNo(confirm);
    }
    QTest::mouseClick(login.changeCodeButton, Qt::LeftButton);
    QVERIFY(db.dialogs.allAnswersUsed());
    QCOMPARE(db.dialogs.messages(), messages);
    QCOMPARE(sharedValues().accessCode, QStringLiteral("1234"));
    QCOMPARE(readRows(Db::param, "SELECT MpUser FROM FParam"), (QList<QStringList>{{"1234"}}));
    QCOMPARE(readRows(Db::param, "SELECT Mp FROM FparamU"), (QList<QStringList>{{""}}));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
