#include "common/conversions.h"
#include "common/returnkeys.h"
#include "stock/numberlists.h"
#include "stock/receptionpage.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

const QString badNumber = QStringLiteral(
    "Erreur|N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer automatiquement un nouveau N° !");

// The reception tab on a fresh Data folder, shown so that the focus moves as for a user.
struct Tab {
    TestDatabase db;
    StockValues values;
    std::unique_ptr<ReceptionPage> page;
    ReturnKeys keys;

    // Fixture rows go in before open(), which fills the number list as the window does.
    void open()
    {
        page = std::make_unique<ReceptionPage>(values);
        page->registerReturnKeys(keys);
        fillReceptionNumbers(page->numberBox);
        page->resize(1500, 760);
        page->show();
        QApplication::setActiveWindow(page.get());
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }

    ReceptionPage &p() { return *page; }
};

void type(QWidget *field, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->clear();
    if (auto *box = qobject_cast<QComboBox *>(field))
        box->setEditText(QString());
    QTest::keyClicks(field, text);
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickRow(QTreeWidget *list, int index)
{
    QTreeWidgetItem *row = list->topLevelItem(index);
    QVERIFY(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
}

// Picks an entry of the number box's list as a user does, through its popup.
void chooseNumber(QComboBox *box, int index)
{
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QRect rect = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// "Nouvelle réception" and a supplier, as a user starts a reception.
void startReception(ReceptionPage &page, const QString &supplier)
{
    click(page.newReceptionButton);
    type(page.supplierEdit, supplier);
}

void typeLine(ReceptionPage &page, const QString &family, const QString &reference, const QString &designation,
    const QString &quantity, const QString &unitPrice, const QString &unit = QStringLiteral("U"))
{
    type(page.familyEdit, family);
    type(page.referenceEdit, reference);
    type(page.designationEdit, designation);
    type(page.unitBox, unit);
    type(page.quantityEdit, quantity);
    type(page.unitPriceEdit, unitPrice);
}

void addLine(ReceptionPage &page, const QString &family, const QString &reference, const QString &designation,
    const QString &quantity, const QString &unitPrice)
{
    typeLine(page, family, reference, designation, quantity, unitPrice);
    click(page.validateButton);
}

QStringList rowTexts(QTreeWidget *list, int index)
{
    QStringList texts;
    QTreeWidgetItem *row = list->topLevelItem(index);
    for (int i = 0; row && i < list->columnCount(); ++i)
        texts << row->text(i);
    return texts;
}

QStringList numbersListed(QComboBox *box)
{
    QStringList numbers;
    for (int i = 0; i < box->count(); ++i)
        numbers << box->itemText(i);
    return numbers;
}

void insertSupplier(const QString &code, const QString &name, const QString &initialBalance = QStringLiteral("0"))
{
    exec(Db::four, "insert into ffour (Codefour,four,ad,tel,rc,mf,art,nis,si) values (?,?,'','','','','','',?)",
        {code, name, initialBalance});
}

void insertProduct(const QString &code, const QString &family, const QString &reference, const QString &designation,
    const QString &wholesalePrice = QStringLiteral("0"), const QString &purchasePrice = QStringLiteral("0"))
{
    exec(Db::prod,
        "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg,codefour) values (?,?,?,?,'KG',0,?,0,?,1)",
        {code, family, reference, designation, purchasePrice, wholesalePrice});
}

// Two product lines and the settlement line of reception 3 for supplier 1, dated 02/01/2024.
void insertStoredReception()
{
    exec(Db::br,
        "insert into fbr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Um,Qte,Pu,Mnt,frais,remise,ttc,modep) values "
        "(3,'02/01/2024',73913,1,5,'KG',200,15000,30000,0,0,0,''),"
        "(3,'02/01/2024',73913,1,6,'U',100,2550,2550,0,0,0,'')");
    exec(Db::br,
        "insert into fbr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,ttc,modep,camion,"
        "chauf,mat) values (3,'02/01/2024',73913,1,9999,'',0,0,0,32550,1000,550,33000,'Chèque n° 77','VOLVO',"
        "'ALI','123-45')");
}

QList<QStringList> receptionRows(const QString &number)
{
    return readRows(Db::br,
        "select CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,ttc,modep from fbr where numdoc=? order by CodeProd", {number});
}

} // namespace

class TestReceptions : public QObject {
    Q_OBJECT

private slots:
    void layoutShowsEveryControl();
    void lineChecksInOrder_data();
    void lineChecksInOrder();
    void lineAmount_data();
    void lineAmount();
    void firstLineCreatesSupplierProductAndReception();
    void existingSupplierAndProductAreReused();
    void sameProductTwiceKeepsOneLine();
    void quotesAreStoredAsTyped();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void savingRecomputesTotals();
    void completedModeKeepsItsText();
    void saveSpreadsDateAndSupplier();
    void returnOnCostsComputesTotals();
    void supplierBalance();
    void deletingTheOnlyLineDropsTheReception();
    void deletingOneLineKeepsTheOthers();
    void cancelAsksFirst_data();
    void cancelAsksFirst();
    void choosingANumberShowsTheReception();
    void typingANumberLoadsNothing();
    void receptionOfAMissingSupplier();
    void newReceptionNumber_data();
    void newReceptionNumber();
    void transportValuesAreRecordedAndOffered();
};

void TestReceptions::layoutShowsEveryControl()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    QCOMPARE(page.titleLabel->text(), QStringLiteral("BON DE RECEPTION"));
    QVERIFY(page.titleLabel->font().bold());
    const QStringList buttons{page.printButton->text(), page.cancelReceptionButton->text(),
        page.deleteLineButton->text(), page.newReceptionButton->text(), page.validateButton->text(),
        page.saveButton->text()};
    QCOMPARE(buttons,
        (QStringList{"Imprimer", "Annuler la réception", "Supprimer la ligne sélectionnée", "Nouvelle réception",
            "Valider", "ENREGISTRER LE BON DE RECEPTION"}));
    QCOMPARE(page.linesList->headerItem()->text(1), QStringLiteral(" Désignation du produit"));
    const QList<int> widths{page.linesList->columnWidth(0), page.linesList->columnWidth(1),
        page.linesList->columnWidth(2), page.linesList->columnWidth(3), page.linesList->columnWidth(4),
        page.linesList->columnWidth(5)};
    QCOMPARE(widths, (QList<int>{40, 300, 90, 80, 100, 100}));
    QCOMPARE(page.linesList->viewport()->palette().color(QPalette::Base), QColor(217, 252, 242));
    QCOMPARE(page.selectionList->viewport()->palette().color(QPalette::Base), QColor(208, 242, 245));
    QVERIFY(page.totalHtEdit->isReadOnly());
    QVERIFY(page.totalTtcEdit->isReadOnly());
    QVERIFY(!page.costsEdit->isReadOnly());
    QVERIFY(!page.discountEdit->isReadOnly());
    QCOMPARE(page.stockLabel->accessibleName(), QStringLiteral("Stock disponible"));
    QCOMPARE(page.purchasePriceLabel->accessibleName(), QStringLiteral(" P. M. P."));
    QCOMPARE(page.truckEdit->accessibleName(), QStringLiteral("Camion"));
    QCOMPARE(page.balanceEdit->accessibleName(), QStringLiteral("Nouveau solde"));
    QCOMPARE(page.balanceEdit->alignment(), Qt::AlignCenter);
    QVERIFY(!page.balanceEdit->isReadOnly());
    QCOMPARE(page.transferOption->text(), QStringLiteral("VIREMENT BANCAIRE"));
    QVERIFY(page.cashOption->isChecked());
    QCOMPARE(page.paymentModeEdit->text(), QStringLiteral("ESPECE"));
    QCOMPARE(unlabelledFields(&page), QStringList());
    // Upper-case entry.
    type(page.supplierEdit, QStringLiteral("dupont"));
    QCOMPARE(page.supplierEdit->text(), QStringLiteral("DUPONT"));
    type(page.unitBox, QStringLiteral("kg"));
    QCOMPARE(page.unitBox->currentText(), QStringLiteral("KG"));
}

void TestReceptions::lineChecksInOrder_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QString>("message");

    const QDate today = QDate::currentDate();
    QTest::newRow("no number") << "" << today << ""
                               << ""
                               << ""
                               << "" << badNumber;
    QTest::newRow("number 0") << "0" << today << "S"
                              << "P"
                              << "2"
                              << "150" << badNumber;
    QTest::newRow("number in letters") << "A1" << today << "S"
                                       << "P"
                                       << "2"
                                       << "150" << badNumber;
    QTest::newRow("date before 2014") << "1" << QDate(2013, 12, 31) << ""
                                      << ""
                                      << ""
                                      << ""
                                      << "Erreur|Date incorrecte !";
    QTest::newRow("no supplier") << "1" << today << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "Erreur|Nom de fournisseur incorrect !";
    QTest::newRow("no designation") << "1" << today << "S"
                                    << ""
                                    << ""
                                    << ""
                                    << "Erreur|Désignation du produit incorrecte !";
    QTest::newRow("quantity 0.5") << "1" << today << "S"
                                  << "P"
                                  << "0.5"
                                  << "150"
                                  << "Erreur|Quantité incorrecte !";
    QTest::newRow("quantity 0,99") << "1" << today << "S"
                                   << "P"
                                   << "0,99"
                                   << "150"
                                   << "Erreur|Quantité incorrecte !";
    QTest::newRow("quantity negative") << "1" << today << "S"
                                       << "P"
                                       << "-3"
                                       << "150"
                                       << "Erreur|Quantité incorrecte !";
    QTest::newRow("quantity in letters") << "1" << today << "S"
                                         << "P"
                                         << "2kg"
                                         << "150"
                                         << "Erreur|Quantité incorrecte !";
    QTest::newRow("quantity empty") << "1" << today << "S"
                                    << "P"
                                    << ""
                                    << "150"
                                    << "Erreur|Quantité incorrecte !";
    QTest::newRow("price below 1") << "1" << today << "S"
                                   << "P"
                                   << "2"
                                   << "0.50"
                                   << "Erreur|Prix unitaire incorrect !";
    QTest::newRow("price in letters") << "1" << today << "S"
                                      << "P"
                                      << "2"
                                      << "abc"
                                      << "Erreur|Prix unitaire incorrect !";
    QTest::newRow("price two marks") << "1" << today << "S"
                                     << "P"
                                     << "2"
                                     << "1.5.0"
                                     << "Erreur|Prix unitaire incorrect !";
    QTest::newRow("amount beyond 64 bits") << "1" << today << "S"
                                           << "P"
                                           << "99999999999"
                                           << "99999999999"
                                           << "Erreur|Prix unitaire incorrect !";
}

