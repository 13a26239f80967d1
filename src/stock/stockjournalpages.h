#pragma once

#include "stock/stockvalues.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// Tab 5 " JOURNAL DE STOCK (PMP)": the stock of every product valued at its purchase price.
class StockJournalAtCostPage : public QWidget {
public:
    explicit StockJournalAtCostPage(StockValues &values, QWidget *parent = nullptr);

    // "(#F8) Afficher"; the report comes with the stock reports.
    void showStockJournalAtCost();

    QLabel *titleLabel;
    QComboBox *familyBox;
    QLabel *stopDateLabel;
    QTreeWidget *journalList;
    QPushButton *printButton;
    // Range 0 to the number of products counted when the window was built.
    QProgressBar *progressBar;
    QPushButton *showButton;
    QCheckBox *showZeroStockCheck;
    QPushButton *exportButton;
    QLabel *progressLabel;
    QPushButton *openExcelButton;

private:
    StockValues &m_values;
};

// Tab 6 " JOURNAL DE STOCK (Prix de vente)": the stock valued at the retail sale price.
class StockJournalAtSalePricePage : public QWidget {
public:
    explicit StockJournalAtSalePricePage(StockValues &values, QWidget *parent = nullptr);

    // "(#F8) Afficher"; the report comes with the stock reports.
    void showStockJournalAtSalePrice();

    QLabel *titleLabel;
    QLabel *stopDateLabel;
    QTreeWidget *journalList;
    QPushButton *printButton;
    QPushButton *showButton;
    QCheckBox *showZeroStockCheck;

private:
    StockValues &m_values;
};
