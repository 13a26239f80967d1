#include "common/returnkeys.h"
#include "common/widgets.h"
#include "stock/deliverypage.h"
#include "stock/documententry.h"
#include "stock/invoicepage.h"
#include "stock/receptionpage.h"
#include "stock/regularisationpage.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// A bare document form: the entry component on its own widgets, with hooks that count.
class EntryForm : public QWidget {
public:
    explicit EntryForm(bool regularisation)
    {
        const auto field = [this](int row) {
            auto *edit = new QLineEdit(this);
            edit->setGeometry(10, 10 + row * 30, 200, 24);
            return edit;
        };
        fields.numberBox = new QComboBox(this);
        fields.numberBox->setEditable(true);
        fields.numberBox->setInsertPolicy(QComboBox::NoInsert);
        fields.numberBox->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        fields.numberBox->setEditText(QString());
        fields.numberBox->setGeometry(220, 10, 100, 24);
        fields.showDocument = [this] { shownNumbers << fields.numberBox->currentText(); };
        fields.dateEdit = new QDateEdit(this);
        fields.dateEdit->setGeometry(220, 40, 100, 24);
        if (!regularisation) {
            fields.partnerEdit = field(0);
            fields.partner = PartnerKind::Client;
        }
        fields.familyEdit = field(1);
        fields.referenceEdit = field(2);
        fields.designationEdit = field(3);
        fields.quantityEdit = field(5);
        if (regularisation) {
            fields.exitQuantityEdit = field(6);
            fields.observationsEdit = field(7);
        } else {
            fields.unitEdit = field(4);
            fields.unitPriceEdit = field(6);
            fields.amountEdit = field(7);
            fields.paymentModeEdit = field(8);
            for (int i = 0; i < paymentModeTexts.size(); ++i) {
                auto *option = new QRadioButton(QStringLiteral("option"), this);
                option->setGeometry(220, 100 + i * 24, 100, 20);
                fields.paymentOptions << option;
            }
            fields.afterPaymentOption = [this] { ++optionRuns; };
        }
        fields.selectionList = new QTreeWidget(this);
        fields.selectionList->setColumnCount(2);
        fields.selectionList->setGeometry(330, 10, 250, 150);
        fields.addLine = [this] { addedLines << QStringList{values.quantity, values.unitPrice}; };
        entry = new DocumentEntry(fields, values, this);
        entry->registerReturnKeys(keys);
        resize(600, 320);
    }

    StockValues values;
    DocumentFields fields;
    ReturnKeys keys;
    DocumentEntry *entry;
    QList<QStringList> addedLines;
    QStringList shownNumbers;
    int optionRuns = 0;
};

void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QList<QStringList> rowsOf(const QTreeWidget *list)
{
    QList<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList row;
        for (int column = 0; column < list->columnCount(); ++column)
            row << list->topLevelItem(i)->text(column);
        rows << row;
    }
    return rows;
}

