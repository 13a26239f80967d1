#include "common/modulewindow.h"
#include "masterdata/partnerpage.h"
#include "masterdata/productpage.h"
#include "masterdata/tableswindow.h"
#include "tablestest.h"
#include "testsupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

void chooseTab(TablesWindow &window, int index)
{
    QTabBar *bar = window.tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

QStringList columnTitles(const QTreeWidget *list)
{
    QStringList titles;
    for (int column = 0; column < list->columnCount(); ++column)
        titles << list->headerItem()->text(column) + QLatin1Char('/') + QString::number(list->columnWidth(column));
    return titles;
}

TablesWindow *shownTablesWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<TablesWindow *>(widget))
            return window;
    }
    return nullptr;
}

} // namespace

class TestTablesWindow : public QObject {
    Q_OBJECT
private slots:
    void firstOpeningShowsRequestedTab_data();
    void firstOpeningShowsRequestedTab();
    void reopeningShowsProductsAndKeepsContent();
    void closeTabAndCloseBoxLeave();
    void listsFilledInOrder();
    void captionsAndColumns();
    void openTablesWindowBuildsOnceAndMinimises();
};

void TestTablesWindow::firstOpeningShowsRequestedTab_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("products") << int(TablesWindow::Products);
    QTest::newRow("clients") << int(TablesWindow::Clients);
    QTest::newRow("suppliers") << int(TablesWindow::Suppliers);
}

void TestTablesWindow::firstOpeningShowsRequestedTab()
{
    QFETCH(int, screen);
    TestDatabase db;
    TablesWindow window;
    window.openOn(screen);
    QCOMPARE(window.tabs->currentIndex(), screen);
    QVERIFY(window.isVisible());
    QVERIFY(window.windowState() & Qt::WindowMaximized);
}

void TestTablesWindow::reopeningShowsProductsAndKeepsContent()
{
    TestDatabase db;
    exec(Db::prod, "insert into fprod (Codeprod,Prod) values (1,'A')");
    TablesWindow window;
    QSignalSpy left(&window, &ModuleWindow::left);
    openWindow(window, TablesWindow::Products);
    chooseTab(window, TablesWindow::Clients);
    QTest::keyClicks(window.clientPage->nameEdit, QStringLiteral("dupont"));
    chooseTab(window, TablesWindow::Close);
    QCOMPARE(left.size(), 1);
    window.showMinimized();

    // Stored meanwhile: the list that already holds lines is left as it is.
    exec(Db::prod, "insert into fprod (Codeprod,Prod) values (2,'B')");
    window.openOn(TablesWindow::Suppliers);

    QCOMPARE(window.tabs->currentIndex(), int(TablesWindow::Products));
    QVERIFY(!(window.windowState() & Qt::WindowMinimized));
    QCOMPARE(window.clientPage->nameEdit->text(), QStringLiteral("DUPONT"));
    QCOMPARE(window.productPage->productsList->topLevelItemCount(), 1);
    QCOMPARE(left.size(), 1);
}

void TestTablesWindow::closeTabAndCloseBoxLeave()
{
    TestDatabase db;
    TablesWindow window;
    QSignalSpy left(&window, &ModuleWindow::left);
    openWindow(window, TablesWindow::Suppliers);

    chooseTab(window, TablesWindow::Clients);
    QCOMPARE(left.size(), 0);
    chooseTab(window, TablesWindow::Close);
    QCOMPARE(left.size(), 1);

    window.openOn(TablesWindow::Clients);
    QVERIFY(!window.close());
    QCOMPARE(left.size(), 2);
    QVERIFY(window.isVisible());
}

void TestTablesWindow::listsFilledInOrder()
{
    TestDatabase db;
    exec(Db::prod, "insert into fprod values (3,'VIS','V8','VIS 8','U',120000,45,80,70,0)");
    exec(Db::prod, "insert into fprod values (1,'CLOU','C1','CLOU 1','KG',0,0,0,0,0)");
    exec(Db::prod, "insert into fprod values (2,'VIS','V6','VIS 6','U',0,0,0,0,0)");
    exec(Db::client, "insert into fclient values (2,'ZOE','','','','','','',123456789)");
    exec(Db::client, "insert into fclient values (5,'ADAM','','','','','','',0)");
    exec(Db::four, "insert into ffour values (9,'SOTUVER','TUNIS','71','RC','MF','ART','NIS',-5000)");
    TablesWindow window;
    window.openOn(TablesWindow::Products);

    QTreeWidget *products = window.productPage->productsList;
    QCOMPARE(products->topLevelItemCount(), 3);
    QCOMPARE(lineTexts(products, 0)[0], QStringLiteral("1"));
    QCOMPARE(lineTexts(products, 1)[0], QStringLiteral("2"));
    QCOMPARE(lineTexts(products, 2), (QStringList{"3", "VIS", "V8", "VIS 8", "U", "1 200.00", "0.45", "0.80", "0.70"}));
    QCOMPARE(products->topLevelItem(2)->textAlignment(0), int(Qt::AlignCenter));
    QCOMPARE(products->topLevelItem(2)->textAlignment(4), int(Qt::AlignCenter));
    QCOMPARE(products->topLevelItem(2)->textAlignment(8), int(Qt::AlignRight | Qt::AlignVCenter));

    QTreeWidget *clients = window.clientPage->recordsList;
    QCOMPARE(lineTexts(clients, 0)[1], QStringLiteral("ADAM"));
    QCOMPARE(lineTexts(clients, 1)[8], QStringLiteral("1 234 567.89"));
    QCOMPARE(clients->topLevelItem(1)->textAlignment(1), int(Qt::AlignCenter));
    QCOMPARE(lineTexts(window.supplierPage->recordsList, 0),
        (QStringList{"9", "SOTUVER", "TUNIS", "71", "RC", "MF", "ART", "NIS", "-50.00"}));
}

