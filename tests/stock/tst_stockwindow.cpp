#include "common/conversions.h"
#include "common/screenfonts.h"
#include "stock/deliverypage.h"
#include "stock/invoicepage.h"
#include "stock/numberlists.h"
#include "stock/receptionpage.h"
#include "stock/regularisationpage.h"
#include "stock/stockcardpage.h"
#include "stock/stockjournalpages.h"
#include "stock/stockwindow.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void chooseFromList(QComboBox *box, int index)
{
    box->showPopup();
    QAbstractItemView *view = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
}

void insertReception(int number)
{
    exec(Db::br, "insert into fbr (Numdoc,CodeProd) values (?,'9999')", {QString::number(number)});
}

StockWindow *keptStockWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = dynamic_cast<StockWindow *>(widget))
            return window;
    }
    return nullptr;
}

QColor viewBackground(const QTreeWidget *list)
{
    return list->viewport()->palette().color(QPalette::Base);
}

} // namespace

class TestStockWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void nineTabsInOrder();
    void titlesInTheTitleFont();
    void listColumns_data();
    void listColumns();
    void everyFieldHasACaption();
    void builtState();
    void numberLists_data();
    void numberLists();
    void listsAreFilledOnlyWhenEmpty();
    void nextNumbers_data();
    void nextNumbers();
    void newDocumentClearsTheTab_data();
    void newDocumentClearsTheTab();
    void dateFieldsSetTheCurrentDate_data();
    void dateFieldsSetTheCurrentDate();
    void closeTabLeaves();
    void reopeningKeepsContent();
    void reopeningKeepsAHalfEnteredReception();
    void openStockWindowRunsUntilLeft();
    void stockCardDesignationChosen();
};

void TestStockWindow::cleanup()
{
    destroyKeptWindows();
}

void TestStockWindow::nineTabsInOrder()
{
    TestDatabase db;
    StockWindow window;
    QStringList texts;
    for (int i = 0; i < window.tabs->count(); ++i)
        texts << window.tabs->tabText(i);
    QCOMPARE(texts,
        (QStringList{" RECEPTION ", " LIVRAISON ", " FACTURE VENTE ", " FACTURE PROFORMA ",
            " REGULARISATION MANUELLE DU STOCK ", " JOURNAL DE STOCK (PMP)", " JOURNAL DE STOCK (Prix de vente)",
            " FICHE DE STOCK ", " FERMER"}));
    QCOMPARE(window.tabs->widget(StockWindow::Receptions), window.receptionPage);
    QCOMPARE(window.tabs->widget(StockWindow::StockCard), window.stockCardPage);
    QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion commerciale"));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(196, 187, 233));
    const QSize desktop = QGuiApplication::primaryScreen()->size();
    QCOMPARE(window.tabs->geometry(), QRect(10, 10, desktop.width() - 50, desktop.height() - 100));
}

void TestStockWindow::titlesInTheTitleFont()
{
    TestDatabase db;
    StockWindow window;
    const QList<QPair<QLabel *, QString>> titles{{window.receptionPage->titleLabel, "BON DE RECEPTION"},
        {window.deliveryPage->titleLabel, "BON DE LIVRAISON"}, {window.invoicePage->titleLabel, "FACTURE VENTE"},
        {window.proformaPage->titleLabel, "FACTURE PROFORMA"},
        {window.regularisationPage->titleLabel, "REGULARISATION MANUELLE DU STOCK"},
        {window.journalAtCostPage->titleLabel, "JOURNAL DE STOCK (PMP)"},
        {window.journalAtSalePricePage->titleLabel, "JOURNAL DE STOCK (Prix de vente)"},
        {window.stockCardPage->titleLabel, "FICHE DE STOCK"}};
    for (const auto &[label, text] : titles) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font(), screenFont(ScreenFont::Title));
    }
}