void clickRow(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void insertPartners(Db::Connection connection, const char *insert)
{
    for (const auto &[code, name] : {std::pair{"1", "Dupont"}, {"2", "DUBOIS"}, {"3", "durand sa"}, {"4", "ADU"}})
        exec(connection, insert, {QString::fromLatin1(code), QString::fromLatin1(name)});
}

void insertProduct(const QString &code, const QString &family, const QString &reference, const QString &designation,
    const QString &unit = QStringLiteral("u"), const QString &wholesalePrice = QStringLiteral("975"))
{
    exec(Db::prod,
        "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg,codefour) values (?,?,?,?,?,'0','0','0',?,'0')",
        {code, family, reference, designation, unit, wholesalePrice});
}

// Pages are found by kind in the data tables.
enum class Page { Reception, Delivery, Invoice, Regularisation };

struct PageFields {
    QWidget *page;
    QLineEdit *partner;
    QLineEdit *family;
    QLineEdit *reference;
    QLineEdit *designation;
    QWidget *unit;
    QLineEdit *quantity;
    QLineEdit *unitPrice;
    QTreeWidget *selection;
};

PageFields buildPage(Page kind, StockValues &values)
{
    switch (kind) {
    case Page::Reception: {
        auto *page = new ReceptionPage(values);
        return {page, page->supplierEdit, page->familyEdit, page->referenceEdit, page->designationEdit, page->unitBox,
            page->quantityEdit, page->unitPriceEdit, page->selectionList};
    }
    case Page::Delivery: {
        auto *page = new DeliveryPage(values);
        return {page, page->clientEdit, page->familyEdit, page->referenceEdit, page->designationEdit, page->unitEdit,
            page->quantityEdit, page->unitPriceEdit, page->selectionList};
    }
    case Page::Invoice: {
        auto *page = new InvoicePage(InvoiceKind::Sales, values);
        return {page, page->clientEdit, page->familyEdit, page->referenceEdit, page->designationEdit, page->unitEdit,
            page->quantityEdit, page->unitPriceEdit, page->selectionList};
    }
    case Page::Regularisation: {
        auto *page = new RegularisationPage(values);
        return {page, nullptr, page->familyEdit, page->referenceEdit, page->designationEdit, nullptr,
            page->entryQuantityEdit, nullptr, page->selectionList};
    }
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Page)

class TestDocumentEntry : public QObject {
    Q_OBJECT

private slots:
    void partnersOfferedAsTyped_data();
    void partnersOfferedAsTyped();
    void familiesAndReferencesOfferedOnce_data();
    void familiesAndReferencesOfferedOnce();
    void emptyFieldOffersNothing();
    void focusRefillsTheList();
    void choosingAProduct_data();
    void choosingAProduct();
    void choosingFamilyThenReference();
    void choosingAPartner_data();
    void choosingAPartner();
    void choosingAClientShowsDetailsOnInvoices();
    void returnWalksTheChain_data();
    void returnWalksTheChain();
    void returnInDesignationLooksTheProductUp();
    void unknownDesignationLeavesFields();
    void choosingALine_data();
    void choosingALine();
    void paymentOptionsWriteTheirTexts_data();
    void paymentOptionsWriteTheirTexts();
    void numberChosenFromListShowsDocument();
    void typedNumberLoadsNothing();
    void dateChangeIsCopied();
    void returnInSelectionListChooses();
};

void TestDocumentEntry::partnersOfferedAsTyped_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QList<QStringList>>("offered");
    QTest::addColumn<QString>("mode");
    const QList<QStringList> withCodes{{"2", "DUBOIS"}, {"1", "DUPONT"}, {"3", "DURAND SA"}};
    QTest::newRow("suppliers on receptions") << Page::Reception << withCodes << "FOUR";
    QTest::newRow("clients on deliveries") << Page::Delivery << withCodes << "CLIENT";
    QTest::newRow("clients on invoices, one column")
        << Page::Invoice << QList<QStringList>{{"DUBOIS", ""}, {"DUPONT", ""}, {"DURAND SA", ""}} << "CLIENT";
}

void TestDocumentEntry::partnersOfferedAsTyped()
{
    QFETCH(Page, page);
    QFETCH(QList<QStringList>, offered);
    QFETCH(QString, mode);
    TestDatabase db;
    insertPartners(Db::four, "insert into ffour (Codefour,four) values (?,?)");
    insertPartners(Db::client, "insert into fclient (Codeclient,client) values (?,?)");
    StockValues values;
    const PageFields fields = buildPage(page, values);
    std::unique_ptr<QWidget> owner(fields.page);

    QTest::keyClicks(fields.partner, QStringLiteral("du"));

    QCOMPARE(rowsOf(fields.selection), offered);
    QCOMPARE(values.lookupMode, mode);
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestDocumentEntry::familiesAndReferencesOfferedOnce_data()
{
    QTest::addColumn<bool>("family");
    QTest::addColumn<QList<QStringList>>("offered");
    QTest::addColumn<QString>("mode");
    QTest::newRow("families") << true << QList<QStringList>{{"", "OPTIQUE"}, {"", "OUTILS"}} << "FAM";
    QTest::newRow("references") << false << QList<QStringList>{{"", "OR-1"}, {"", "OR-2"}} << "REF";
}

void TestDocumentEntry::familiesAndReferencesOfferedOnce()
{
    QFETCH(bool, family);
    QFETCH(QList<QStringList>, offered);
    QFETCH(QString, mode);
    TestDatabase db;
    insertProduct("1", "OUTILS", "OR-2", "MARTEAU");
    insertProduct("2", "OUTILS", "OR-1", "PINCE");
    insertProduct("3", "OPTIQUE", "OR-1", "LOUPE");
    insertProduct("4", "PEINTURE", "PX", "ROULEAU");
    insertProduct("5", "OUTILS", "OR-2", "TENAILLE");
    StockValues values;
    DeliveryPage page(values);

    QTest::keyClicks(family ? page.familyEdit : page.referenceEdit, QStringLiteral("o"));

    QCOMPARE(rowsOf(page.selectionList), offered);
    QCOMPARE(values.lookupMode, mode);
}

void TestDocumentEntry::emptyFieldOffersNothing()
{
    TestDatabase db;
    insertProduct("1", "OUTILS", "R", "MARTEAU");
    StockValues values;
    values.lookupMode = QStringLiteral("CLIENT");
    DeliveryPage page(values);
    QTest::keyClicks(page.designationEdit, QStringLiteral("m"));
    QCOMPARE(page.selectionList->topLevelItemCount(), 1);

    QTest::keyClick(page.designationEdit, Qt::Key_Backspace);

    // Emptying the field leaves the list as it was.
    QCOMPARE(page.selectionList->topLevelItemCount(), 1);
    QCOMPARE(values.lookupMode, QStringLiteral("PROD"));
}

void TestDocumentEntry::focusRefillsTheList()
{
    TestDatabase db;
    insertProduct("1", "OUTILS", "R", "MARTEAU");
    exec(Db::client, "insert into fclient (Codeclient,client) values (1,'MARTIN')");
    StockValues values;
    DeliveryPage page(values);
    page.clientEdit->setText(QStringLiteral("MAR"));
    page.designationEdit->setText(QStringLiteral("MAR"));
    showActive(&page);

    page.clientEdit->setFocus();
    QCOMPARE(rowsOf(page.selectionList), (QList<QStringList>{{"1", "MARTIN"}}));
    page.designationEdit->setFocus();
    QCOMPARE(rowsOf(page.selectionList), (QList<QStringList>{{"1", "MARTEAU"}}));
    QCOMPARE(values.lookupMode, QStringLiteral("PROD"));
}

void TestDocumentEntry::choosingAProduct_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("wholesalePrice");
    QTest::addColumn<QString>("shownPrice");
    QTest::addColumn<QString>("productCode");
    QTest::addColumn<QString>("stored");
    const QString mixedCase = QStringLiteral("Vis a bois");
    QTest::newRow("reception, by code") << Page::Reception << "975"
                                        << "9.75"
                                        << "12" << mixedCase;
    QTest::newRow("delivery, by code") << Page::Delivery << "975"
                                       << "9.75"
                                       << "12" << mixedCase;
    QTest::newRow("small price keeps its digits") << Page::Delivery << "50"
                                                  << ".50"
                                                  << "12" << mixedCase;
    // The invoice tabs look the product up by the designation as shown, in capitals.
    QTest::newRow("invoice, by designation") << Page::Invoice << "123456"
                                             << "1234.56"
                                             << ""
                                             << "VIS A BOIS";
    QTest::newRow("regularisation, no price") << Page::Regularisation << "975"
                                              << ""
                                              << "12" << mixedCase;
}

void TestDocumentEntry::choosingAProduct()
{
    QFETCH(Page, page);
    QFETCH(QString, wholesalePrice);
    QFETCH(QString, shownPrice);
    QFETCH(QString, productCode);
    QFETCH(QString, stored);
    TestDatabase db;
    insertProduct("11", "OUTILS", "A1", "MARTEAU", "pce", "100");
    insertProduct("12", "QUINC", "vx-8", stored, "bte", wholesalePrice);
    StockValues values;
    const PageFields fields = buildPage(page, values);
    std::unique_ptr<QWidget> owner(fields.page);
    showActive(fields.page);

    QTest::keyClicks(fields.designation, QStringLiteral("vis"));
    QCOMPARE(fields.selection->topLevelItemCount(), 1);
    clickRow(fields.selection, 0);

    QCOMPARE(fields.designation->text(), QStringLiteral("VIS A BOIS"));
    QCOMPARE(fields.family->text(), QStringLiteral("QUINC"));
    QCOMPARE(fields.reference->text(), QStringLiteral("VX-8"));
    if (fields.unit)
        QCOMPARE(unitText(fields.unit), QStringLiteral("BTE"));
    if (fields.unitPrice)
        QCOMPARE(fields.unitPrice->text(), shownPrice);
    QCOMPARE(fields.selection->topLevelItemCount(), 0);
    QVERIFY(fields.quantity->hasFocus());
    QCOMPARE(values.designation, QStringLiteral("VIS A BOIS"));
    QCOMPARE(values.productCode, productCode);
    QCOMPARE(values.family, QStringLiteral("QUINC"));
}

void TestDocumentEntry::choosingFamilyThenReference()
{
    TestDatabase db;
    insertProduct("1", "OUTILS", "R-1", "MARTEAU");
    StockValues values;
    values.productCode = QStringLiteral("99");
    DeliveryPage page(values);
    showActive(&page);

    QTest::keyClicks(page.familyEdit, QStringLiteral("ou"));
    clickRow(page.selectionList, 0);
    QCOMPARE(page.familyEdit->text(), QStringLiteral("OUTILS"));
    QCOMPARE(values.family, QStringLiteral("OUTILS"));
    QVERIFY(values.productCode.isEmpty());
    QCOMPARE(page.selectionList->topLevelItemCount(), 0);
    QVERIFY(page.referenceEdit->hasFocus());

    QTest::keyClicks(page.referenceEdit, QStringLiteral("r"));
    clickRow(page.selectionList, 0);
    QCOMPARE(page.referenceEdit->text(), QStringLiteral("R-1"));
    QCOMPARE(values.reference, QStringLiteral("R-1"));
    QVERIFY(page.designationEdit->hasFocus());
}

void TestDocumentEntry::choosingAPartner_data()
{
    QTest::addColumn<Page>("page");
    QTest::newRow("supplier") << Page::Reception;
    QTest::newRow("client") << Page::Delivery;
}

void TestDocumentEntry::choosingAPartner()
{
    QFETCH(Page, page);
    TestDatabase db;
    insertPartners(Db::four, "insert into ffour (Codefour,four) values (?,?)");
    insertPartners(Db::client, "insert into fclient (Codeclient,client) values (?,?)");
    StockValues values;
    const PageFields fields = buildPage(page, values);
    std::unique_ptr<QWidget> owner(fields.page);
    showActive(fields.page);

    QTest::keyClicks(fields.partner, QStringLiteral("dup"));
    clickRow(fields.selection, 0);

    QCOMPARE(fields.partner->text(), QStringLiteral("DUPONT"));
    QCOMPARE(values.partnerName, QStringLiteral("DUPONT"));
    QCOMPARE(values.partnerCode, QStringLiteral("1"));
    QCOMPARE(fields.selection->topLevelItemCount(), 0);
    QVERIFY(fields.designation->hasFocus());
}

void TestDocumentEntry::choosingAClientShowsDetailsOnInvoices()
{
    TestDatabase db;
    exec(Db::client,
        "insert into fclient (Codeclient,client,Ad,Tel,Rc,Mf,Art,Nis,Si) values "
        "(7,'SARL NOUR','12 rue X','021','RC9','MF9','ART9','NIS9','5000')");
    StockValues values;
    InvoicePage page(InvoiceKind::Proforma, values);
    showActive(&page);

    QTest::keyClicks(page.clientEdit, QStringLiteral("sarl"));
    clickRow(page.selectionList, 0);

    QCOMPARE(page.clientEdit->text(), QStringLiteral("SARL NOUR"));
    const QStringList shown{page.addressEdit->text(), page.rcEdit->text(), page.mfEdit->text(),
        page.articleEdit->text(), page.nisEdit->text()};
    QCOMPARE(shown, (QStringList{"12 rue X", "RC9", "MF9", "ART9", "NIS9"}));
    QCOMPARE(values.partnerCode, QStringLiteral("7"));
    QCOMPARE(values.partnerTelephone, QStringLiteral("021"));
    QCOMPARE(values.partnerInitialBalance, QStringLiteral("5000"));
    QVERIFY(page.designationEdit->hasFocus());
}

void TestDocumentEntry::returnWalksTheChain_data()
{
    QTest::addColumn<bool>("regularisation");
    QTest::newRow("document tabs") << false;
    QTest::newRow("regularisation tab") << true;
}

void TestDocumentEntry::returnWalksTheChain()
{
    QFETCH(bool, regularisation);
    TestDatabase db;
    EntryForm form(regularisation);
    showActive(&form);
    const DocumentFields &f = form.fields;
    const QList<QWidget *> chain = regularisation ? QList<QWidget *>{f.familyEdit, f.referenceEdit, f.designationEdit,
                                       f.quantityEdit, f.exitQuantityEdit, f.observationsEdit}
                                                  : QList<QWidget *>{f.familyEdit, f.referenceEdit, f.designationEdit,
                                                      f.unitEdit, f.quantityEdit, f.unitPriceEdit};
    if (!regularisation) {
        f.partnerEdit->setFocus();
        QTest::keyClick(f.partnerEdit, Qt::Key_Return);
        QVERIFY(f.designationEdit->hasFocus());
    }
    f.familyEdit->setFocus();
    QTest::keyClicks(f.referenceEdit, QStringLiteral("R-9"));
    QTest::keyClicks(f.quantityEdit, QStringLiteral("2"));
    if (!regularisation)
        QTest::keyClicks(f.unitPriceEdit, QStringLiteral("1.5"));
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QVERIFY2(chain[i]->hasFocus(), qPrintable(QString::number(i)));
        QTest::keyClick(chain[i], Qt::Key_Return);
        QVERIFY2(chain[i + 1]->hasFocus(), qPrintable(QString::number(i)));
        QVERIFY(form.addedLines.isEmpty());
    }
    QCOMPARE(form.values.reference, QStringLiteral("R-9"));

    QTest::keyClick(chain.last(), Qt::Key_Return);

    QCOMPARE(form.addedLines.size(), 1);
    QCOMPARE(form.addedLines[0][0], QStringLiteral("2"));
    QCOMPARE(form.addedLines[0][1], regularisation ? QString() : QStringLiteral("1.5"));
}

