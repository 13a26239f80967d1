#include "common/widgets.h"
#include "masterdata/partnerpage.h"
#include "masterdata/tableswindow.h"
#include "tablestest.h"
#include "testsupport.h"

#include <QLabel>

namespace {

enum Side : int { Clients, Suppliers };

PartnerPage *pageOf(TablesWindow &window, int side)
{
    return side == Clients ? window.clientPage : window.supplierPage;
}

void insertPartner(int side, const QString &code, const QString &name, const QString &balance = QStringLiteral("0"))
{
    const QStringList values{code, name, QStringLiteral("RUE ") + code, QStringLiteral("71"), "RC" + code, "MF" + code,
        "ART" + code, "NIS" + code, balance};
    if (side == Clients)
        exec(Db::client, "insert into fclient values (?,?,?,?,?,?,?,?,?)",
            {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7], values[8]});
    else
        exec(Db::four, "insert into ffour values (?,?,?,?,?,?,?,?,?)",
            {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7], values[8]});
}

QList<QStringList> partners(int side)
{
    if (side == Clients)
        return readRows(Db::client, "SELECT * FROM fclient order by Codeclient");
    return readRows(Db::four, "SELECT * FROM ffour order by Codefour");
}

QStringList formTexts(const PartnerPage *page)
{
    return {page->codeLabel->text(), page->nameEdit->text(), page->addressEdit->text(), page->telephoneEdit->text(),
        page->tradeRegisterEdit->text(), page->taxNumberEdit->text(), page->articleEdit->text(), page->nisEdit->text(),
        page->initialBalanceEdit->text()};
}

void addSides()
{
    QTest::addColumn<int>("side");
}

} // namespace

class TestPartners : public QObject {
    Q_OBJECT
private slots:
    void newCodeThenSaveThroughReturn_data() { bothSides(); }
    void newCodeThenSaveThroughReturn();
    void saveRefusals_data() { bothSides(); }
    void saveRefusals();
    void updateReplacesListLine_data() { bothSides(); }
    void updateReplacesListLine();
    void recordMissingFromListIsAdded_data() { bothSides(); }
    void recordMissingFromListIsAdded();
    void sameNameAccepted_data() { bothSides(); }
    void sameNameAccepted();
    void returnInNameFindsTheRecord_data() { bothSides(); }
    void returnInNameFindsTheRecord();
    void namesProposedAsTyped_data() { bothSides(); }
    void namesProposedAsTyped();
    void proposalOfAnotherTabIgnored();
    void deletionGuarded_data();
    void deletionGuarded();
    void deletion_data() { bothSides(); }
    void deletion();
    void deletionWithoutRecord_data();
    void deletionWithoutRecord();

private:
    static void bothSides()
    {
        addSides();
        QTest::newRow("clients") << int(Clients);
        QTest::newRow("suppliers") << int(Suppliers);
    }
};

void TestPartners::newCodeThenSaveThroughReturn()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("6"), QStringLiteral("ZETA"));
    TablesWindow window;
    openWindow(window, side == Clients ? TablesWindow::Clients : TablesWindow::Suppliers);
    PartnerPage *page = pageOf(window, side);
    QCOMPARE(
        page->newButton->text(), side == Clients ? QStringLiteral("Nouveau client") : QStringLiteral("Nouveau four"));

    clickButton(page->newButton);
    QCOMPARE(page->codeLabel->text(), QStringLiteral("7"));
    QVERIFY(page->nameEdit->hasFocus());

    const QList<QLineEdit *> chain{page->nameEdit, page->addressEdit, page->telephoneEdit, page->tradeRegisterEdit,
        page->taxNumberEdit, page->articleEdit, page->nisEdit, page->initialBalanceEdit};
    const QStringList typed{"société l'\"étoile\"", "rue de tunis", "71 000 000", "b123", "mf9", "a1", "n2", "2500"};
    for (int i = 0; i < chain.size(); ++i) {
        QVERIFY2(chain[i]->hasFocus(), qPrintable(chain[i]->objectName()));
        typeText(chain[i], typed[i]);
        pressReturn(chain[i]);
    }

    QCOMPARE(db.dialogs.messages(), QStringList());
    const QStringList stored{
        "7", "SOCIÉTÉ L'\"ÉTOILE\"", "RUE DE TUNIS", "71 000 000", "b123", "mf9", "a1", "n2", "250000"};
    QCOMPARE(partners(side).last(), stored);
    QCOMPARE(page->recordsList->topLevelItemCount(), 2);
    QCOMPARE(lineTexts(page->recordsList, 1).last(), QStringLiteral("2 500.00"));
    QCOMPARE(formTexts(page), QStringList(9));
}