void TestStockWindow::listColumns_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QColor>("background");
    const QStringList documentLines{
        "Code", " Désignation du produit", " U.M.", " Quantité", " Prix unitaire", " Montant"};
    const QList<int> documentWidths{40, 300, 90, 80, 100, 100};
    const QStringList invoiceLines{"Code", " Désignation", "U.M. ", "Qté  ", "P. U.  ", "Montant "};
    const QList<int> invoiceWidths{80, 280, 70, 90, 90, 90};
    const QColor selection(208, 242, 245);
    QTest::newRow("delivery lines") << 1 << "linesList" << documentLines << documentWidths << QColor(237, 243, 170);
    QTest::newRow("delivery selection") << 1 << "selectionList" << QStringList{"Code", "      Désignation"}
                                        << QList<int>{40, 300} << selection;
    QTest::newRow("invoice lines") << 2 << "linesList" << invoiceLines << invoiceWidths << QColor(206, 241, 241);
    QTest::newRow("invoice selection") << 2 << "selectionList" << QStringList{"Sélection...", ""} << QList<int>{190, 2}
                                       << selection;
    QTest::newRow("proforma lines") << 3 << "linesList" << invoiceLines << invoiceWidths << QColor(253, 252, 205);
    QTest::newRow("regularisation lines")
        << 4 << "linesList" << QStringList{"Code", "Désignation", "Qté entrée", "Qté sortie", "Observations"}
        << QList<int>{80, 350, 90, 90, 300} << QColor(216, 203, 235);
    QTest::newRow("regularisation selection")
        << 4 << "selectionList" << QStringList{"Code", "      Désignation"} << QList<int>{40, 300} << selection;
    QTest::newRow("journal at cost") << 5 << "journalList"
                                     << QStringList{"Code", " Désignation du produit", " Qté initiale", " Réception",
                                            " BRS entrée", " BRS sortie", " Livraison", " Stock final", " P. M. P.",
                                            " Valeur"}
                                     << QList<int>{60, 200, 70, 70, 70, 70, 70, 70, 70, 100} << QColor(250, 220, 167);
    QTest::newRow("journal at sale price")
        << 6 << "journalList"
        << QStringList{"Référence", " Désignation du produit", " Qté en stock", " Prix de vente", " Valeur"}
        << QList<int>{140, 300, 80, 80, 100} << QColor(248, 229, 154);
    QTest::newRow("stock card") << 7 << "cardList"
                                << QStringList{"Date", " Doc.", " N° doc.", " Mouvement du stock", " Qté entrée",
                                       " Qté sortie", " Stock"}
                                << QList<int>{100, 60, 60, 300, 80, 80, 80} << QColor(213, 225, 250);
}

void TestStockWindow::listColumns()
{
    QFETCH(int, tab);
    QFETCH(QString, list);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    QFETCH(QColor, background);
    TestDatabase db;
    StockWindow window;
    const auto *tree = window.tabs->widget(tab)->findChild<QTreeWidget *>(list);
    QVERIFY(tree);
    QStringList shownTitles;
    QList<int> shownWidths;
    for (int i = 0; i < tree->columnCount(); ++i) {
        shownTitles << tree->headerItem()->text(i);
        shownWidths << tree->columnWidth(i);
    }
    QCOMPARE(shownTitles, titles);
    QCOMPARE(shownWidths, widths);
    QCOMPARE(viewBackground(tree), background);
}

void TestStockWindow::everyFieldHasACaption()
{
    TestDatabase db;
    StockWindow window;
    for (int tab = StockWindow::Deliveries; tab <= StockWindow::StockCard; ++tab)
        QCOMPARE(unlabelledFields(window.tabs->widget(tab)), QStringList());
}

void TestStockWindow::builtState()
{
    TestDatabase db;
    for (int code = 1; code <= 3; ++code)
        exec(Db::prod, "insert into fprod (Codeprod,fam) values (?,'F')", {QString::number(code)});
    StockWindow window;
    QCOMPARE(window.values().dateText, todayText());
    QCOMPARE(window.journalAtCostPage->stopDateLabel->text(), todayText());
    QCOMPARE(window.journalAtSalePricePage->stopDateLabel->text(), todayText());
    QCOMPARE(window.journalAtCostPage->progressBar->maximum(), 3);
    QCOMPARE(window.invoicePage->cancelledLabel->text(), QString());
    QCOMPARE(window.invoicePage->cancelledLabel->palette().color(QPalette::WindowText), QColor(239, 26, 16));
    QVERIFY(!window.invoicePage->restoreInvoiceButton->isEnabled());
    QVERIFY(!window.proformaPage->restoreInvoiceButton);
    QVERIFY(!window.proformaPage->cancelledLabel);
    QCOMPARE(window.invoicePage->vatRateEdit->text(), QStringLiteral("19"));
    QCOMPARE(window.proformaPage->vatRateEdit->text(), QStringLiteral("19"));
    QCOMPARE(window.invoicePage->unitEdit->palette().color(QPalette::Base), QColor(252, 230, 136));
    QCOMPARE(window.invoicePage->linesList->font(), screenFont(ScreenFont::Arial9));
}