void TestDocumentEntry::returnInDesignationLooksTheProductUp()
{
    TestDatabase db;
    insertProduct("4", "QUINC", "vx-8", "VIS", "bte");
    EntryForm form(false);
    showActive(&form);
    form.fields.designationEdit->setText(QStringLiteral("VIS"));
    form.fields.designationEdit->setFocus();

    QTest::keyClick(form.fields.designationEdit, Qt::Key_Return);

    QCOMPARE(form.fields.familyEdit->text(), QStringLiteral("QUINC"));
    QCOMPARE(form.fields.referenceEdit->text(), QStringLiteral("vx-8"));
    QCOMPARE(unitText(form.fields.unitEdit), QStringLiteral("bte"));
    QCOMPARE(form.values.designation, QStringLiteral("VIS"));
    QVERIFY(form.fields.unitEdit->hasFocus());
}

void TestDocumentEntry::unknownDesignationLeavesFields()
{
    TestDatabase db;
    EntryForm form(true);
    showActive(&form);
    form.fields.familyEdit->setText(QStringLiteral("F"));
    form.fields.designationEdit->setText(QStringLiteral("NOUVEAU"));
    form.fields.designationEdit->setFocus();

    QTest::keyClick(form.fields.designationEdit, Qt::Key_Return);

    QCOMPARE(form.fields.familyEdit->text(), QStringLiteral("F"));
    QVERIFY(form.fields.quantityEdit->hasFocus());
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestDocumentEntry::choosingALine_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("delivery") << Page::Delivery << QStringList{"7", "VIS", "BTE", "2.00", "1 500.00", "3 000.00"}
                              << QStringList{"QUINC", "R7", "VIS", "BTE", "2.00", "1 500.00", "3 000.00"};
    QTest::newRow("regularisation entry 10")
        << Page::Regularisation << QStringList{"7", "VIS", "10.00", "0.00", "CASSE"}
        << QStringList{"QUINC", "R7", "VIS", "10.00", "0.00", "CASSE"};
}

