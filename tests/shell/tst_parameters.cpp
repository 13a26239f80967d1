#include "common/conversions.h"
#include "common/sharedvalues.h"
#include "shell/parameterswindow.h"
#include "storage/database.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void typeInto(QLineEdit *field, const QString &text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace

class TestParameters : public QObject {
    Q_OBJECT
private slots:
    void init() { sharedValues() = SharedValues{}; }
    void emptyTableShowsDefaults();
    void showsStoredRow();
    void saveStoresConvertedValues_data();
    void saveStoresConvertedValues();
    void emptyCodeRefusedAndNothingChanged();
    void failedInsertKeepsTheRow();
    void unknownModeLeavesListWithoutChoice();
};

void TestParameters::emptyTableShowsDefaults()
{
    TestDatabase db;
    ParametersWindow window;
    window.showParameters();
    QCOMPARE(window.oldCodeEdit->text(), QStringLiteral("907381"));
    QCOMPARE(window.oldCodeEdit->echoMode(), QLineEdit::Password);
    QVERIFY(window.oldCodeEdit->isReadOnly());
    QCOMPARE(window.newRateEdit->text(), QStringLiteral("19"));
    QCOMPARE(window.receptionModeBox->currentText(), QStringLiteral("A TERME"));
    QCOMPARE(window.invoiceModeBox->currentText(), QStringLiteral("A TERME"));
    QCOMPARE(window.cashEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(window.bankEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(sharedValues().accessCode, QStringLiteral("907381"));
    QCOMPARE(window.size(), QSize(800, 400));
}

void TestParameters::showsStoredRow()
{
    TestDatabase db;
    exec(Db::param, "INSERT INTO FParam VALUES ('abc', '7', 'ESPECE', 'VIREMENT BANCAIRE', '150000', '-2550')");
    ParametersWindow window;
    window.showParameters();
    QCOMPARE(window.newCodeEdit->text(), QStringLiteral("abc"));
    QCOMPARE(window.oldRateEdit->text(), QStringLiteral("7"));
    QCOMPARE(window.receptionModeBox->currentText(), QStringLiteral("ESPECE"));
    QCOMPARE(window.invoiceModeBox->currentText(), QStringLiteral("VIREMENT BANCAIRE"));
    QCOMPARE(window.cashEdit->text(), QStringLiteral("1 500.00"));
    QCOMPARE(window.bankEdit->text(), QStringLiteral("-25.50"));
    QCOMPARE(sharedValues().initialCashBalance, QStringLiteral("150000"));
    QCOMPARE(sharedValues().vatRate, QStringLiteral("7"));
}

void TestParameters::saveStoresConvertedValues_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("plain") << "19"
                           << "1500"
                           << "2 500,5" << QStringList{"NEW", "19", "CHEQUE", "A TERME", "150000", "250050"};
    QTest::newRow("unacceptable texts become 0") << "abc"
                                                 << "12a"
                                                 << "" << QStringList{"NEW", "0", "CHEQUE", "A TERME", "0", "0"};
}

void TestParameters::saveStoresConvertedValues()
{
    QFETCH(QString, rate);
    QFETCH(QString, cash);
    QFETCH(QString, bank);
    QFETCH(QStringList, stored);
    TestDatabase db;
    exec(Db::param, "INSERT INTO FParam VALUES ('old', '19', 'A TERME', 'A TERME', '0', '0')");
    ParametersWindow window;
    window.show();
    window.showParameters();
    typeInto(window.newCodeEdit, QStringLiteral("NEW"));
    typeInto(window.newRateEdit, rate);
    typeInto(window.cashEdit, cash);
    typeInto(window.bankEdit, bank);
    window.receptionModeBox->setCurrentIndex(window.receptionModeBox->findText(QStringLiteral("CHEQUE")));
    QTest::mouseClick(window.saveButton, Qt::LeftButton);

    QCOMPARE(db.dialogs.messages(), QStringList{QStringLiteral("Confirmation|Paramètres enregistrés ! ")});
    QCOMPARE(readRows(Db::param, "SELECT * FROM FParam"), QList<QStringList>{stored});
    QVERIFY(!window.isVisible());
    QCOMPARE(sharedValues().accessCode, QStringLiteral("NEW"));
    QCOMPARE(sharedValues().initialCashBalance, stored[4]);
    QCOMPARE(sharedValues().initialBankBalance, stored[5]);

    ParametersWindow next;
    next.showParameters();
    QCOMPARE(next.cashEdit->text(), formatAmount(stored[4]));
}

void TestParameters::emptyCodeRefusedAndNothingChanged()
{
    TestDatabase db;
    exec(Db::param, "INSERT INTO FParam VALUES ('old', '19', 'A TERME', 'A TERME', '100', '200')");
    ParametersWindow window;
    window.show();
    window.showParameters();
    window.newCodeEdit->clear();
    typeInto(window.cashEdit, QStringLiteral("999"));
    typeInto(window.newRateEdit, QStringLiteral("7"));
    QTest::mouseClick(window.saveButton, Qt::LeftButton);
    QCOMPARE(db.dialogs.messages(), QStringList{QStringLiteral("Erreur|Vous devez saisir un mot de passe ! ")});
    QVERIFY(window.isVisible());
    QCOMPARE(sharedValues().accessCode, QStringLiteral("old"));
    QCOMPARE(sharedValues().vatRate, QStringLiteral("19"));
    QCOMPARE(sharedValues().initialCashBalance, QStringLiteral("100"));
    QCOMPARE(readRows(Db::param, "SELECT * FROM FParam").size(), 1);
}

void TestParameters::failedInsertKeepsTheRow()
{
    TestDatabase db;
    exec(Db::param, "INSERT INTO FParam VALUES ('old', '19', 'A TERME', 'A TERME', '100', '200')");
    // A trigger stands in for any failure of the insert.
    exec(Db::param, "CREATE TRIGGER refuse BEFORE INSERT ON FParam BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    ParametersWindow window;
    window.show();
    window.showParameters();
    typeInto(window.newCodeEdit, QStringLiteral("NEW"));
    QTest::mouseClick(window.saveButton, Qt::LeftButton);
    QCOMPARE(db.dialogs.shown.size(), 1);
    QCOMPARE(db.dialogs.shown[0].title, QStringLiteral("Erreur"));
    QVERIFY(db.dialogs.shown[0].text.startsWith(QStringLiteral("disk full    Db=20 query$= Insert into fparam")));
    QCOMPARE(readRows(Db::param, "SELECT MpUser, Sic FROM FParam"), (QList<QStringList>{{"old", "100"}}));
    QCOMPARE(sharedValues().accessCode, QStringLiteral("old"));
    QVERIFY(window.isVisible());
}

void TestParameters::unknownModeLeavesListWithoutChoice()
{
    TestDatabase db;
    exec(Db::param, "INSERT INTO FParam VALUES ('c', '19', 'TRAITE', 'ESPECE', '0', '0')");
    ParametersWindow window;
    window.show();
    window.showParameters();
    QCOMPARE(window.receptionModeBox->currentIndex(), -1);
    QTest::mouseClick(window.saveButton, Qt::LeftButton);
    QCOMPARE(readRows(Db::param, "SELECT ModepBr, ModepFac FROM FParam"), (QList<QStringList>{{"A TERME", "ESPECE"}}));
}

QTEST_MAIN(TestParameters)
#include "tst_parameters.moc"
