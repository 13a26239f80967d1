#pragma once

#include "stock/stockvalues.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;
class ReturnKeys;

// Tab 7 " FICHE DE STOCK ": the movements of one product over a period.
class StockCardPage : public QWidget {
public:
    explicit StockCardPage(StockValues &values, QWidget *parent = nullptr);

    void registerReturnKeys(ReturnKeys &keys);

    // A designation chosen from its list: the product becomes the current one and its reference
    // is shown.
    void chooseDesignation();
    // "(#F8) Afficher"; the card comes with the stock reports.
    void showStockCard();

    QLabel *titleLabel;
    QComboBox *referenceBox;
    QComboBox *designationBox;
    QDateEdit *fromDateEdit;
    QDateEdit *toDateEdit;
    QPushButton *printButton;
    QPushButton *showButton;
    QTreeWidget *cardList;

private:
    StockValues &m_values;
};