void TestStockWindow::numberLists_data()
{
    QTest::addColumn<QList<int>>("receptions");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("no reception") << QList<int>{} << QStringList{};
    QTest::newRow("5 cancelled is still listed")
        << QList<int>{1, 2, 3, 4, 6, 7, 8, 9, 10} << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QTest::newRow("starts at the lowest") << QList<int>{12, 14} << QStringList{"12", "13", "14"};
    QTest::newRow("never below 1") << QList<int>{0, 2} << QStringList{"1", "2"};
    QTest::newRow("a number typed by mistake lists the stored numbers only")
        << QList<int>{1, 3, 3, 2000000000} << QStringList{"1", "3", "2000000000"};
}

void TestStockWindow::numberLists()
{
    QFETCH(QList<int>, receptions);
    QFETCH(QStringList, listed);
    TestDatabase db;
    for (int number : receptions)
        insertReception(number);
    for (int number : {4, 6})
        exec(Db::bl, "insert into fbl (Numdoc,CodeProd) values (?,'1')", {QString::number(number)});
    for (int number : {3, 3, 7, 3})
        exec(Db::brs, "insert into fbrS (Numdoc,CodeProd) values (?,'1')", {QString::number(number)});
    for (const char *family : {"PEINTURE", "OUTILS", "PEINTURE", "OUTILS"})
        exec(Db::prod, "insert into fprod (Codeprod,fam) values ('1',?)", {QString::fromLatin1(family)});

    StockWindow window;

    QCOMPARE(itemsOf(window.receptionPage->numberBox), listed);
    QCOMPARE(itemsOf(window.deliveryPage->numberBox), (QStringList{"4", "5", "6"}));
    QCOMPARE(itemsOf(window.regularisationPage->numberBox), (QStringList{"3", "7"}));
    QCOMPARE(itemsOf(window.journalAtCostPage->familyBox), (QStringList{"OUTILS", "PEINTURE"}));
    // Nothing is chosen yet: no family filter, no document shown.
    for (const QComboBox *box :
        {window.deliveryPage->numberBox, window.regularisationPage->numberBox, window.journalAtCostPage->familyBox})
        QCOMPARE(box->currentText(), QString());
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestStockWindow::listsAreFilledOnlyWhenEmpty()
{
    TestDatabase db;
    insertReception(2);
    QComboBox box;
    box.addItem(QStringLiteral("9"));
    fillReceptionNumbers(&box);
    fillRegularisationNumbers(&box);
    fillFamilyFilter(&box);
    QCOMPARE(itemsOf(&box), QStringList{"9"});
}

void TestStockWindow::nextNumbers_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QString>("next");
    QTest::newRow("empty fbr") << "fbr" << QList<int>{} << "1";
    QTest::newRow("fbr") << "fbr" << QList<int>{3, 10, 7} << "11";
    QTest::newRow("empty fbl") << "fbl" << QList<int>{} << "1";
    QTest::newRow("fbl") << "fbl" << QList<int>{5} << "6";
    QTest::newRow("fbrS") << "fbrS" << QList<int>{2, 2} << "3";
}

void TestStockWindow::nextNumbers()
{
    QFETCH(QString, table);
    QFETCH(QList<int>, stored);
    QFETCH(QString, next);
    TestDatabase db;
    for (int number : stored) {
        const QString n = QString::number(number);
        if (table == QLatin1String("fbr"))
            exec(Db::br, "insert into fbr (Numdoc) values (?)", {n});
        else if (table == QLatin1String("fbl"))
            exec(Db::bl, "insert into fbl (Numdoc) values (?)", {n});
        else
            exec(Db::brs, "insert into fbrS (Numdoc) values (?)", {n});
    }
    const QString given = table == QLatin1String("fbr") ? nextReceptionNumber()
        : table == QLatin1String("fbl")                 ? nextDeliveryNumber()
                                                        : nextRegularisationNumber();
    QCOMPARE(given, next);
    // Nothing is written: asking twice gives the same number.
    QCOMPARE(table == QLatin1String("fbr")  ? nextReceptionNumber()
            : table == QLatin1String("fbl") ? nextDeliveryNumber()
                                            : nextRegularisationNumber(),
        next);
}

void TestStockWindow::newDocumentClearsTheTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("Nouvelle livraison") << int(StockWindow::Deliveries);
    QTest::newRow("Nouveau BRS") << int(StockWindow::Regularisations);
}

