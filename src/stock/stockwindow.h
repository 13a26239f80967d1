#pragma once

#include "common/modulewindow.h"
#include "stock/stockvalues.h"

class DeliveryPage;
class InvoicePage;
class QTabWidget;
class ReceptionPage;
class RegularisationPage;
class ReturnKeys;
class StockCardPage;
class StockJournalAtCostPage;
class StockJournalAtSalePricePage;

// Opens the stock-movement window on tab 0..7 and returns when the user leaves it.
void openStockWindow(int screen);

// The stock-movement window: nine tabs sharing one set of current values. Built once and kept
// for the program's life, minimised when left, so a half-entered document is still there.
class StockWindow : public ModuleWindow {
public:
    enum Tab : int {
        Receptions,
        Deliveries,
        Invoices,
        Proformas,
        Regularisations,
        JournalAtCost,
        JournalAtSalePrice,
        StockCard,
        Close,
    };

    explicit StockWindow(QWidget *parent = nullptr);

    // Shows the window maximised, restoring it when minimised, on tab `screen`.
    void openOn(int screen);
    StockValues &values() { return m_values; }

    QTabWidget *tabs;
    ReceptionPage *receptionPage;
    DeliveryPage *deliveryPage;
    InvoicePage *invoicePage;
    InvoicePage *proformaPage;
    RegularisationPage *regularisationPage;
    StockJournalAtCostPage *journalAtCostPage;
    StockJournalAtSalePricePage *journalAtSalePricePage;
    StockCardPage *stockCardPage;

private:
    void buildTabs();
    void fillLists();

    StockValues m_values;
    ReturnKeys *m_returnKeys;
};