void TestReceptions::lineChecksInOrder()
{
    QFETCH(QString, number);
    QFETCH(QDate, date);
    QFETCH(QString, supplier);
    QFETCH(QString, designation);
    QFETCH(QString, quantity);
    QFETCH(QString, unitPrice);
    QFETCH(QString, message);

    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    type(page.numberBox, number);
    page.dateEdit->setDate(date);
    type(page.supplierEdit, supplier);
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), designation, quantity, unitPrice);

    QCOMPARE(tab.db.dialogs.messages(), QStringList{message});
    QCOMPARE(readRows(Db::br, "select * from fbr"), QList<QStringList>());
    QCOMPARE(readRows(Db::four, "select * from ffour"), QList<QStringList>());
    QCOMPARE(readRows(Db::prod, "select * from fprod"), QList<QStringList>());
    QCOMPARE(page.linesList->topLevelItemCount(), 0);
    // The typed line stays for the user to correct.
    QCOMPARE(page.quantityEdit->text(), quantity);
}

void TestReceptions::lineAmount_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QStringList>("stored"); // Qte, Pu, Mnt
    QTest::addColumn<QStringList>("shown"); // quantity, unit price, amount

    QTest::newRow("2 x 150") << "2"
                             << "150" << QStringList{"200", "15000", "30000"}
                             << QStringList{"2.00", "150.00", "300.00"};
    QTest::newRow("last digits cut") << "1.5"
                                     << "3.33" << QStringList{"150", "333", "499"}
                                     << QStringList{"1.50", "3.33", "4.99"};
    QTest::newRow("comma and spaces") << "1 500,5"
                                      << " 2,1" << QStringList{"150050", "210", "315105"}
                                      << QStringList{"1 500.50", "2.10", "3 151.05"};
    QTest::newRow("third decimal dropped")
        << "3.999"
        << "10" << QStringList{"399", "1000", "3990"} << QStringList{"3.99", "10.00", "39.90"};
}

