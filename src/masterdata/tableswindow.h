#pragma once

#include "common/modulewindow.h"

class PartnerPage;
class ProductPage;
class QTabWidget;
class ReturnKeys;

// The tables window: products, clients and suppliers, one tab each, and a last tab that leaves.
// Built once; leaving only minimises it, so it keeps what it shows between openings.
class TablesWindow : public ModuleWindow {
    Q_OBJECT
public:
    enum Screen : int { Products = 0, Clients = 1, Suppliers = 2, Close = 3 };

    explicit TablesWindow(QWidget *parent = nullptr);

    // Shows the window: the first time on `screen`, afterwards restored on the products tab.
    // Lists still empty are filled.
    void openOn(int screen);

    QTabWidget *tabs;
    ProductPage *productPage;
    PartnerPage *clientPage;
    PartnerPage *supplierPage;

private:
    ReturnKeys *m_returnKeys;
    QString m_searchMode;
    bool m_opened = false;
};

// Opens the tables window on screen 0 (products), 1 (clients) or 2 (suppliers) and returns
// when the user leaves it.
void openTablesWindow(int screen);