void TestDocumentEntry::choosingALine()
{
    QFETCH(Page, page);
    QFETCH(QStringList, row);
    QFETCH(QStringList, shown);
    TestDatabase db;
    insertProduct("7", "QUINC", "R7", "VIS");
    StockValues values;
    QStringList texts;
    if (page == Page::Delivery) {
        DeliveryPage delivery(values);
        showActive(&delivery);
        addListRow(delivery.linesList, row);
        clickRow(delivery.linesList, 0);
        texts = {delivery.familyEdit->text(), delivery.referenceEdit->text(), delivery.designationEdit->text(),
            delivery.unitEdit->text(), delivery.quantityEdit->text(), delivery.unitPriceEdit->text(),
            delivery.amountEdit->text()};
        QCOMPARE(values.amount, QStringLiteral("3 000.00"));
    } else {
        RegularisationPage regularisation(values);
        showActive(&regularisation);
        addListRow(regularisation.linesList, row);
        clickRow(regularisation.linesList, 0);
        texts = {regularisation.familyEdit->text(), regularisation.referenceEdit->text(),
            regularisation.designationEdit->text(), regularisation.entryQuantityEdit->text(),
            regularisation.exitQuantityEdit->text(), regularisation.observationsEdit->text()};
    }
    QCOMPARE(texts, shown);
    QCOMPARE(values.productCode, QStringLiteral("7"));
}