void TestReceptions::lineAmount()
{
    QFETCH(QString, quantity);
    QFETCH(QString, unitPrice);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, shown);

    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), quantity, unitPrice);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(readRows(Db::br, "select Qte,Pu,Mnt from fbr where codeprod<>9999"), QList<QStringList>{stored});
    QCOMPARE(rowTexts(page.linesList, 0).mid(3), shown);
    QCOMPARE(page.linesList->topLevelItem(0)->textAlignment(3), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(page.linesList->topLevelItem(0)->textAlignment(0), int(Qt::AlignCenter));
    QCOMPARE(page.totalHtEdit->text(), shown[2]);
}

void TestReceptions::firstLineCreatesSupplierProductAndReception()
{
    Tab tab;
    insertProduct(QStringLiteral("7"), QStringLiteral("OUTILS"), QStringLiteral("R1"), QStringLiteral("MARTEAU"));
    insertSupplier(QStringLiteral("4"), QStringLiteral("AUTRE"));
    tab.open();
    ReceptionPage &page = tab.p();
    page.dateEdit->setDate(QDate(2024, 3, 10));
    startReception(page, QStringLiteral("DUPONT"));
    QCOMPARE(page.numberBox->currentText(), QStringLiteral("1"));
    addLine(page, QStringLiteral("VISSERIE"), QStringLiteral("V-6"), QStringLiteral("VIS 6MM"), QStringLiteral("2"),
        QStringLiteral("150"));

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    // The supplier gets the next code and x in its details, the product the next code and this
    // line's price as purchase price.
    QCOMPARE(readRows(Db::four, "select * from ffour where four='DUPONT'"),
        (QList<QStringList>{{"5", "DUPONT", "x", "x", "x", "x", "x", "x", "0"}}));
    QCOMPARE(readRows(Db::prod, "select * from fprod where codeprod=8"),
        (QList<QStringList>{{"8", "VISSERIE", "V-6", "VIS 6MM", "U", "0", "15000", "0", "0", "5"}}));
    const QString dayKey = QString::number(dateToDateNum(QStringLiteral("10/03/2024")));
    QCOMPARE(readRows(Db::br, "select * from fbr order by codeprod"),
        (QList<QStringList>{
            {"1", "10/03/2024", dayKey, "5", "8", "U", "200", "15000", "30000", "", "0", "0", "0", "", "", "", ""},
            {"1", "10/03/2024", dayKey, "5", "9999", "", "0", "0", "0", "30000", "0", "0", "30000", "ESPECE", "", "",
                ""}}));
    QCOMPARE(rowTexts(page.linesList, 0), (QStringList{"8", "VIS 6MM", "U", "2.00", "150.00", "300.00"}));
    QCOMPARE(page.totalHtEdit->text(), QStringLiteral("300.00"));
    QCOMPARE(page.costsEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(page.totalTtcEdit->text(), QStringLiteral("300.00"));
    QCOMPARE(numbersListed(page.numberBox), QStringList{"1"});
    QCOMPARE(page.balanceEdit->text(), QStringLiteral("300.00"));
    // Ready for the next line: the unit stays, the input is in "Désignation:".
    QCOMPARE(page.designationEdit->text(), QString());
    QCOMPARE(page.quantityEdit->text(), QString());
    QCOMPARE(page.unitBox->currentText(), QStringLiteral("U"));
    QVERIFY(page.designationEdit->hasFocus());
    QCOMPARE(page.numberBox->currentText(), QStringLiteral("1"));
}

void TestReceptions::existingSupplierAndProductAreReused()
{
    Tab tab;
    insertSupplier(QStringLiteral("4"), QStringLiteral("DUPONT"));
    insertProduct(QStringLiteral("7"), QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"),
        QStringLiteral("0"), QStringLiteral("900"));
    // Same designation, other family: another product.
    insertProduct(QStringLiteral("8"), QStringLiteral("G"), QStringLiteral("R"), QStringLiteral("VIS"));
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("1"),
        QStringLiteral("12"));

    QCOMPARE(readRows(Db::four, "select count(*) from ffour"), QList<QStringList>{{"1"}});
    QCOMPARE(readRows(Db::prod, "select count(*) from fprod"), QList<QStringList>{{"2"}});
    // An existing product keeps its purchase price.
    QCOMPARE(readRows(Db::prod, "select Pa from fprod where codeprod=7"), QList<QStringList>{{"900"}});
    QCOMPARE(readRows(Db::br, "select CodeFour,CodeProd from fbr order by codeprod"),
        (QList<QStringList>{{"4", "7"}, {"4", "9999"}}));
}

