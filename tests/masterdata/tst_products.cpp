#include "common/widgets.h"
#include "masterdata/productpage.h"
#include "masterdata/tableswindow.h"
#include "tablestest.h"
#include "testsupport.h"

#include <QLabel>

namespace {

void insertProduct(const QString &code, const QString &family, const QString &designation,
    const QString &purchase = QStringLiteral("0"))
{
    exec(Db::prod, "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,?,?,?,?,?,?,?)",
        {code, family, QStringLiteral("R") + code, designation, QStringLiteral("U"), QStringLiteral("0"), purchase,
            QStringLiteral("0"), QStringLiteral("0")});
}

QList<QStringList> products()
{
    return readRows(Db::prod, "SELECT Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg FROM fprod order by Codeprod");
}

} // namespace

class TestProducts : public QObject {
    Q_OBJECT
private slots:
    void savingWithoutCodeTakesNextCode_data();
    void savingWithoutCodeTakesNextCode();
    void saveChecks_data();
    void saveChecks();
    void designationMustBeUnique();
    void quotesAndAccentsStoredAsTyped();
    void refusedStatementLeavesListAndForm();
    void returnWalksTheFormAndSaves();
    void clickedLineLoadsForm();
    void newProductCode();
    void familiesProposedOnce();
    void proposalsFillTheForm();
    void deletionGuarded_data();
    void deletionGuarded();
    void deletionAnswers_data();
    void deletionAnswers();
    void deletionOfUnknownCode();
};

void TestProducts::savingWithoutCodeTakesNextCode_data()
{
    QTest::addColumn<QStringList>("existingCodes");
    QTest::addColumn<QString>("expectedCode");
    QTest::newRow("empty table") << QStringList() << "1";
    QTest::newRow("after the highest code") << QStringList{"3", "12", "7"} << "13";
}

void TestProducts::savingWithoutCodeTakesNextCode()
{
    QFETCH(QStringList, existingCodes);
    QFETCH(QString, expectedCode);
    TestDatabase db;
    for (const QString &code : existingCodes)
        insertProduct(code, QStringLiteral("FAM"), QStringLiteral("PRODUIT ") + code);
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    typeInto(page->familyEdit, QStringLiteral("visserie"));
    typeInto(page->designationEdit, QStringLiteral("vis 6 mm"));
    typeInto(page->quantityEdit, QStringLiteral("1500"));
    typeInto(page->purchasePriceEdit, QStringLiteral("0.45"));
    typeInto(page->retailPriceEdit, QStringLiteral("0,8"));
    typeInto(page->wholesalePriceEdit, QStringLiteral("0.7"));
    clickButton(page->validateButton);

    QCOMPARE(db.dialogs.messages(), QStringList());
    const QStringList stored{expectedCode, "VISSERIE", "", "VIS 6 MM", "", "150000", "45", "80", "70"};
    QVERIFY(products().contains(stored));
    const QStringList shown{expectedCode, "VISSERIE", "", "VIS 6 MM", "", "1 500.00", "0.45", "0.80", "0.70"};
    QCOMPARE(lineTexts(page->productsList, page->productsList->topLevelItemCount() - 1), shown);
    QCOMPARE(page->productsList->topLevelItemCount(), existingCodes.size() + 1);
    QCOMPARE(page->codeLabel->text(), QString());
    QCOMPARE(page->designationEdit->text(), QString());
}