void TestPartners::saveRefusals()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("0"), QStringLiteral("SANS CODE"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);
    const QString badCode = "Erreur|Code interne incorrect ! Utilisez le bouton (NOUVEAU) pour générer "
                            "automatiquement un nouveau code !";

    // No code is made at save time.
    typeInto(page->nameEdit, QStringLiteral("NOUVEAU"));
    clickButton(page->validateButton);
    QCOMPARE(db.dialogs.messages(), QStringList{badCode});
    QCOMPARE(page->codeLabel->text(), QString());

    db.dialogs.clear();
    clickLine(page->recordsList, 0);
    pressReturn(page->initialBalanceEdit);
    QCOMPARE(db.dialogs.messages(), QStringList{badCode});

    db.dialogs.clear();
    clickButton(page->newButton);
    clickButton(page->validateButton);
    QCOMPARE(db.dialogs.messages(), QStringList{"Erreur|Nom ou Raison sociale incorrecte !"});

    QCOMPARE(partners(side).size(), 1);
    QCOMPARE(page->recordsList->topLevelItemCount(), 1);
}

void TestPartners::updateReplacesListLine()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("3"), QStringLiteral("BETA"), QStringLiteral("-12550"));
    insertPartner(side, QStringLiteral("2"), QStringLiteral("ALPHA"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);
    QCOMPARE(lineTexts(page->recordsList, 0)[0], QStringLiteral("2"));

    clickLine(page->recordsList, 1);
    QCOMPARE(formTexts(page), (QStringList{"3", "BETA", "RUE 3", "71", "RC3", "MF3", "ART3", "NIS3", "- 125.50"}));
    QVERIFY(page->addressEdit->hasFocus());

    typeInto(page->addressEdit, QStringLiteral("sfax"));
    typeInto(page->initialBalanceEdit, QStringLiteral("1 000,5"));
    clickButton(page->validateButton);

    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(partners(side).last(), (QStringList{"3", "BETA", "SFAX", "71", "RC3", "MF3", "ART3", "NIS3", "100050"}));
    QCOMPARE(page->recordsList->topLevelItemCount(), 2);
    QCOMPARE(lineTexts(page->recordsList, 1),
        (QStringList{"3", "BETA", "SFAX", "71", "RC3", "MF3", "ART3", "NIS3", "1 000.50"}));
    QCOMPARE(page->recordsList->topLevelItem(1)->textAlignment(8), int(Qt::AlignRight | Qt::AlignVCenter));
}

void TestPartners::recordMissingFromListIsAdded()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("1"), QStringLiteral("ANCIEN"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);
    // Created by a document screen while the list was already filled.
    insertPartner(side, QStringLiteral("2"), QStringLiteral("NOUVEAU"), QStringLiteral("700"));

    typeText(page->nameEdit, QStringLiteral("nouveau"));
    pressReturn(page->nameEdit);
    QCOMPARE(page->codeLabel->text(), QStringLiteral("2"));
    typeInto(page->initialBalanceEdit, QStringLiteral("abc"));
    pressReturn(page->initialBalanceEdit);

    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(partners(side).size(), 2);
    // An initial balance that is not a number is stored as 0.
    QCOMPARE(partners(side)[1], (QStringList{"2", "NOUVEAU", "RUE 2", "71", "RC2", "MF2", "ART2", "NIS2", "0"}));
    QCOMPARE(page->recordsList->topLevelItemCount(), 2);
    QCOMPARE(lineTexts(page->recordsList, 1),
        (QStringList{"2", "NOUVEAU", "RUE 2", "71", "RC2", "MF2", "ART2", "NIS2", "0.00"}));
}

void TestPartners::sameNameAccepted()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("1"), QStringLiteral("DUPONT"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);

    clickButton(page->newButton);
    typeText(page->nameEdit, QStringLiteral("DUPONT"));
    clickButton(page->validateButton);

    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(partners(side).size(), 2);
    page->findPartnerByName(QStringLiteral("DUPONT"));
    QVERIFY(page->codeLabel->text() == "1" || page->codeLabel->text() == "2");
}