void TestReceptions::sameProductTwiceKeepsOneLine()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("CLOU"), QStringLiteral("1"),
        QStringLiteral("10"));
    typeLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("3"),
        QStringLiteral("100"), QStringLiteral("BOITE"));
    click(page.validateButton);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(receptionRows(QStringLiteral("1")),
        (QList<QStringList>{{"1", "BOITE", "300", "10000", "30000", "", "0", "0", "0", ""},
            {"2", "U", "100", "1000", "1000", "", "0", "0", "0", ""},
            {"9999", "", "0", "0", "0", "31000", "0", "0", "31000", "ESPECE"}}));
    QCOMPARE(page.linesList->topLevelItemCount(), 2);
    QCOMPARE(rowTexts(page.linesList, 0), (QStringList{"1", "VIS", "BOITE", "3.00", "100.00", "300.00"}));
    QCOMPARE(page.totalHtEdit->text(), QStringLiteral("310.00"));
}

void TestReceptions::quotesAreStoredAsTyped()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("L'ANCRE \"SUD\""));
    addLine(page, QStringLiteral("F\"1"), QStringLiteral("R'2"), QStringLiteral("VIS 6\" D'ACIER"), QStringLiteral("1"),
        QStringLiteral("5"));

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(readRows(Db::four, "select four from ffour"), QList<QStringList>{{"L'ANCRE \"SUD\""}});
    QCOMPARE(
        readRows(Db::prod, "select fam,ref,prod from fprod"), (QList<QStringList>{{"F\"1", "R'2", "VIS 6\" D'ACIER"}}));
    QCOMPARE(page.balanceEdit->text(), QStringLiteral("5.00"));
}