void TestTablesWindow::captionsAndColumns()
{
    TestDatabase db;
    TablesWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion commerciale - Tables"));
    QStringList tabs;
    for (int i = 0; i < window.tabs->count(); ++i)
        tabs << window.tabs->tabText(i);
    QCOMPARE(tabs, (QStringList{" Table des produits", " Table des clients", " Table des fournisseurs", " FERMER"}));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(250, 213, 152));

    QCOMPARE(columnTitles(window.productPage->productsList),
        (QStringList{"Code/40", "Famille/130", "Référence/90", "Désignation du produit/260", "U. M./50",
            "Qté initiale/70", "Prix d'achat/70", "P.Vente D./70", "P.Vente G./70"}));
    QCOMPARE(columnTitles(window.clientPage->recordsList),
        (QStringList{"Code/40", "Nom ou Raison sociale/150", "Adresse/100", "N° téléphone/100", "N° R. C./80",
            "Mat. fiscal/80", "N° article/80", "N. I. S./80", "Solde initial/80"}));
    QCOMPARE(columnTitles(window.supplierPage->searchList),
        (QStringList{"N°/40", QString(30, QLatin1Char(' ')) + "Désignation/380"}));
    QCOMPARE(window.supplierPage->recordsList->viewport()->palette().color(QPalette::Base), QColor(216, 205, 232));
    QCOMPARE(window.clientPage->searchList->viewport()->palette().color(QPalette::Base), QColor(253, 249, 203));

    // Every field is found by the label a person reads next to it.
    QStringList productCaptions;
    for (const QLabel *label : window.productPage->findChildren<QLabel *>()) {
        if (label->buddy())
            productCaptions << label->text() + QLatin1Char('>') + label->buddy()->objectName();
    }
    QCOMPARE(productCaptions,
        (QStringList{"Code interne:>codeLabel", "Famille de produits:>familyEdit", "Référence:>referenceEdit",
            "Désignation du produit:>designationEdit", "Unité de mesure:>unitEdit", "Quantité initiale:>quantityEdit",
            "Prix d'achat:>purchasePriceEdit", "Prix de vente détail:>retailPriceEdit",
            "Prix de vente en gros:>wholesalePriceEdit"}));
    QCOMPARE(unlabelledFields(&window), QStringList());
    QCOMPARE(window.supplierPage->newButton->text(), QStringLiteral("Nouveau four"));
    QCOMPARE(window.supplierPage->findChild<QLabel *>()->text(), QStringLiteral("TABLE DES FOURNISSEURS"));
}

void TestTablesWindow::openTablesWindowBuildsOnceAndMinimises()
{
    TestDatabase db;
    QPointer<TablesWindow> first;
    QTimer::singleShot(0, this, [&first] {
        first = shownTablesWindow();
        QVERIFY(first);
        QCOMPARE(first->tabs->currentIndex(), int(TablesWindow::Clients));
        first->tabs->setCurrentIndex(TablesWindow::Close);
    });
    openTablesWindow(TablesWindow::Clients);
    QVERIFY(first);
    QVERIFY(first->windowState() & Qt::WindowMinimized);

    int shownTab = -1;
    QTimer::singleShot(0, this, [&first, &shownTab] {
        shownTab = first->tabs->currentIndex();
        QVERIFY(!first->close());
    });
    openTablesWindow(TablesWindow::Suppliers);
    QCOMPARE(shownTab, int(TablesWindow::Products));
    QCOMPARE(shownTablesWindow(), first.data());

    destroyKeptWindows();
    QVERIFY(!first);
}

QTEST_MAIN(TestTablesWindow)
#include "tst_tableswindow.moc"
