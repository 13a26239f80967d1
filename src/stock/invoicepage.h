#pragma once

#include "stock/documententry.h"
#include "stock/stockvalues.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class ReturnKeys;

// Tab 2 sales invoices (facv) and tab 3 proforma invoices (facp) share one layout.
enum class InvoiceKind { Sales, Proforma };

class InvoicePage : public QWidget {
public:
    InvoicePage(InvoiceKind kind, StockValues &values, QWidget *parent = nullptr);

    void registerReturnKeys(ReturnKeys &keys);
    InvoiceKind kind() const { return m_kind; }

    // The invoice operations connect here as they are written: a number chosen from the
    // "N° Facture:" list, "Valider" or Return in "Prix unitaire:", and a payment-mode option
    // or Return in "Taux TVA=".
    void showInvoice();
    void addInvoiceLine();
    void computeInvoiceTotals();

    QLabel *titleLabel;
    // Sales invoices only ("CETTE FACTURE EST ANNULEE" and "RECUPERER CETTE FACTURE"); nullptr
    // on the proforma tab.
    QLabel *cancelledLabel = nullptr;
    QPushButton *restoreInvoiceButton = nullptr;
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
    QGroupBox *clientBox;
    QLineEdit *addressEdit;
    QLineEdit *rcEdit;
    QLineEdit *mfEdit;
    QLineEdit *articleEdit;
    QLineEdit *nisEdit;
    QPushButton *printButton;
    QPushButton *cancelInvoiceButton;
    QPushButton *deleteButton;
    QPushButton *newInvoiceButton;
    QPushButton *validateButton;
    QTreeWidget *linesList;
    QLineEdit *paymentModeEdit;
    QRadioButton *cashOption;
    QRadioButton *chequeOption;
    QRadioButton *transferOption;
    QRadioButton *onAccountOption;
    QLineEdit *vatRateEdit;
    QLabel *totalHtLabel;
    QLabel *vatLabel;
    QLabel *stampLabel;
    QLabel *totalTtcLabel;
    QPushButton *saveInvoiceButton;
    DocumentEntry *entry;

private:
    void buildHeader();
    void buildEntryLine();
    void buildPayment();
    void buildTotals();

    InvoiceKind m_kind;
    StockValues &m_values;
};