void TestReceptions::saveChecksInOrder_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QString>("paymentMode");
    QTest::addColumn<QString>("message");

    const QDate today = QDate::currentDate();
    QTest::newRow("no number") << "" << today << ""
                               << "" << badNumber;
    QTest::newRow("negative number") << "-2" << today << "S"
                                     << "ESPECE" << badNumber;
    QTest::newRow("bad date") << "1" << QDate(2000, 1, 1) << ""
                              << ""
                              << "Erreur|Date incorrecte !";
    QTest::newRow("no supplier") << "1" << today << ""
                                 << ""
                                 << "Erreur|Sélectionnez (ou saisissez) un fournisseur !";
    QTest::newRow("no payment mode") << "1" << today << "S"
                                     << ""
                                     << "Erreur|Indiquez le mode de payement !";
    QTest::newRow("supplier but no line") << "1" << today << "S"
                                          << "ESPECE"
                                          << "Erreur|Montant ht incorrect !";
}

void TestReceptions::saveChecksInOrder()
{
    QFETCH(QString, number);
    QFETCH(QDate, date);
    QFETCH(QString, supplier);
    QFETCH(QString, paymentMode);
    QFETCH(QString, message);

    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    type(page.numberBox, number);
    page.dateEdit->setDate(date);
    type(page.supplierEdit, supplier);
    type(page.paymentModeEdit, paymentMode);
    type(page.costsEdit, QStringLiteral("10"));
    click(page.saveButton);

    QCOMPARE(tab.db.dialogs.messages(), QStringList{message});
    QCOMPARE(readRows(Db::br, "select * from fbr"), QList<QStringList>());
    QCOMPARE(readRows(Db::four, "select * from ffour"), QList<QStringList>());
    QCOMPARE(page.numberBox->count(), 0);
}

void TestReceptions::savingRecomputesTotals()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    // Costs and discount typed without Return, then saved: the settlement line agrees with them.
    type(page.costsEdit, QStringLiteral("12,5"));
    type(page.discountEdit, QStringLiteral("2.5"));
    click(page.onAccountOption);
    QCOMPARE(page.paymentModeEdit->text(), QStringLiteral("A TERME"));
    click(page.saveButton);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(readRows(Db::br, "select ht,frais,remise,ttc,modep from fbr where codeprod=9999"),
        (QList<QStringList>{{"30000", "1250", "250", "31000", "A TERME"}}));
    QCOMPARE(page.totalTtcEdit->text(), QStringLiteral("310.00"));
    QCOMPARE(page.costsEdit->text(), QStringLiteral("12.50"));
    // A line added later keeps the costs and discount.
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("CLOU"), QStringLiteral("1"),
        QStringLiteral("100"));
    QCOMPARE(readRows(Db::br, "select ht,frais,remise,ttc from fbr where codeprod=9999"),
        (QList<QStringList>{{"40000", "1250", "250", "41000"}}));
    // Saving twice writes one settlement line.
    click(page.saveButton);
    QCOMPARE(readRows(Db::br, "select count(*) from fbr where codeprod=9999"), QList<QStringList>{{"1"}});
}

void TestReceptions::completedModeKeepsItsText()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    click(page.chequeOption);
    page.paymentModeEdit->end(false);
    QTest::keyClicks(page.paymentModeEdit, QStringLiteral(" 123ab"));
    click(page.saveButton);
    QCOMPARE(readRows(Db::br, "select modep from fbr where codeprod=9999"), QList<QStringList>{{"Chèque n° 123AB"}});
}

void TestReceptions::saveSpreadsDateAndSupplier()
{
    Tab tab;
    insertSupplier(QStringLiteral("1"), QStringLiteral("DUPONT"));
    insertSupplier(QStringLiteral("2"), QStringLiteral("MARTIN"));
    tab.open();
    ReceptionPage &page = tab.p();
    page.dateEdit->setDate(QDate(2024, 3, 10));
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("CLOU"), QStringLiteral("1"),
        QStringLiteral("10"));

    page.dateEdit->setDate(QDate(2024, 4, 2));
    type(page.supplierEdit, QStringLiteral("MARTIN"));
    type(page.truckEdit, QStringLiteral("RENAULT"));
    click(page.saveButton);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    const QString dayKey = QString::number(dateToDateNum(QStringLiteral("02/04/2024")));
    QCOMPARE(readRows(Db::br, "select distinct DateDoc,DateNum,CodeFour from fbr"),
        (QList<QStringList>{{"02/04/2024", dayKey, "2"}}));
    QCOMPARE(readRows(Db::br, "select camion from fbr where codeprod=9999"), QList<QStringList>{{"RENAULT"}});
    // The number is listed once.
    QCOMPARE(numbersListed(page.numberBox), QStringList{"1"});
}

