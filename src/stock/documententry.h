#pragma once

#include "stock/stockvalues.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTreeWidget>

#include <functional>
#include <initializer_list>
#include <utility>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidgetItem;
class QWidget;
class ReturnKeys;

// The keyboard entry shared by the five document tabs of the stock window: type-ahead in the
// partner and product fields, choosing in the selection list, the Return chain ending in the
// tab's add-line operation, choosing a line of the lines list and the payment-mode options.
// A page fills a DocumentFields with its own widgets, leaves absent ones nullptr, and builds
// one DocumentEntry on it; the entry reads and writes the window's StockValues. Every tab has
// the family, reference, designation and quantity fields and the selection list.

enum class PartnerKind { None, Supplier, Client };

// Texts the payment-mode options write, in the order of DocumentFields::paymentOptions.
inline const QStringList paymentModeTexts{
    QStringLiteral("ESPECE"), QStringLiteral("Chèque n°"), QStringLiteral("Virement n°"), QStringLiteral("A TERME")};

// lookupMode values: what the selection list currently offers.
namespace LookupMode {
inline const QString supplier = QStringLiteral("FOUR");
inline const QString client = QStringLiteral("CLIENT");
inline const QString product = QStringLiteral("PROD");
inline const QString family = QStringLiteral("FAM");
inline const QString reference = QStringLiteral("REF");
} // namespace LookupMode

struct DocumentFields {
    // "N° DE BON:", "N° BL:", "N° Facture:", "N° BRS:"; choosing an entry of its list (not
    // typing, nor Return) runs showDocument.
    QComboBox *numberBox = nullptr;
    std::function<void()> showDocument;
    // "Date:": each change is copied to the current date text.
    QDateEdit *dateEdit = nullptr;

    // "Fournisseur:" (Supplier) or "Client:" (Client); nullptr and None on the BRS tab.
    QLineEdit *partnerEdit = nullptr;
    PartnerKind partner = PartnerKind::None;
    // Invoice tabs: filled from fclient when a client is chosen in the selection list.
    QLineEdit *addressEdit = nullptr;
    QLineEdit *rcEdit = nullptr;
    QLineEdit *mfEdit = nullptr;
    QLineEdit *articleEdit = nullptr;
    QLineEdit *nisEdit = nullptr;

    QLineEdit *familyEdit = nullptr;
    QLineEdit *referenceEdit = nullptr;
    QLineEdit *designationEdit = nullptr;
    // "U. M. :" (editable QComboBox on receptions) or "UM:" (QLineEdit); nullptr on the BRS tab.
    QWidget *unitEdit = nullptr;
    // "Quantité:", or "Quantité entrée:" on the BRS tab.
    QLineEdit *quantityEdit = nullptr;
    // "Prix unitaire:" and "Montant:"; nullptr where the tab has none.
    QLineEdit *unitPriceEdit = nullptr;
    QLineEdit *amountEdit = nullptr;
    // BRS tab only: "Quantité sortie:" and "Observations:" (Return there adds the line).
    QLineEdit *exitQuantityEdit = nullptr;
    QLineEdit *observationsEdit = nullptr;

    // Two columns (code, text) on receptions, deliveries and BRS; one visible column on the
    // invoice tabs (oneColumnSelection), where choosing a product looks it up by designation.
    QTreeWidget *selectionList = nullptr;
    bool oneColumnSelection = false;
    // Columns code, designation, unit, quantity, unit price, amount; on the BRS tab code,
    // designation, entry, exit, observations.
    QTreeWidget *linesList = nullptr;

    // The payment-mode text field and its options in the order ESPECE, CHEQUE, VIREMENT, A TERME.
    QLineEdit *paymentModeEdit = nullptr;
    QList<QRadioButton *> paymentOptions;
    // Run after an option has written its text (the invoice tabs recompute their totals).
    std::function<void()> afterPaymentOption;

    // Return in "Prix unitaire:" (or "Observations:" on the BRS tab), after the quantity and unit
    // price were copied to the current values: addReceptionLine, addDeliveryLine...
    std::function<void()> addLine;
};

class DocumentEntry : public QObject {
public:
    // Connects the type-ahead, the lists, the options, the number box and the date field.
    DocumentEntry(const DocumentFields &fields, StockValues &values, QObject *parent = nullptr);

    // The Return chain: partner -> designation; family -> reference -> designation -> unit ->
    // quantity -> unit price -> addLine (BRS: designation -> entry -> exit -> observations ->
    // addLine). Return in the number box does nothing; in a list it chooses the current row.
    // A page registers its other fields ("FRAIS ET TAXES :", "Taux TVA="...) itself.
    void registerReturnKeys(ReturnKeys &keys);

    const DocumentFields &fields() const { return m_fields; }

    // Refills the selection list from the text of a partner or product field (empty: nothing).
    void offerMatches(QLineEdit *field);
    // Acts on the chosen row of the selection list according to lookupMode.
    void chooseSelection(QTreeWidgetItem *row);
    // Brings a row of the lines list back into the entry fields.
    void chooseLine(QTreeWidgetItem *row);
    // Writes the text of option `index` (see paymentModeTexts) into the payment-mode field.
    void choosePaymentOption(int index);
    // Return in "Désignation:": looks the typed designation up and shows its family,
    // reference and unit.
    void findProductByDesignation();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isRegularisation() const { return m_fields.observationsEdit != nullptr; }
    void offerPartners(const QString &typed);
    void offerColumn(const char *statement, int column, const QString &typed);
    void offerProducts(const QString &typed);
    void addSelectionRow(const QString &code, const QString &text);
    void choosePartner(const QString &code, const QString &name);
    void chooseProduct(const QString &code, const QString &designation);
    void showClientDetails(const QString &name);
    void goTo(QWidget *field);

    DocumentFields m_fields;
    StockValues &m_values;
    // Guarded: a field may lose the focus while the window's widgets are being destroyed.
    QPointer<QTreeWidget> m_selectionList;
};

// The text of a unit field, whichever kind it is.
QString unitText(const QWidget *unitEdit);
void setUnitText(QWidget *unitEdit, const QString &text);
