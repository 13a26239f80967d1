#include "common/returnkeys.h"
#include "stock/receptionpage.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

// The reception tab driven from the keyboard and the mouse as a user does: the type-ahead lists,
// the Return chain and the stock figures of the chosen product.

namespace {

struct Tab {
    TestDatabase db;
    StockValues values;
    std::unique_ptr<ReceptionPage> page;
    ReturnKeys keys;

    Tab()
    {
        for (const auto &[code, name] : {std::pair{"1", "DUPONT"}, {"2", "Dumas"}, {"3", "dubois"}, {"4", "MARTIN"}})
            exec(Db::four, "insert into ffour (Codefour,four,si) values (?,?,0)",
                {QString::fromUtf8(code), QString::fromUtf8(name)});
        // Product 5: 10.00 in stock at start, 5.00 received, 3.00 invoiced, 4.00 on a cancelled invoice.
        exec(Db::prod,
            "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg,codefour) values "
            "(5,'VISSERIE','V-6','VIS 6MM','BOITE',1000,820,1200,975,1),"
            "(6,'VISSERIE','V-8','VIS 8MM','BOITE',0,1000,0,50,1)");
        exec(Db::br, "insert into fbr (Numdoc,CodeFour,CodeProd,Qte) values (1,1,5,500),(1,1,9999,0)");
        exec(Db::facv, "insert into facv (Numdoc,CodeProd,Qte,statut) values (1,5,300,1),(2,5,400,0)");
    }

    void open()
    {
        page = std::make_unique<ReceptionPage>(values);
        page->registerReturnKeys(keys);
        page->resize(1500, 760);
        page->show();
        QApplication::setActiveWindow(page.get());
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }
};

QStringList rows(QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1);
    return texts;
}

void clickRow(QTreeWidget *list, int index)
{
    QTreeWidgetItem *row = list->topLevelItem(index);
    QVERIFY(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
}

void typeAndReturn(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class TestReceptionPage : public QObject {
    Q_OBJECT

private slots:
    void typeAheadOffersSuppliers();
    void choosingAProductFillsTheLine();
    void returnWalksTheChainAndAddsTheLine();
    void choosingALineShowsItsFigures();
    void keyboardChoiceInTheSelectionList();
};

void TestReceptionPage::typeAheadOffersSuppliers()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = *tab.page;
    page.supplierEdit->setFocus();
    QTest::keyClicks(page.supplierEdit, QStringLiteral("du"));

    // In the order of the stored names.
    QCOMPARE(rows(page.selectionList), (QStringList{"1|DUPONT", "2|DUMAS", "3|DUBOIS"}));
    QCOMPARE(tab.values.lookupMode, QStringLiteral("FOUR"));

    clickRow(page.selectionList, 1);
    QCOMPARE(page.supplierEdit->text(), QStringLiteral("DUMAS"));
    QCOMPARE(tab.values.partnerCode, QStringLiteral("2"));
    QVERIFY(page.designationEdit->hasFocus());
    // Choosing a supplier shows no product figures.
    QCOMPARE(page.stockLabel->text(), QString());
}

void TestReceptionPage::choosingAProductFillsTheLine()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = *tab.page;
    page.designationEdit->setFocus();
    QTest::keyClicks(page.designationEdit, QStringLiteral("vis"));
    QCOMPARE(rows(page.selectionList), (QStringList{"5|VIS 6MM", "6|VIS 8MM"}));

    clickRow(page.selectionList, 0);
    QCOMPARE(page.designationEdit->text(), QStringLiteral("VIS 6MM"));
    QCOMPARE(page.familyEdit->text(), QStringLiteral("VISSERIE"));
    QCOMPARE(page.referenceEdit->text(), QStringLiteral("V-6"));
    QCOMPARE(page.unitBox->currentText(), QStringLiteral("BOITE"));
    QCOMPARE(page.unitPriceEdit->text(), QStringLiteral("9.75"));
    QVERIFY(page.quantityEdit->hasFocus());
    // 10.00 + 5.00 - 3.00: the cancelled invoice takes nothing.
    QCOMPARE(page.stockLabel->text(), QStringLiteral("12.00"));
    QCOMPARE(page.purchasePriceLabel->text(), QStringLiteral("8.20"));
}