void TestStockWindow::newDocumentClearsTheTab()
{
    QFETCH(int, tab);
    TestDatabase db;
    exec(Db::bl, "insert into fbl (Numdoc) values ('8')");
    exec(Db::brs, "insert into fbrS (Numdoc) values ('3')");
    StockWindow window;
    window.openOn(tab);
    showActive(&window);
    QWidget *page = window.tabs->widget(tab);
    // The text fields of the tab, without those inside the number box and the date field.
    QList<QLineEdit *> fields;
    for (QLineEdit *field : page->findChildren<QLineEdit *>()) {
        if (!qobject_cast<QComboBox *>(field->parentWidget())
            && !qobject_cast<QAbstractSpinBox *>(field->parentWidget()))
            fields << field;
    }
    for (QLineEdit *field : fields)
        field->setText(QStringLiteral("X"));
    auto *lines = page->findChild<QTreeWidget *>(QStringLiteral("linesList"));
    new QTreeWidgetItem(lines, QStringList{"1", "VIS"});
    auto *numberBox = page->findChild<QComboBox *>(QStringLiteral("numberBox"));
    const QString newCaption
        = tab == StockWindow::Deliveries ? QStringLiteral("Nouvelle livraison") : QStringLiteral("Nouveau BRS");
    QPushButton *newButton = nullptr;
    for (QPushButton *button : page->findChildren<QPushButton *>()) {
        if (button->text() == newCaption)
            newButton = button;
    }
    QVERIFY(newButton);

    QTest::mouseClick(newButton, Qt::LeftButton);

    const QString next = tab == StockWindow::Deliveries ? QStringLiteral("9") : QStringLiteral("4");
    QCOMPARE(numberBox->currentText(), next);
    QCOMPARE(window.values().documentNumber, next);
    QCOMPARE(lines->topLevelItemCount(), 0);
    for (QLineEdit *field : fields)
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    if (tab == StockWindow::Deliveries)
        QVERIFY(window.deliveryPage->clientEdit->hasFocus());
    else
        QVERIFY(window.regularisationPage->designationEdit->hasFocus());
    // Nothing is written until a line is saved.
    QCOMPARE(readRows(Db::bl, "select Numdoc from fbl"), (QList<QStringList>{{"8"}}));
}

void TestStockWindow::dateFieldsSetTheCurrentDate_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("copied");
    QTest::newRow("receptions") << int(StockWindow::Receptions) << true;
    QTest::newRow("deliveries") << int(StockWindow::Deliveries) << true;
    QTest::newRow("invoices") << int(StockWindow::Invoices) << true;
    QTest::newRow("proformas") << int(StockWindow::Proformas) << false;
    QTest::newRow("regularisations") << int(StockWindow::Regularisations) << true;
}

void TestStockWindow::dateFieldsSetTheCurrentDate()
{
    QFETCH(int, tab);
    QFETCH(bool, copied);
    TestDatabase db;
    StockWindow window;
    auto *date = window.tabs->widget(tab)->findChild<QDateEdit *>(QStringLiteral("dateEdit"));
    QVERIFY(date);

    date->setDate(QDate(2023, 1, 9));

    QCOMPARE(window.values().dateText, copied ? QStringLiteral("09/01/2023") : todayText());
}

void TestStockWindow::closeTabLeaves()
{
    TestDatabase db;
    StockWindow window;
    window.openOn(StockWindow::Deliveries);
    QSignalSpy left(&window, &ModuleWindow::left);

    window.tabs->setCurrentIndex(StockWindow::Regularisations);
    QCOMPARE(left.count(), 0);
    window.tabs->setCurrentIndex(StockWindow::Close);
    QCOMPARE(left.count(), 1);

    window.close();
    QCOMPARE(left.count(), 2);
    QVERIFY(window.isVisible());
}

void TestStockWindow::reopeningKeepsContent()
{
    TestDatabase db;
    StockWindow window;
    window.openOn(StockWindow::Deliveries);
    QVERIFY(window.isMaximized());
    QCOMPARE(window.tabs->currentIndex(), int(StockWindow::Deliveries));
    QTest::keyClicks(window.deliveryPage->clientEdit, QStringLiteral("client du jour"));
    window.tabs->setCurrentIndex(StockWindow::Close);
    window.showMinimized();

    window.openOn(StockWindow::Regularisations);
    QVERIFY(!window.isMinimized());
    QCOMPARE(window.tabs->currentIndex(), int(StockWindow::Regularisations));
    window.openOn(StockWindow::Deliveries);
    QCOMPARE(window.tabs->currentIndex(), int(StockWindow::Deliveries));
    QCOMPARE(window.deliveryPage->clientEdit->text(), QStringLiteral("CLIENT DU JOUR"));
}