void TestDocumentEntry::paymentOptionsWriteTheirTexts_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("text");
    QTest::newRow("ESPECE") << 0 << "ESPECE";
    QTest::newRow("CHEQUE") << 1 << "Chèque n°";
    QTest::newRow("VIREMENT") << 2 << "Virement n°";
    QTest::newRow("A TERME") << 3 << "A TERME";
}

void TestDocumentEntry::paymentOptionsWriteTheirTexts()
{
    QFETCH(int, option);
    QFETCH(QString, text);
    TestDatabase db;
    EntryForm form(false);
    form.fields.paymentModeEdit->setText(QStringLiteral("old"));
    showActive(&form);

    QTest::mouseClick(form.fields.paymentOptions[option], Qt::LeftButton);

    QCOMPARE(form.fields.paymentModeEdit->text(), text);
    QCOMPARE(form.values.paymentMode, text);
    QCOMPARE(form.optionRuns, 1);
}

void TestDocumentEntry::numberChosenFromListShowsDocument()
{
    TestDatabase db;
    EntryForm form(false);
    showActive(&form);
    QComboBox *box = form.fields.numberBox;

    box->showPopup();
    QAbstractItemView *view = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 0)).center());

    QCOMPARE(form.shownNumbers, QStringList{"2"});
}