void TestPartners::returnInNameFindsTheRecord()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("4"), QStringLiteral("MARTIN"), QStringLiteral("99"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);

    typeText(page->nameEdit, QStringLiteral("martin"));
    pressReturn(page->nameEdit);
    QCOMPARE(formTexts(page), (QStringList{"4", "MARTIN", "RUE 4", "71", "RC4", "MF4", "ART4", "NIS4", "0.99"}));
    QVERIFY(page->addressEdit->hasFocus());

    // An unknown name leaves the form as it is, its code included.
    typeInto(page->nameEdit, QStringLiteral("INCONNU"));
    pressReturn(page->nameEdit);
    QCOMPARE(page->codeLabel->text(), QStringLiteral("4"));
    QCOMPARE(page->addressEdit->text(), QStringLiteral("RUE 4"));
}

void TestPartners::namesProposedAsTyped()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("1"), QStringLiteral("Ali"), QStringLiteral("500"));
    insertPartner(side, QStringLiteral("2"), QStringLiteral("ALI"));
    insertPartner(side, QStringLiteral("3"), QStringLiteral("ALBERT"));
    insertPartner(side, QStringLiteral("4"), QStringLiteral("BALI"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);
    clickLine(page->recordsList, 3);

    typeInto(page->nameEdit, QStringLiteral("al"));
    QCOMPARE(proposals(page->searchList), (QStringList{"ALBERT", "ALI", "ALI"}));

    clickLine(page->searchList, 0);
    QCOMPARE(formTexts(page), (QStringList{"3", "ALBERT", "RUE 3", "71", "RC3", "MF3", "ART3", "NIS3", "0.00"}));
    QCOMPARE(page->searchList->topLevelItemCount(), 0);
    QVERIFY(page->addressEdit->hasFocus());

    // The proposal made from "Ali" is looked up in capitals and finds the record "ALI".
    typeInto(page->nameEdit, QStringLiteral("ali"));
    QCOMPARE(page->searchList->topLevelItemCount(), 2);
    clickLine(page->searchList, 1);
    QCOMPARE(formTexts(page), (QStringList{"2", "ALI", "RUE 2", "71", "RC2", "MF2", "ART2", "NIS2", "0.00"}));
}

void TestPartners::proposalOfAnotherTabIgnored()
{
    TestDatabase db;
    insertPartner(Clients, QStringLiteral("1"), QStringLiteral("ALI"));
    insertPartner(Suppliers, QStringLiteral("1"), QStringLiteral("ALFA"));
    TablesWindow window;
    openWindow(window, TablesWindow::Clients);

    QTest::keyClicks(window.clientPage->nameEdit, QStringLiteral("A"));
    QTest::keyClicks(window.supplierPage->nameEdit, QStringLiteral("A"));
    // The search mode is now the suppliers': the clients' proposals wait for their own typing.
    clickLine(window.clientPage->searchList, 0);
    QCOMPARE(window.clientPage->codeLabel->text(), QString());
    QCOMPARE(window.clientPage->searchList->topLevelItemCount(), 1);

    clickLine(window.supplierPage->searchList, 0);
    QCOMPARE(window.supplierPage->codeLabel->text(), QStringLiteral("1"));
}

void TestPartners::deletionGuarded_data()
{
    addSides();
    QTest::addColumn<int>("connection");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("message");

    const QString client = "client utilisé|Ce client est utilisé au niveau des ";
    QTest::newRow("client delivery") << int(Clients) << int(Db::bl)
                                     << "insert into fbl (Numdoc,Codeclient) values (31,5)"
                                     << client
            + "livraisons. Impossible de le supprimer de la table. Voir bon de "
              "livraison N°: 31";
    QTest::newRow("client invoice") << int(Clients) << int(Db::facv)
                                    << "insert into facv (Numdoc,Codeclient,CodeProd) values (32,5,9999)"
                                    << client
            + "factures. Impossible de le supprimer de la table. Voir facture "
              "vente N°: 32";
    QTest::newRow("client proforma only")
        << int(Clients) << int(Db::facp) << "insert into facp (Numdoc,Codeclient) values (12,5)"
        << client + "factures. Impossible de le supprimer de la table. Voir facture proforma N°: 12";
    QTest::newRow("client payment") << int(Clients) << int(Db::verclient)
                                    << "insert into fverclient (Numdoc,CodeClient) values (33,5)"
                                    << client
            + "versements. Impossible de le supprimer de la table. Voir bon de versement reçu N°: 33";

    const QString supplier = "Four utilisé|Ce fournisseur est utilisé au niveau des ";
    QTest::newRow("supplier reception") << int(Suppliers) << int(Db::br)
                                        << "insert into fbr (Numdoc,CodeFour) values (34,5)"
                                        << supplier
            + "réceptions. Impossible de le supprimer de la table. Voir bon de réception N°: 34";
    QTest::newRow("supplier payment") << int(Suppliers) << int(Db::verFour)
                                      << "insert into fverfour (Numdoc,Codefour) values (35,5)"
                                      << supplier
            + "versements. Impossible de le supprimer de la table. Voir bon de versement reçu N°: 35";
}