void TestReceptions::returnOnCostsComputesTotals()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    type(page.costsEdit, QStringLiteral("1 000"));
    QTest::keyClick(page.costsEdit, Qt::Key_Return);
    QCOMPARE(page.totalTtcEdit->text(), QStringLiteral("1 300.00"));
    QCOMPARE(page.costsEdit->text(), QStringLiteral("1 000.00"));
    type(page.discountEdit, QStringLiteral("100"));
    QTest::keyClick(page.discountEdit, Qt::Key_Return);
    QCOMPARE(page.totalTtcEdit->text(), QStringLiteral("1 200.00"));
    QCOMPARE(page.totalHtEdit->text(), QStringLiteral("300.00"));
    // Return there computes only: the settlement line keeps the last saved totals.
    QCOMPARE(readRows(Db::br, "select ttc from fbr where codeprod=9999"), QList<QStringList>{{"30000"}});
    QCOMPARE(tab.db.dialogs.messages(), QStringList());
}

void TestReceptions::supplierBalance()
{
    Tab tab;
    insertSupplier(QStringLiteral("1"), QStringLiteral("DUPONT"), QStringLiteral("10000"));
    insertSupplier(QStringLiteral("2"), QStringLiteral("MARTIN"), QStringLiteral("99900"));
    // An earlier reception of DUPONT paid in cash counts too, and so do its payments.
    exec(Db::br,
        "insert into fbr (Numdoc,CodeFour,CodeProd,ttc,modep) values (1,1,9999,5000,'ESPECE'),"
        "(2,2,9999,7000,'A TERME')");
    exec(Db::verFour, "insert into fVerFour (Numdoc,Codefour,mnt) values (1,1,2000),(2,1,500),(3,2,100)");
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    QCOMPARE(page.numberBox->currentText(), QStringLiteral("3"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));

    // 100.00 + 50.00 + 300.00 - 20.00 - 5.00
    QCOMPARE(page.balanceEdit->text(), QStringLiteral("425.00"));
    QCOMPARE(tab.db.dialogs.messages(), QStringList());
}

void TestReceptions::deletingTheOnlyLineDropsTheReception()
{
    Tab tab;
    exec(Db::br, "insert into fbr (Numdoc,CodeFour,CodeProd,ttc) values (1,1,9999,0)");
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    QCOMPARE(numbersListed(page.numberBox), (QStringList{"1", "2"}));

    clickRow(page.linesList, 0);
    QCOMPARE(page.designationEdit->text(), QStringLiteral("VIS"));
    QCOMPARE(page.stockLabel->text(), QStringLiteral("2.00"));
    click(page.deleteLineButton);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(receptionRows(QStringLiteral("2")), QList<QStringList>());
    QCOMPARE(readRows(Db::br, "select count(*) from fbr where numdoc=1"), QList<QStringList>{{"1"}});
    QCOMPARE(numbersListed(page.numberBox), QStringList{"1"});
    QCOMPARE(page.numberBox->currentText(), QString());
    QCOMPARE(page.supplierEdit->text(), QString());
    QCOMPARE(page.linesList->topLevelItemCount(), 0);
    QCOMPARE(page.totalHtEdit->text(), QString());
    QCOMPARE(page.stockLabel->text(), QString());
    // The product created by the line stays.
    QCOMPARE(readRows(Db::prod, "select prod from fprod"), QList<QStringList>{{"VIS"}});
}

void TestReceptions::deletingOneLineKeepsTheOthers()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("CLOU"), QStringLiteral("1"),
        QStringLiteral("10"));
    type(page.costsEdit, QStringLiteral("5"));

    type(page.designationEdit, QStringLiteral("VIS"));
    click(page.deleteLineButton);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(receptionRows(QStringLiteral("1")),
        (QList<QStringList>{{"2", "U", "100", "1000", "1000", "", "0", "0", "0", ""},
            {"9999", "", "0", "0", "0", "1000", "500", "0", "1500", "ESPECE"}}));
    QCOMPARE(page.linesList->topLevelItemCount(), 1);
    QCOMPARE(rowTexts(page.linesList, 0).first(), QStringLiteral("2"));
    QCOMPARE(page.totalTtcEdit->text(), QStringLiteral("15.00"));
    QCOMPARE(page.designationEdit->text(), QString());
    QCOMPARE(numbersListed(page.numberBox), QStringList{"1"});
}

