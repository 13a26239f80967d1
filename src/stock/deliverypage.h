#pragma once

#include "stock/documententry.h"
#include "stock/stockvalues.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class ReturnKeys;

// Tab 1 " LIVRAISON ": delivery notes to clients.
class DeliveryPage : public QWidget {
public:
    explicit DeliveryPage(StockValues &values, QWidget *parent = nullptr);

    void registerReturnKeys(ReturnKeys &keys);

    // "Nouvelle livraison": an empty tab under the next delivery number, input in "Client:".
    void newDeliveryNumber();
    void clearDeliveryTab();
    // A number chosen from the "N° BL:" list; loading the stored lines comes with the
    // delivery operations.
    void showDelivery();
    // "Valider" or Return in "Prix unitaire:"; writing the line comes with the delivery operations.
    void addDeliveryLine();

    QLabel *titleLabel;
    QComboBox *numberBox;
    QDateEdit *dateEdit;
    QLineEdit *clientEdit;
    QLineEdit *familyEdit;
    QLineEdit *referenceEdit;
    QLineEdit *designationEdit;
    QTreeWidget *selectionList;
    QLineEdit *unitEdit;
    QLineEdit *quantityEdit;
    QLineEdit *unitPriceEdit;
    QLineEdit *amountEdit;
    QPushButton *printButton;
    QPushButton *cancelDeliveryButton;
    QPushButton *deleteLineButton;
    QPushButton *newDeliveryButton;
    QPushButton *validateButton;
    QTreeWidget *linesList;
    QLineEdit *truckEdit;
    QLineEdit *driverEdit;
    QLineEdit *registrationEdit;
    QLabel *totalLabel;
    DocumentEntry *entry;

private:
    StockValues &m_values;
};