void TestDocumentEntry::typedNumberLoadsNothing()
{
    TestDatabase db;
    EntryForm form(false);
    showActive(&form);
    QComboBox *box = form.fields.numberBox;
    box->setFocus();

    QTest::keyClicks(box, QStringLiteral("2"));
    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(box->currentText(), QStringLiteral("2"));
    // Neither Return nor leaving the box loads the typed number.
    form.fields.familyEdit->setFocus();
    QVERIFY(form.fields.familyEdit->hasFocus());
    QVERIFY(form.shownNumbers.isEmpty());
}

void TestDocumentEntry::dateChangeIsCopied()
{
    TestDatabase db;
    EntryForm form(false);
    form.fields.dateEdit->setDate(QDate(2024, 3, 5));
    QCOMPARE(form.values.dateText, QStringLiteral("05/03/2024"));
}

void TestDocumentEntry::returnInSelectionListChooses()
{
    TestDatabase db;
    insertProduct("1", "OUTILS", "R", "MARTEAU");
    insertProduct("2", "OUTILS", "R", "MASSE");
    EntryForm form(false);
    showActive(&form);
    QTest::keyClicks(form.fields.designationEdit, QStringLiteral("ma"));
    QTreeWidget *list = form.fields.selectionList;
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(1));

    QTest::keyClick(list, Qt::Key_Return);

    QCOMPARE(form.fields.designationEdit->text(), QStringLiteral("MASSE"));
    QCOMPARE(form.values.productCode, QStringLiteral("2"));
    QVERIFY(form.fields.quantityEdit->hasFocus());
}

QTEST_MAIN(TestDocumentEntry)
#include "tst_documententry.moc"
