#pragma once

#include "stock/stockvalues.h"

#include <QWidget>

class DocumentEntry;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class ReturnKeys;

// Tab 0 of the stock window: the reception form (bon de réception). The page lays out its
// controls and wires them to the reception operations (receptions.h); the keyboard entry shared
// by the document tabs (DocumentEntry) drives the type-ahead, the lists and the Return chain.
class ReceptionPage : public QWidget {
public:
    explicit ReceptionPage(StockValues &values, QWidget *parent = nullptr);

    // Return on tab 0: the entry chain ending in addReceptionLine, and computeReceptionTotals
    // on "FRAIS ET TAXES :" and "REMISE :".
    void registerReturnKeys(ReturnKeys &keys);

    StockValues &values() { return m_values; }

    QLabel *titleLabel;
    QComboBox *numberBox; // "N° DE BON:"
    QDateEdit *dateEdit;
    QLineEdit *supplierEdit;
    QLineEdit *familyEdit;
    QLineEdit *referenceEdit;
    QLineEdit *designationEdit;
    QComboBox *unitBox; // "U. M. :"
    QLineEdit *quantityEdit;
    QLineEdit *unitPriceEdit;
    QTreeWidget *selectionList;

    QPushButton *printButton;
    QPushButton *cancelReceptionButton;
    QPushButton *deleteLineButton;
    QPushButton *newReceptionButton;
    QPushButton *validateButton;

    QTreeWidget *linesList;

    QLineEdit *paymentModeEdit; // "Mode de payement:"
    QRadioButton *cashOption;
    QRadioButton *chequeOption;
    QRadioButton *transferOption;
    QRadioButton *onAccountOption;

    QLineEdit *balanceEdit; // "Nouveau solde"
    QLineEdit *truckEdit; // "Camion"
    QLineEdit *driverEdit; // "Chauffeur"
    QLineEdit *registrationEdit; // "Matricule"
    QLabel *stockLabel; // "Stock disponible"
    QLabel *purchasePriceLabel; // " P. M. P."

    QLineEdit *totalHtEdit; // "TOTAL HT :"
    QLineEdit *costsEdit; // "FRAIS ET TAXES :"
    QLineEdit *discountEdit; // "REMISE :"
    QLineEdit *totalTtcEdit; // "TOTAL TTC :"
    QPushButton *saveButton; // "ENREGISTRER LE BON DE RECEPTION"

private:
    void buildHeader();
    void buildButtonsAndLines();
    void buildSidePanel();
    void buildTotals();
    void connectEntry();
    void connectButtons();
    void showChosenProductFigures();

    StockValues &m_values;
    DocumentEntry *m_entry = nullptr;
    // What the selection list offered when a row of it was chosen.
    QString m_offered;
};