void TestProducts::saveChecks_data()
{
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("purchase");
    QTest::addColumn<QString>("retail");
    QTest::addColumn<QString>("wholesale");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("storedAmounts");

    const QString noMessage;
    QTest::newRow("no designation") << ""
                                    << "1"
                                    << "2"
                                    << "3"
                                    << "4"
                                    << "Erreur|La désignation du produit est incorrecte !" << QStringList();
    QTest::newRow("quantity without purchase price") << "A"
                                                     << "5"
                                                     << ""
                                                     << "3"
                                                     << "4"
                                                     << "Erreur|Le prix d'achat est obligatoire !" << QStringList();
    QTest::newRow("no quantity, no purchase price") << "A"
                                                    << ""
                                                    << ""
                                                    << "3"
                                                    << "4" << noMessage << QStringList{"0", "0", "300", "400"};
    QTest::newRow("quantity 0 without purchase price") << "A"
                                                       << "0"
                                                       << ""
                                                       << "3"
                                                       << "4" << noMessage << QStringList{"0", "0", "300", "400"};
    QTest::newRow("retail unreadable, wholesale fine") << "A"
                                                       << "0"
                                                       << "1"
                                                       << "abc"
                                                       << "12" << noMessage << QStringList{"0", "100", "0", "1200"};
    QTest::newRow("wholesale unreadable, retail fine") << "A"
                                                       << "2"
                                                       << "1"
                                                       << "12,5"
                                                       << "x" << noMessage << QStringList{"200", "100", "1250", "0"};
    QTest::newRow("both sale prices unreadable") << "A"
                                                 << "0"
                                                 << "1"
                                                 << "abc"
                                                 << "1.2.3"
                                                 << "Erreur|Prix de vente incorrect !" << QStringList();
    QTest::newRow("no sale prices") << "A"
                                    << "0"
                                    << "1"
                                    << ""
                                    << "" << noMessage << QStringList{"0", "100", "0", "0"};
    QTest::newRow("thousands with blanks")
        << "A"
        << "1 250"
        << "1 000.5"
        << "2 000"
        << "1 800" << noMessage << QStringList{"125000", "100050", "200000", "180000"};
}

void TestProducts::saveChecks()
{
    QFETCH(QString, designation);
    QFETCH(QString, quantity);
    QFETCH(QString, purchase);
    QFETCH(QString, retail);
    QFETCH(QString, wholesale);
    QFETCH(QString, message);
    QFETCH(QStringList, storedAmounts);
    TestDatabase db;
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    typeInto(page->designationEdit, designation);
    typeInto(page->quantityEdit, quantity);
    typeInto(page->purchasePriceEdit, purchase);
    typeInto(page->retailPriceEdit, retail);
    typeInto(page->wholesalePriceEdit, wholesale);
    clickButton(page->validateButton);

    if (!message.isEmpty()) {
        QCOMPARE(db.dialogs.messages(), QStringList{message});
        QCOMPARE(products(), QList<QStringList>());
        QCOMPARE(page->productsList->topLevelItemCount(), 0);
        QCOMPARE(page->designationEdit->text(), designation);
        return;
    }
    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(products().size(), 1);
    QCOMPARE(products().first().mid(5), storedAmounts);
    QCOMPARE(page->productsList->topLevelItemCount(), 1);
}