void TestReceptions::cancelAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void TestReceptions::cancelAsksFirst()
{
    QFETCH(bool, yes);
    Tab tab;
    insertSupplier(QStringLiteral("1"), QStringLiteral("DUPONT"));
    insertStoredReception();
    tab.open();
    ReceptionPage &page = tab.p();
    type(page.numberBox, QStringLiteral("3"));
    tab.db.dialogs.answerYesNo(yes);
    click(page.cancelReceptionButton);

    QCOMPARE(tab.db.dialogs.shown.size(), 1);
    QCOMPARE(tab.db.dialogs.shown[0].kind, QStringLiteral("yesno"));
    QCOMPARE(tab.db.dialogs.shown[0].title, QStringLiteral("Confirmation"));
    QCOMPARE(tab.db.dialogs.shown[0].text, QStringLiteral("Etes-vous sûr de vouloir annuler cette réception ?"));
    QCOMPARE(receptionRows(QStringLiteral("3")).size(), yes ? 0 : 3);
    QCOMPARE(page.numberBox->currentText(), yes ? QString() : QStringLiteral("3"));
    // The number stays listed.
    QCOMPARE(numbersListed(page.numberBox), QStringList{"3"});

    // Nothing to cancel: no question.
    tab.db.dialogs.clear();
    type(page.numberBox, QStringLiteral("8"));
    click(page.cancelReceptionButton);
    QCOMPARE(tab.db.dialogs.shown.size(), 0);
}

