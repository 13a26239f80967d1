#include "stock/stockwindow.h"

#include "common/conversions.h"
#include "common/returnkeys.h"
#include "stock/deliverypage.h"
#include "stock/invoicepage.h"
#include "stock/numberlists.h"
#include "stock/receptionpage.h"
#include "stock/regularisationpage.h"
#include "stock/stockcardpage.h"
#include "stock/stockjournalpages.h"
#include "storage/database.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace {

const QColor windowBackground(196, 187, 233);
constexpr int tabsLeft = 10;
constexpr int tabsTop = 10;
constexpr int tabsWidthMargin = 50;
constexpr int tabsHeightMargin = 100;

} // namespace

StockWindow::StockWindow(QWidget *parent)
    : ModuleWindow(parent)
    , m_returnKeys(new ReturnKeys(this))
{
    const qint64 productCount = queryInteger(Db::prod, "select count(codeprod) from fprod");
    m_values.dateText = todayText();

    setWindowTitle(QStringLiteral("Logiciel de gestion commerciale"));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowBackground);
    setPalette(windowPalette);
    setAutoFillBackground(true);

    const QSize desktop = QGuiApplication::primaryScreen()->size();
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setGeometry(tabsLeft, tabsTop, desktop.width() - tabsWidthMargin, desktop.height() - tabsHeightMargin);
    // The window's colour frames the tabs; the pages keep the usual one.
    QPalette pagesPalette = tabs->palette();
    pagesPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    tabs->setPalette(pagesPalette);
    buildTabs();
    // An empty range would make the bar a busy indicator.
    journalAtCostPage->progressBar->setRange(0, int(std::max<qint64>(1, productCount)));
    fillLists();

    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == Close)
            emit left();
    });
}

void StockWindow::buildTabs()
{
    receptionPage = new ReceptionPage(m_values, this);
    deliveryPage = new DeliveryPage(m_values, this);
    invoicePage = new InvoicePage(InvoiceKind::Sales, m_values, this);
    proformaPage = new InvoicePage(InvoiceKind::Proforma, m_values, this);
    regularisationPage = new RegularisationPage(m_values, this);
    journalAtCostPage = new StockJournalAtCostPage(m_values, this);
    journalAtSalePricePage = new StockJournalAtSalePricePage(m_values, this);
    stockCardPage = new StockCardPage(m_values, this);

    tabs->addTab(receptionPage, QStringLiteral(" RECEPTION "));
    tabs->addTab(deliveryPage, QStringLiteral(" LIVRAISON "));
    tabs->addTab(invoicePage, QStringLiteral(" FACTURE VENTE "));
    tabs->addTab(proformaPage, QStringLiteral(" FACTURE PROFORMA "));
    tabs->addTab(regularisationPage, QStringLiteral(" REGULARISATION MANUELLE DU STOCK "));
    tabs->addTab(journalAtCostPage, QStringLiteral(" JOURNAL DE STOCK (PMP)"));
    tabs->addTab(journalAtSalePricePage, QStringLiteral(" JOURNAL DE STOCK (Prix de vente)"));
    tabs->addTab(stockCardPage, QStringLiteral(" FICHE DE STOCK "));
    tabs->addTab(new QWidget(this), QStringLiteral(" FERMER"));

    receptionPage->registerReturnKeys(*m_returnKeys);
    deliveryPage->registerReturnKeys(*m_returnKeys);
    invoicePage->registerReturnKeys(*m_returnKeys);
    proformaPage->registerReturnKeys(*m_returnKeys);
    regularisationPage->registerReturnKeys(*m_returnKeys);
    stockCardPage->registerReturnKeys(*m_returnKeys);
}

void StockWindow::fillLists()
{
    fillReceptionNumbers(receptionPage->numberBox);
    fillDeliveryNumbers(deliveryPage->numberBox);
    fillRegularisationNumbers(regularisationPage->numberBox);
    fillFamilyFilter(journalAtCostPage->familyBox);
}

void StockWindow::openOn(int screen)
{
    tabs->setCurrentIndex(std::clamp(screen, int(Receptions), int(StockCard)));
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    show();
    raise();
    activateWindow();
}

void openStockWindow(int screen)
{
    runKeptWindow<StockWindow>(screen);
}