void TestProducts::designationMustBeUnique()
{
    TestDatabase db;
    insertProduct(QStringLiteral("1"), QStringLiteral("VIS"), QStringLiteral("VIS 6 MM"));
    insertProduct(QStringLiteral("2"), QStringLiteral("VIS"), QStringLiteral("VIS 8 MM"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    // A new product under the designation of product 1.
    typeInto(page->designationEdit, QStringLiteral("VIS 6 MM"));
    clickButton(page->validateButton);
    QCOMPARE(db.dialogs.messages(),
        QStringList{"Erreur|Ce nom de produit existe sous un code différent. La désignation du produit doit "
                    "être unique non répétitive !"});
    QCOMPARE(products().size(), 2);

    // Product 2 renamed after product 1: refused as well.
    db.dialogs.clear();
    clickLine(page->productsList, findListRow(page->productsList, 0, QStringLiteral("2")));
    typeInto(page->designationEdit, QStringLiteral("VIS 6 MM"));
    clickButton(page->validateButton);
    QCOMPARE(db.dialogs.messages().size(), 1);
    QCOMPARE(products()[1][3], QStringLiteral("VIS 8 MM"));

    // Product 1 saved again under its own designation.
    db.dialogs.clear();
    clickLine(page->productsList, findListRow(page->productsList, 0, QStringLiteral("1")));
    typeInto(page->wholesalePriceEdit, QStringLiteral("3.5"));
    clickButton(page->validateButton);
    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(products()[0], (QStringList{"1", "VIS", "R1", "VIS 6 MM", "U", "0", "0", "0", "350"}));
    QCOMPARE(page->productsList->topLevelItemCount(), 2);
    QCOMPARE(lineTexts(page->productsList, 0),
        (QStringList{"1", "VIS", "R1", "VIS 6 MM", "U", "0.00", "0.00", "0.00", "3.50"}));
}

void TestProducts::quotesAndAccentsStoredAsTyped()
{
    TestDatabase db;
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    typeInto(page->familyEdit, QStringLiteral("électricité"));
    typeInto(page->referenceEdit, QStringLiteral("R\"2'"));
    typeInto(page->designationEdit, QStringLiteral("câble 2\" l'éclair; drop table fprod"));
    typeInto(page->unitEdit, QStringLiteral("m²"));
    clickButton(page->validateButton);

    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(products(),
        (QList<QStringList>{
            {"1", "ÉLECTRICITÉ", "R\"2'", "CÂBLE 2\" L'ÉCLAIR; DROP TABLE FPROD", "M²", "0", "0", "0", "0"}}));
}

void TestProducts::refusedStatementLeavesListAndForm()
{
    TestDatabase db;
    exec(Db::prod, "CREATE TRIGGER refuse BEFORE INSERT ON fprod BEGIN SELECT RAISE(ABORT, 'disque plein'); END");
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    typeInto(page->designationEdit, QStringLiteral("VIS"));
    clickButton(page->validateButton);

    QCOMPARE(db.dialogs.shown.size(), 1);
    QCOMPARE(db.dialogs.shown[0].title, QStringLiteral("Erreur"));
    QCOMPARE(page->productsList->topLevelItemCount(), 0);
    QCOMPARE(page->designationEdit->text(), QStringLiteral("VIS"));
}

void TestProducts::returnWalksTheFormAndSaves()
{
    TestDatabase db;
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    const QList<QLineEdit *> chain{page->familyEdit, page->referenceEdit, page->designationEdit, page->unitEdit,
        page->quantityEdit, page->purchasePriceEdit, page->retailPriceEdit, page->wholesalePriceEdit};
    const QStringList typed{"fam", "ref", "des", "kg", "2", "3", "4", "5"};
    page->familyEdit->setFocus();
    for (int i = 0; i < chain.size(); ++i) {
        QVERIFY2(chain[i]->hasFocus(), qPrintable(chain[i]->objectName()));
        QTest::keyClicks(chain[i], typed[i]);
        pressReturn(chain[i]);
    }
    QCOMPARE(products(), (QList<QStringList>{{"1", "FAM", "REF", "DES", "KG", "200", "300", "400", "500"}}));

    // Return in a control outside the chain does nothing.
    pressReturn(page->productsList);
    QCOMPARE(products().size(), 1);
    QCOMPARE(db.dialogs.shown.size(), 0);
}

void TestProducts::clickedLineLoadsForm()
{
    TestDatabase db;
    exec(Db::prod,
        "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (4,'B','R4','BETA','L',"
        "150000,1250,99,100000)");
    insertProduct(QStringLiteral("9"), QStringLiteral("A"), QStringLiteral("ALPHA"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    // Ordered by family then designation.
    QCOMPARE(lineTexts(page->productsList, 0)[0], QStringLiteral("9"));
    clickLine(page->productsList, 1);

    QCOMPARE(page->codeLabel->text(), QStringLiteral("4"));
    const QStringList form{page->familyEdit->text(), page->referenceEdit->text(), page->designationEdit->text(),
        page->unitEdit->text(), page->quantityEdit->text(), page->purchasePriceEdit->text(),
        page->retailPriceEdit->text(), page->wholesalePriceEdit->text()};
    QCOMPARE(form, (QStringList{"B", "R4", "BETA", "L", "1 500.00", "12.50", "0.99", "1 000.00"}));
    QVERIFY(page->quantityEdit->hasFocus());

    // Saved back unchanged, the display texts give the same hundredths.
    clickButton(page->validateButton);
    QCOMPARE(products()[0], (QStringList{"4", "B", "R4", "BETA", "L", "150000", "1250", "99", "100000"}));
    QCOMPARE(page->productsList->topLevelItemCount(), 2);
}

void TestProducts::newProductCode()
{
    TestDatabase db;
    insertProduct(QStringLiteral("41"), QStringLiteral("A"), QStringLiteral("ALPHA"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;
    typeInto(page->familyEdit, QStringLiteral("A"));
    QCOMPARE(page->searchList->topLevelItemCount(), 1);

    clickButton(page->newProductButton);

    QCOMPARE(page->codeLabel->text(), QStringLiteral("42"));
    QCOMPARE(page->familyEdit->text(), QString());
    QCOMPARE(page->searchList->topLevelItemCount(), 0);
    QVERIFY(page->familyEdit->hasFocus());
    QCOMPARE(products().size(), 1);
}

void TestProducts::familiesProposedOnce()
{
    TestDatabase db;
    insertProduct(QStringLiteral("1"), QStringLiteral("COLLE"), QStringLiteral("P1"));
    insertProduct(QStringLiteral("2"), QStringLiteral("CABLE"), QStringLiteral("P2"));
    insertProduct(QStringLiteral("3"), QStringLiteral("CADRE"), QStringLiteral("P3"));
    insertProduct(QStringLiteral("4"), QStringLiteral("CABLE"), QStringLiteral("P4"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    QTest::keyClicks(page->familyEdit, QStringLiteral("ca"));
    QCOMPARE(proposals(page->searchList), (QStringList{"CABLE", "CADRE"}));
    QCOMPARE(page->searchList->topLevelItem(0)->text(0), QString());

    QTest::keyClick(page->familyEdit, Qt::Key_B);
    QCOMPARE(proposals(page->searchList), QStringList{"CABLE"});

    clickLine(page->searchList, 0);
    QCOMPARE(page->familyEdit->text(), QStringLiteral("CABLE"));
    QCOMPARE(page->searchList->topLevelItemCount(), 0);
    QVERIFY(page->referenceEdit->hasFocus());

    // References are proposed once each as well.
    QTest::keyClicks(page->referenceEdit, QStringLiteral("r"));
    QCOMPARE(proposals(page->searchList), (QStringList{"R1", "R2", "R3", "R4"}));
    clickLine(page->searchList, 2);
    QCOMPARE(page->referenceEdit->text(), QStringLiteral("R3"));
    QVERIFY(page->designationEdit->hasFocus());
}

void TestProducts::proposalsFillTheForm()
{
    TestDatabase db;
    exec(Db::prod,
        "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (7,'PEINTURE','P-20',"
        "'Peinture blanche','L',500,1000,2000,1800)");
    insertProduct(QStringLiteral("8"), QStringLiteral("PEINTURE"), QStringLiteral("PINCEAU"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;
    clickButton(page->newProductButton);

    QTest::keyClicks(page->designationEdit, QStringLiteral("pe"));
    QCOMPARE(proposals(page->searchList), QStringList{"PEINTURE BLANCHE"});
    QTest::keyClick(page->designationEdit, Qt::Key_Backspace);
    // In the order the engine sorts the stored designations, shown in capitals.
    QCOMPARE(proposals(page->searchList), (QStringList{"PINCEAU", "PEINTURE BLANCHE"}));
    // An emptied field leaves the proposals alone.
    QTest::keyClick(page->designationEdit, Qt::Key_Backspace);
    QCOMPARE(page->searchList->topLevelItemCount(), 2);

    clickLine(page->searchList, 0);
    QCOMPARE(page->designationEdit->text(), QStringLiteral("PINCEAU"));
    QCOMPARE(page->familyEdit->text(), QStringLiteral("PEINTURE"));
    QCOMPARE(page->referenceEdit->text(), QStringLiteral("R8"));
    QCOMPARE(page->unitEdit->text(), QStringLiteral("U"));
    QCOMPARE(page->codeLabel->text(), QStringLiteral("9"));
    QCOMPARE(page->quantityEdit->text(), QString());
    QCOMPARE(page->searchList->topLevelItemCount(), 0);
    QVERIFY(page->unitEdit->hasFocus());
}

void TestProducts::deletionGuarded_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("message");

    QTest::newRow("reception") << int(Db::br) << "insert into fbr (Numdoc,CodeProd) values (42,5)"
                               << "Produit utilisé|Ce produit est utilisé au niveau des réceptions. Impossible de le "
                                  "supprimer de la table. Voir bon de réception N°: 42";
    QTest::newRow("delivery") << int(Db::bl) << "insert into fbl (Numdoc,CodeProd) values (17,5)"
                              << "Produit utilisé|Ce produit est utilisé au niveau des livraisons. Impossible de le "
                                 "supprimer de la table. Voir bon de livraison N°: 17";
    QTest::newRow("invoice") << int(Db::facv) << "insert into facv (Numdoc,CodeProd,statut) values (8,5,0)"
                             << "Produit utilisé|Ce produit est utilisé au niveau des factures. Impossible de le "
                                "supprimer de la table. Voir facture N°: 8";
    QTest::newRow("regularisation") << int(Db::brs) << "insert into fbrs (Numdoc,CodeProd) values (3,5)"
                                    << "Produit utilisé|Ce produit est utilisé au niveau des BRS. Impossible de le "
                                       "supprimer de la table. Voir BRS N°: 3";
}

void TestProducts::deletionGuarded()
{
    QFETCH(int, connection);
    QFETCH(QString, insert);
    QFETCH(QString, message);
    TestDatabase db;
    insertProduct(QStringLiteral("5"), QStringLiteral("A"), QStringLiteral("ALPHA"));
    exec(Db::Connection(connection), insert.toUtf8().constData());
    // Another product's documents do not count.
    exec(Db::bl, "insert into fbl (Numdoc,CodeProd) values (99,6)");
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    clickLine(page->productsList, 0);
    clickButton(page->deleteButton);

    QCOMPARE(db.dialogs.messages(), QStringList{message});
    QCOMPARE(products().size(), 1);
    QCOMPARE(page->productsList->topLevelItemCount(), 1);
}

void TestProducts::deletionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << int(Dialogs::Answer::Yes) << true;
    QTest::newRow("no") << int(Dialogs::Answer::No) << false;
    QTest::newRow("cancel") << int(Dialogs::Answer::Cancel) << false;
}

void TestProducts::deletionAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    TestDatabase db;
    insertProduct(QStringLiteral("5"), QStringLiteral("A"), QStringLiteral("ALPHA"));
    insertProduct(QStringLiteral("6"), QStringLiteral("B"), QStringLiteral("BETA"));
    // Proforma invoices do not keep a product.
    exec(Db::facp, "insert into facp (Numdoc,CodeProd) values (12,5)");
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    clickLine(page->productsList, 0);
    db.dialogs.answerYesNoCancel(Dialogs::Answer(answer));
    clickButton(page->deleteButton);

    QCOMPARE(db.dialogs.shown.size(), 1);
    QCOMPARE(db.dialogs.shown[0].title, QStringLiteral("Suppression d'un produit"));
    QCOMPARE(db.dialogs.shown[0].text, QStringLiteral("Etes-vous sûr de vouloir supprimer ce produit?"));
    QCOMPARE(products().size(), deleted ? 1 : 2);
    QCOMPARE(page->productsList->topLevelItemCount(), deleted ? 1 : 2);
    QCOMPARE(lineTexts(page->productsList, 0)[0], deleted ? QStringLiteral("6") : QStringLiteral("5"));
    QCOMPARE(page->codeLabel->text(), deleted ? QString() : QStringLiteral("5"));
}

void TestProducts::deletionOfUnknownCode()
{
    TestDatabase db;
    insertProduct(QStringLiteral("5"), QStringLiteral("A"), QStringLiteral("ALPHA"));
    TablesWindow window;
    openWindow(window, TablesWindow::Products);
    ProductPage *page = window.productPage;

    clickButton(page->deleteButton);
    QCOMPARE(db.dialogs.messages(), QStringList{"Erreur|Code produit incorrect ! "});

    // Deleted elsewhere after the list was filled.
    db.dialogs.clear();
    exec(Db::prod, "delete from fprod");
    clickLine(page->productsList, 0);
    clickButton(page->deleteButton);
    QCOMPARE(
        db.dialogs.messages(), QStringList{"Erreur inattendue|Code produit introuvable dans la table des produits!"});
}

QTEST_MAIN(TestProducts)
#include "tst_products.moc"