void TestPartners::deletionGuarded()
{
    QFETCH(int, side);
    QFETCH(int, connection);
    QFETCH(QString, insert);
    QFETCH(QString, message);
    TestDatabase db;
    insertPartner(side, QStringLiteral("5"), QStringLiteral("UTILISE"));
    exec(Db::Connection(connection), insert.toUtf8().constData());
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);

    clickLine(page->recordsList, 0);
    clickButton(page->deleteButton);

    QCOMPARE(db.dialogs.messages(), QStringList{message});
    QCOMPARE(partners(side).size(), 1);
    QCOMPARE(page->recordsList->topLevelItemCount(), 1);
}

void TestPartners::deletion()
{
    QFETCH(int, side);
    TestDatabase db;
    insertPartner(side, QStringLiteral("5"), QStringLiteral("LIBRE"));
    insertPartner(side, QStringLiteral("6"), QStringLiteral("MOBILE"));
    // Documents of another code do not keep this one.
    exec(Db::br, "insert into fbr (Numdoc,CodeFour) values (1,6)");
    exec(Db::bl, "insert into fbl (Numdoc,Codeclient) values (1,6)");
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);
    const QString question = side == Clients ? QStringLiteral("Etes-vous sûr de vouloir supprimer ce client ?")
                                             : QStringLiteral("Etes-vous sûr de vouloir supprimer ce fournisseur ?");

    clickLine(page->recordsList, 0);
    db.dialogs.answerYesNoCancel(Dialogs::Answer::No);
    clickButton(page->deleteButton);
    QCOMPARE(partners(side).size(), 2);
    QCOMPARE(page->codeLabel->text(), QStringLiteral("5"));

    db.dialogs.answerYesNoCancel(Dialogs::Answer::Yes);
    clickButton(page->deleteButton);
    QCOMPARE(db.dialogs.shown.size(), 2);
    QCOMPARE(db.dialogs.shown[1].kind, QStringLiteral("yesnocancel"));
    QCOMPARE(db.dialogs.shown[1].title, QStringLiteral("Confirmation"));
    QCOMPARE(db.dialogs.shown[1].text, question);
    QCOMPARE(partners(side).size(), 1);
    QCOMPARE(partners(side)[0][0], QStringLiteral("6"));
    QCOMPARE(page->recordsList->topLevelItemCount(), 1);
    QCOMPARE(formTexts(page), QStringList(9));
}

void TestPartners::deletionWithoutRecord_data()
{
    addSides();
    QTest::addColumn<QString>("message");
    QTest::newRow("clients") << int(Clients) << "Erreur inattendue|Code client introuvable dans la table !";
    QTest::newRow("suppliers") << int(Suppliers) << "Erreur inattendue|Code fournisseur introuvable dans la table !";
}

void TestPartners::deletionWithoutRecord()
{
    QFETCH(int, side);
    QFETCH(QString, message);
    TestDatabase db;
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    PartnerPage *page = pageOf(window, side);

    clickButton(page->deleteButton);
    QCOMPARE(db.dialogs.messages(), QStringList{message});

    // A new code not saved yet is not in the table either.
    db.dialogs.clear();
    clickButton(page->newButton);
    clickButton(page->deleteButton);
    QCOMPARE(db.dialogs.messages(), QStringList{message});
}

QTEST_MAIN(TestPartners)
#include "tst_partners.moc"