void TestStockWindow::reopeningKeepsAHalfEnteredReception()
{
    TestDatabase db;
    StockWindow window;
    window.openOn(StockWindow::Receptions);
    ReceptionPage *page = window.receptionPage;
    QTest::mouseClick(page->newReceptionButton, Qt::LeftButton);
    QTest::keyClicks(page->supplierEdit, QStringLiteral("dupont"));
    QTest::keyClicks(page->familyEdit, QStringLiteral("vis"));
    QTest::keyClicks(page->referenceEdit, QStringLiteral("v8"));
    QTest::keyClicks(page->designationEdit, QStringLiteral("vis 8"));
    QTest::keyClicks(page->quantityEdit, QStringLiteral("2"));
    QTest::keyClicks(page->unitPriceEdit, QStringLiteral("150"));
    QTest::keyClick(page->unitPriceEdit, Qt::Key_Return);
    QCOMPARE(page->linesList->topLevelItemCount(), 1);
    page->costsEdit->selectAll();
    QTest::keyClicks(page->costsEdit, QStringLiteral("10"));
    window.tabs->setCurrentIndex(StockWindow::Close);
    window.showMinimized();

    window.openOn(StockWindow::Receptions);
    QCOMPARE(window.tabs->currentIndex(), int(StockWindow::Receptions));
    QCOMPARE(page->numberBox->currentText(), QStringLiteral("1"));
    QCOMPARE(page->supplierEdit->text(), QStringLiteral("DUPONT"));
    QCOMPARE(page->linesList->topLevelItem(0)->text(5), QStringLiteral("300.00"));
    QCOMPARE(page->costsEdit->text(), QStringLiteral("10"));
    // The reception is finished after the return: saved with the costs typed before leaving.
    QTest::mouseClick(page->saveButton, Qt::LeftButton);
    QCOMPARE(db.dialogs.messages(), QStringList());
    QCOMPARE(readRows(Db::br, "select ht,frais,ttc from fbr where codeprod=9999"),
        (QList<QStringList>{{"30000", "1000", "31000"}}));
}

void TestStockWindow::openStockWindowRunsUntilLeft()
{
    TestDatabase db;
    QTimer::singleShot(0, this, [] {
        StockWindow *window = keptStockWindow();
        QVERIFY(window);
        QCOMPARE(window->tabs->currentIndex(), int(StockWindow::Deliveries));
        window->deliveryPage->clientEdit->setText(QStringLiteral("GARDE"));
        window->tabs->setCurrentIndex(StockWindow::Close);
    });
    openStockWindow(StockWindow::Deliveries);
    StockWindow *window = keptStockWindow();
    QVERIFY(window);
    QVERIFY(window->isMinimized());

    QTimer::singleShot(0, this, [window] {
        QCOMPARE(window->tabs->currentIndex(), int(StockWindow::Proformas));
        QVERIFY(!window->isMinimized());
        window->close();
    });
    openStockWindow(StockWindow::Proformas);

    QCOMPARE(keptStockWindow(), window);
    QCOMPARE(window->deliveryPage->clientEdit->text(), QStringLiteral("GARDE"));
    QVERIFY(window->isMinimized());
}

void TestStockWindow::stockCardDesignationChosen()
{
    TestDatabase db;
    exec(Db::prod, "insert into fprod (Codeprod,fam,ref,Prod) values ('5','F','REF-5','MARTEAU')");
    exec(Db::prod, "insert into fprod (Codeprod,fam,ref,Prod) values ('6','F','REF-6','PINCE')");
    StockWindow window;
    window.openOn(StockWindow::StockCard);
    showActive(&window);
    QComboBox *designations = window.stockCardPage->designationBox;
    designations->addItems({QStringLiteral("MARTEAU"), QStringLiteral("PINCE")});

    chooseFromList(designations, 1);

    QCOMPARE(window.stockCardPage->referenceBox->currentText(), QStringLiteral("REF-6"));
    QCOMPARE(window.values().productCode, QStringLiteral("6"));
}

QTEST_MAIN(TestStockWindow)
#include "tst_stockwindow.moc"
