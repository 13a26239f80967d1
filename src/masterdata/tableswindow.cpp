#include "masterdata/tableswindow.h"

#include "common/returnkeys.h"
#include "masterdata/partnerpage.h"
#include "masterdata/productpage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

namespace {

const QColor windowBackground{250, 213, 152};
constexpr int tabsOffset = 10;
constexpr int tabsWidthMargin = 50;
constexpr int tabsHeightMargin = 100;

} // namespace

TablesWindow::TablesWindow(QWidget *parent)
    : ModuleWindow(parent)
    , m_returnKeys(new ReturnKeys(this))
{
    setWindowTitle(QStringLiteral("Logiciel de gestion commerciale - Tables"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, windowBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    const QSize desktop = QGuiApplication::primaryScreen()->size();
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setGeometry(tabsOffset, tabsOffset, desktop.width() - tabsWidthMargin, desktop.height() - tabsHeightMargin);
    // The window's colour stays around the tabs.
    QPalette tabColours = tabs->palette();
    tabColours.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    tabs->setPalette(tabColours);

    productPage = new ProductPage(*m_returnKeys, m_searchMode);
    productPage->setObjectName(QStringLiteral("productPage"));
    clientPage = new PartnerPage(clientTable(), *m_returnKeys, m_searchMode);
    clientPage->setObjectName(QStringLiteral("clientPage"));
    supplierPage = new PartnerPage(supplierTable(), *m_returnKeys, m_searchMode);
    supplierPage->setObjectName(QStringLiteral("supplierPage"));
    tabs->addTab(productPage, QStringLiteral(" Table des produits"));
    tabs->addTab(clientPage, QStringLiteral(" Table des clients"));
    tabs->addTab(supplierPage, QStringLiteral(" Table des fournisseurs"));
    tabs->addTab(new QWidget, QStringLiteral(" FERMER"));

    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == Close)
            emit left();
    });
}

void TablesWindow::openOn(int screen)
{
    if (m_opened) {
        tabs->setCurrentIndex(Products);
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
    } else {
        m_opened = true;
        tabs->setCurrentIndex(screen);
        // Fills the desktop even where no window manager maximises it.
        setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        showMaximized();
    }
    productPage->fillProductList();
    clientPage->fillPartnerList();
    supplierPage->fillPartnerList();
    activateWindow();
}

void openTablesWindow(int screen)
{
    runKeptWindow<TablesWindow>(screen);
}