void TestReceptions::choosingANumberShowsTheReception()
{
    Tab tab;
    insertSupplier(QStringLiteral("1"), QStringLiteral("DUPONT"), QStringLiteral("1000"));
    insertProduct(QStringLiteral("5"), QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"));
    insertProduct(QStringLiteral("6"), QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("CLOU"));
    exec(Db::br, "insert into fbr (Numdoc,CodeFour,CodeProd,ttc) values (1,1,9999,0)");
    insertStoredReception();
    tab.open();
    ReceptionPage &page = tab.p();
    QCOMPARE(numbersListed(page.numberBox), (QStringList{"1", "2", "3"}));
    type(page.quantityEdit, QStringLiteral("9"));

    QCOMPARE(page.numberBox->currentText(), QString());
    chooseNumber(page.numberBox, 2);

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(page.numberBox->currentText(), QStringLiteral("3"));
    QCOMPARE(page.dateEdit->date(), QDate(2024, 1, 2));
    QCOMPARE(page.supplierEdit->text(), QStringLiteral("DUPONT"));
    QCOMPARE(page.linesList->topLevelItemCount(), 2);
    QCOMPARE(rowTexts(page.linesList, 0), (QStringList{"5", "VIS", "KG", "2.00", "150.00", "300.00"}));
    QCOMPARE(rowTexts(page.linesList, 1), (QStringList{"6", "CLOU", "U", "1.00", "25.50", "25.50"}));
    QCOMPARE(page.linesList->topLevelItem(1)->textAlignment(5), int(Qt::AlignRight | Qt::AlignVCenter));
    const QStringList totals{
        page.totalHtEdit->text(), page.costsEdit->text(), page.discountEdit->text(), page.totalTtcEdit->text()};
    QCOMPARE(totals, (QStringList{"325.50", "10.00", "5.50", "330.00"}));
    QCOMPARE(page.paymentModeEdit->text(), QStringLiteral("Chèque n° 77"));
    QVERIFY(page.chequeOption->isChecked());
    QCOMPARE(page.truckEdit->text(), QStringLiteral("VOLVO"));
    QCOMPARE(page.driverEdit->text(), QStringLiteral("ALI"));
    QCOMPARE(page.registrationEdit->text(), QStringLiteral("123-45"));
    QCOMPARE(page.quantityEdit->text(), QString());
    // 10.00 + 330.00 + 0.00 (reception 1)
    QCOMPARE(page.balanceEdit->text(), QStringLiteral("340.00"));

    // Choosing a number with no rows shows an empty reception.
    chooseNumber(page.numberBox, 1);
    QCOMPARE(page.numberBox->currentText(), QStringLiteral("2"));
    QCOMPARE(page.linesList->topLevelItemCount(), 0);
    QCOMPARE(page.supplierEdit->text(), QString());
    QCOMPARE(tab.db.dialogs.messages(), QStringList{"Erreur|Sélectionnez un fournisseur! "});
}

void TestReceptions::typingANumberLoadsNothing()
{
    Tab tab;
    insertSupplier(QStringLiteral("1"), QStringLiteral("DUPONT"));
    insertStoredReception();
    tab.open();
    ReceptionPage &page = tab.p();
    type(page.numberBox, QStringLiteral("3"));
    QTest::keyClick(page.numberBox, Qt::Key_Return);
    QCOMPARE(page.linesList->topLevelItemCount(), 0);
    QCOMPARE(page.supplierEdit->text(), QString());
    QCOMPARE(numbersListed(page.numberBox), QStringList{"3"});
}

void TestReceptions::receptionOfAMissingSupplier()
{
    Tab tab;
    insertStoredReception();
    tab.open();
    ReceptionPage &page = tab.p();
    chooseNumber(page.numberBox, 0);
    QCOMPARE(page.supplierEdit->text(), QStringLiteral("x"));
    QCOMPARE(page.linesList->topLevelItemCount(), 2);
    QCOMPARE(rowTexts(page.linesList, 0).at(1), QString());
    QCOMPARE(tab.db.dialogs.messages(), QStringList{"Erreur inattendue|Fournisseur introuvable dans la table ! "});
}

void TestReceptions::newReceptionNumber_data()
{
    QTest::addColumn<QString>("highest");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty fbr") << ""
                               << "1";
    QTest::newRow("after 9") << "9"
                             << "10";
}

void TestReceptions::newReceptionNumber()
{
    QFETCH(QString, highest);
    QFETCH(QString, expected);
    Tab tab;
    if (!highest.isEmpty())
        exec(Db::br, "insert into fbr (Numdoc,CodeProd) values (?,9999)", {highest});
    tab.open();
    ReceptionPage &page = tab.p();
    type(page.supplierEdit, QStringLiteral("DUPONT"));
    type(page.designationEdit, QStringLiteral("VIS"));
    type(page.truckEdit, QStringLiteral("VOLVO"));
    click(page.transferOption);
    QCOMPARE(page.paymentModeEdit->text(), QStringLiteral("Virement n°"));

    click(page.newReceptionButton);
    QCOMPARE(page.numberBox->currentText(), expected);
    QCOMPARE(tab.values.documentNumber, expected);
    QCOMPARE(page.supplierEdit->text(), QString());
    QCOMPARE(page.designationEdit->text(), QString());
    QCOMPARE(page.truckEdit->text(), QString());
    QCOMPARE(page.paymentModeEdit->text(), QStringLiteral("ESPECE"));
    QVERIFY(page.cashOption->isChecked());
    QVERIFY(page.supplierEdit->hasFocus());
    // Nothing is written: pressing again gives the same number.
    click(page.newReceptionButton);
    QCOMPARE(page.numberBox->currentText(), expected);
    QCOMPARE(readRows(Db::br, "select count(*) from fbr"), QList<QStringList>{{highest.isEmpty() ? "0" : "1"}});
}

void TestReceptions::transportValuesAreRecordedAndOffered()
{
    Tab tab;
    exec(Db::prod, "insert into fcamion (camion) values ('VOLVO')");
    tab.open();
    ReceptionPage &page = tab.p();
    startReception(page, QStringLiteral("DUPONT"));
    type(page.truckEdit, QStringLiteral("VOLVO"));
    type(page.driverEdit, QStringLiteral("Ali \"le grand\""));
    addLine(page, QStringLiteral("F"), QStringLiteral("R"), QStringLiteral("VIS"), QStringLiteral("2"),
        QStringLiteral("150"));
    click(page.saveButton);

    QCOMPARE(readRows(Db::prod, "select camion from fcamion"), QList<QStringList>{{"VOLVO"}});
    QCOMPARE(readRows(Db::prod, "select chauf from fchauf"), QList<QStringList>{{"Ali \"le grand\""}});
    QCOMPARE(readRows(Db::prod, "select mat from fmat"), QList<QStringList>());

    // A new reception's fields offer what was recorded, whatever the case typed.
    click(page.newReceptionButton);
    page.driverEdit->setFocus();
    QTest::keyClicks(page.driverEdit, QStringLiteral("al"));
    QCompleter *completer = page.driverEdit->completer();
    QVERIFY(completer);
    QCOMPARE(completer->completionCount(), 1);
    QCOMPARE(completer->currentCompletion(), QStringLiteral("Ali \"le grand\""));
    completer->popup()->hide();
    page.truckEdit->setFocus();
    QTest::keyClicks(page.truckEdit, QStringLiteral("x"));
    QCOMPARE(page.truckEdit->completer()->completionCount(), 0);
}

QTEST_MAIN(TestReceptions)
#include "tst_receptions.moc"