void TestReceptionPage::returnWalksTheChainAndAddsTheLine()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = *tab.page;
    QTest::mouseClick(page.newReceptionButton, Qt::LeftButton);
    QCOMPARE(page.numberBox->currentText(), QStringLiteral("2"));
    QVERIFY(page.supplierEdit->hasFocus());

    typeAndReturn(page.supplierEdit, QStringLiteral("DUPONT"));
    QVERIFY(page.designationEdit->hasFocus());
    typeAndReturn(page.designationEdit, QStringLiteral("VIS 8MM"));
    QCOMPARE(page.familyEdit->text(), QStringLiteral("VISSERIE"));
    QCOMPARE(page.referenceEdit->text(), QStringLiteral("V-8"));
    QCOMPARE(page.unitBox->currentText(), QStringLiteral("BOITE"));
    QCOMPARE(page.stockLabel->text(), QStringLiteral("0.00"));
    QCOMPARE(page.purchasePriceLabel->text(), QStringLiteral("10.00"));
    QVERIFY(page.unitBox->hasFocus());
    QTest::keyClick(page.unitBox, Qt::Key_Return);
    QVERIFY(page.quantityEdit->hasFocus());
    typeAndReturn(page.quantityEdit, QStringLiteral("4"));
    QVERIFY(page.unitPriceEdit->hasFocus());
    typeAndReturn(page.unitPriceEdit, QStringLiteral("10,5"));

    QCOMPARE(tab.db.dialogs.messages(), QStringList());
    QCOMPARE(readRows(Db::br, "select CodeFour,CodeProd,Um,Qte,Pu,Mnt,ttc from fbr where numdoc=2 order by codeprod"),
        (QList<QStringList>{
            {"1", "6", "BOITE", "400", "1050", "4200", "0"}, {"1", "9999", "", "0", "0", "0", "4200"}}));
    QCOMPARE(page.linesList->topLevelItemCount(), 1);
    QVERIFY(page.designationEdit->hasFocus());
    // The figures are emptied once the line is added.
    QCOMPARE(page.stockLabel->text(), QString());
    QCOMPARE(page.purchasePriceLabel->text(), QString());

    // The family and reference lead to the designation too.
    typeAndReturn(page.familyEdit, QStringLiteral("VISSERIE"));
    QVERIFY(page.referenceEdit->hasFocus());
    typeAndReturn(page.referenceEdit, QStringLiteral("V-6"));
    QVERIFY(page.designationEdit->hasFocus());
}

void TestReceptionPage::choosingALineShowsItsFigures()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = *tab.page;
    QTest::mouseClick(page.newReceptionButton, Qt::LeftButton);
    typeAndReturn(page.supplierEdit, QStringLiteral("DUPONT"));
    typeAndReturn(page.designationEdit, QStringLiteral("VIS 6MM"));
    typeAndReturn(page.unitBox, QString());
    typeAndReturn(page.quantityEdit, QStringLiteral("2"));
    typeAndReturn(page.unitPriceEdit, QStringLiteral("8"));
    QCOMPARE(page.linesList->topLevelItemCount(), 1);

    clickRow(page.linesList, 0);
    QCOMPARE(page.designationEdit->text(), QStringLiteral("VIS 6MM"));
    QCOMPARE(page.quantityEdit->text(), QStringLiteral("2.00"));
    // 12.00 before, 2.00 received now.
    QCOMPARE(page.stockLabel->text(), QStringLiteral("14.00"));
    QCOMPARE(page.purchasePriceLabel->text(), QStringLiteral("8.20"));

    // Without a product the figures go blank.
    QTest::mouseClick(page.newReceptionButton, Qt::LeftButton);
    QCOMPARE(page.stockLabel->text(), QString());
}

void TestReceptionPage::keyboardChoiceInTheSelectionList()
{
    Tab tab;
    tab.open();
    ReceptionPage &page = *tab.page;
    page.designationEdit->setFocus();
    QTest::keyClicks(page.designationEdit, QStringLiteral("VIS"));
    page.selectionList->setFocus();
    page.selectionList->setCurrentItem(page.selectionList->topLevelItem(1));
    QTest::keyClick(page.selectionList, Qt::Key_Return);

    QCOMPARE(page.designationEdit->text(), QStringLiteral("VIS 8MM"));
    QCOMPARE(page.unitPriceEdit->text(), QStringLiteral(".50"));
    QCOMPARE(page.stockLabel->text(), QStringLiteral("0.00"));
    QVERIFY(page.quantityEdit->hasFocus());
}

QTEST_MAIN(TestReceptionPage)
#include "tst_receptionpage.moc"
