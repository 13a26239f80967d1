#include "stock/invoicepage.h"
#include "stock/tablayout.h"

#include "common/returnkeys.h"
#include "common/screenfonts.h"
#include "common/widgets.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QColor salesLinesBackground(206, 241, 241);
const QColor proformaLinesBackground(253, 252, 205);
const QColor shownValueBackground(252, 230, 136);
const QColor cancelledColour(239, 26, 16);
const QString defaultVatRate = QStringLiteral("19");

constexpr int rightBlockLeft = 770;
constexpr int totalsTop = TabGrid::linesTop + 150;
constexpr int totalsStep = 30;

void showAsValue(QWidget *widget)
{
    setBackground(widget, shownValueBackground);
}

} // namespace

InvoicePage::InvoicePage(InvoiceKind kind, StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_values(values)
{
    buildHeader();
    buildEntryLine();
    buildPayment();
    buildTotals();

    nameWidgets(
        {{titleLabel, "titleLabel"}, {cancelledLabel, "cancelledLabel"}, {restoreInvoiceButton, "restoreInvoiceButton"},
            {numberBox, "numberBox"}, {dateEdit, "dateEdit"}, {clientEdit, "clientEdit"}, {familyEdit, "familyEdit"},
            {referenceEdit, "referenceEdit"}, {designationEdit, "designationEdit"}, {selectionList, "selectionList"},
            {unitEdit, "unitEdit"}, {quantityEdit, "quantityEdit"}, {unitPriceEdit, "unitPriceEdit"},
            {amountEdit, "amountEdit"}, {clientBox, "clientBox"}, {addressEdit, "addressEdit"}, {rcEdit, "rcEdit"},
            {mfEdit, "mfEdit"}, {articleEdit, "articleEdit"}, {nisEdit, "nisEdit"}, {printButton, "printButton"},
            {cancelInvoiceButton, "cancelInvoiceButton"}, {deleteButton, "deleteButton"},
            {newInvoiceButton, "newInvoiceButton"}, {validateButton, "validateButton"}, {linesList, "linesList"},
            {paymentModeEdit, "paymentModeEdit"}, {cashOption, "cashOption"}, {chequeOption, "chequeOption"},
            {transferOption, "transferOption"}, {onAccountOption, "onAccountOption"}, {vatRateEdit, "vatRateEdit"},
            {totalHtLabel, "totalHtLabel"}, {vatLabel, "vatLabel"}, {stampLabel, "stampLabel"},
            {totalTtcLabel, "totalTtcLabel"}, {saveInvoiceButton, "saveInvoiceButton"}});

    DocumentFields fields;
    fields.numberBox = numberBox;
    fields.showDocument = [this] { showInvoice(); };
    // Only the sales invoice's date is the window's current date; a proforma's is read when saved.
    if (m_kind == InvoiceKind::Sales)
        fields.dateEdit = dateEdit;
    fields.partnerEdit = clientEdit;
    fields.partner = PartnerKind::Client;
    fields.addressEdit = addressEdit;
    fields.rcEdit = rcEdit;
    fields.mfEdit = mfEdit;
    fields.articleEdit = articleEdit;
    fields.nisEdit = nisEdit;
    fields.familyEdit = familyEdit;
    fields.referenceEdit = referenceEdit;
    fields.designationEdit = designationEdit;
    fields.unitEdit = unitEdit;
    fields.quantityEdit = quantityEdit;
    fields.unitPriceEdit = unitPriceEdit;
    fields.amountEdit = amountEdit;
    fields.selectionList = selectionList;
    fields.oneColumnSelection = true;
    fields.linesList = linesList;
    fields.paymentModeEdit = paymentModeEdit;
    fields.paymentOptions = {cashOption, chequeOption, transferOption, onAccountOption};
    fields.afterPaymentOption = [this] { computeInvoiceTotals(); };
    fields.addLine = [this] { addInvoiceLine(); };
    entry = new DocumentEntry(fields, m_values, this);

    connect(validateButton, &QPushButton::clicked, this, &InvoicePage::addInvoiceLine);
}

void InvoicePage::buildHeader()
{
    using namespace TabGrid;
    const bool sales = m_kind == InvoiceKind::Sales;
    titleLabel
        = addTitle(this, sales ? QStringLiteral("FACTURE VENTE") : QStringLiteral("FACTURE PROFORMA"), titleRect());
    if (sales) {
        cancelledLabel = addTitle(this, QString(), {selectionLeft, 8, 420, 28});
        QPalette palette = cancelledLabel->palette();
        palette.setColor(QPalette::WindowText, cancelledColour);
        cancelledLabel->setPalette(palette);
    }
    numberBox = addNumberBox(this, QStringLiteral("N° Facture:"), gridLabel(0), gridField(0, fieldLeft, 120));
    dateEdit = addDateField(this, QStringLiteral("Date:"), gridLabel(0, 270, 45), gridField(0, 315, 125));
    clientEdit = addUpperCaseField(this, QStringLiteral("Client:"), gridLabel(1), gridField(1));
    familyEdit = addUpperCaseField(this, QStringLiteral("Famille:"), gridLabel(2), gridField(2));
    referenceEdit = addUpperCaseField(this, QStringLiteral("Référence:"), gridLabel(3), gridField(3));
    designationEdit = addUpperCaseField(this, QStringLiteral("Désignation:"), gridLabel(4), gridField(4));
    selectionList = addSelectionList(this, true, {selectionLeft, rowTop, 215, 165});

    // The client box: the frame of the header, in the list font.
    clientBox = new QGroupBox(this);
    clientBox->setGeometry(rightBlockLeft - 80, rowTop - 8, 400, 173);
    clientBox->setFont(screenFont(ScreenFont::Arial9));
    constexpr int boxLabelLeft = 10;
    constexpr int boxLabelWidth = 60;
    constexpr int boxFieldLeft = boxLabelLeft + boxLabelWidth;
    constexpr int boxFieldWidth = 310;
    const auto boxField = [this](int row, const QString &caption) {
        const int top = 12 + row * rowStep;
        return addLabelledField(clientBox, caption, {boxLabelLeft, top, boxLabelWidth, rowHeight},
            {boxFieldLeft, top, boxFieldWidth, rowHeight});
    };
    addressEdit = boxField(0, QStringLiteral("Adresse:"));
    rcEdit = boxField(1, QStringLiteral("N° RC:"));
    mfEdit = boxField(2, QStringLiteral("MF:"));
    articleEdit = boxField(3, QStringLiteral("N° Art:"));
    nisEdit = boxField(4, QStringLiteral("NIS:"));
    for (QLineEdit *field : {rcEdit, mfEdit, articleEdit, nisEdit})
        showAsValue(field);
}

void InvoicePage::buildEntryLine()
{
    using namespace TabGrid;
    unitEdit = addUpperCaseField(
        this, QStringLiteral("UM:"), {left, entryLabelTop, 90, 20}, {left, entryTop, 90, rowHeight});
    quantityEdit = addLabelledField(
        this, QStringLiteral("Quantité:"), {120, entryLabelTop, 110, 20}, {120, entryTop, 110, rowHeight});
    unitPriceEdit = addLabelledField(
        this, QStringLiteral("Prix unitaire:"), {240, entryLabelTop, 120, 20}, {240, entryTop, 120, rowHeight});
    amountEdit = addLabelledField(
        this, QStringLiteral("Montant:"), {370, entryLabelTop, 130, 20}, {370, entryTop, 130, rowHeight});
    showAsValue(unitEdit);
    showAsValue(amountEdit);

    const QList<QPushButton *> buttons = addButtonRow(this,
        {QStringLiteral("Imprimer"), QStringLiteral("Annuler la facture"), QStringLiteral("Supprimer"),
            QStringLiteral("Nouvelle facture"), QStringLiteral("Valider")},
        {left, buttonTop});
    printButton = buttons[0];
    cancelInvoiceButton = buttons[1];
    deleteButton = buttons[2];
    newInvoiceButton = buttons[3];
    validateButton = buttons[4];
    if (m_kind == InvoiceKind::Sales) {
        restoreInvoiceButton = addButton(
            this, QStringLiteral("RECUPERER CETTE FACTURE"), {rightBlockLeft - 80, buttonTop, 220, buttonHeight});
        restoreInvoiceButton->setEnabled(false);
    }

    linesList = createReportList(this,
        {{QStringLiteral("Code"), 80}, {QStringLiteral(" Désignation"), 280}, {QStringLiteral("U.M. "), 70},
            {QStringLiteral("Qté  "), 90}, {QStringLiteral("P. U.  "), 90}, {QStringLiteral("Montant "), 90}},
        m_kind == InvoiceKind::Sales ? salesLinesBackground : proformaLinesBackground);
    linesList->setFont(screenFont(ScreenFont::Arial9));
    linesList->setGeometry(left, linesTop, 725, linesHeight);
}

void InvoicePage::buildPayment()
{
    using namespace TabGrid;
    auto *group = new QGroupBox(QStringLiteral("Mode de paiement..."), this);
    group->setGeometry(rightBlockLeft, linesTop, 330, 100);
    paymentModeEdit = new QLineEdit(group);
    paymentModeEdit->setGeometry(10, 20, 310, rowHeight);
    paymentModeEdit->setAccessibleName(QStringLiteral("Mode de paiement..."));
    makeUpperCase(paymentModeEdit);
    cashOption = new QRadioButton(QStringLiteral("ESPECE"), group);
    chequeOption = new QRadioButton(QStringLiteral("CHEQUE"), group);
    transferOption = new QRadioButton(QStringLiteral("VIREMENT"), group);
    onAccountOption = new QRadioButton(QStringLiteral("A TERME"), group);
    cashOption->setGeometry(10, 48, 140, 20);
    chequeOption->setGeometry(160, 48, 140, 20);
    transferOption->setGeometry(10, 72, 140, 20);
    onAccountOption->setGeometry(160, 72, 140, 20);

    constexpr int vatTop = linesTop + 110;
    vatRateEdit = addLabelledField(this, QStringLiteral("Taux TVA="), {rightBlockLeft, vatTop, 70, rowHeight},
        {rightBlockLeft + 75, vatTop, 50, rowHeight});
    vatRateEdit->setText(defaultVatRate);
    addLabel(this, QStringLiteral("%"), {rightBlockLeft + 130, vatTop, 20, rowHeight});
}

void InvoicePage::buildTotals()
{
    using namespace TabGrid;
    constexpr int captionWidth = 110;
    constexpr int valueWidth = 200;
    const auto total = [this](int row, const QString &caption) {
        const int top = totalsTop + row * totalsStep;
        const QRect valueGeometry(rightBlockLeft + captionWidth, top, valueWidth, rowHeight);
        QLabel *value = addValueLabel(this, caption, valueGeometry, shownValueBackground);
        value->setFont(screenFont(ScreenFont::Arial9));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel *label = placeWithCaption(value, caption, {rightBlockLeft, top, captionWidth, rowHeight}, valueGeometry);
        label->setFont(screenFont(ScreenFont::Arial9));
        return value;
    };
    totalHtLabel = total(0, QStringLiteral("Total HT:"));
    vatLabel = total(1, QStringLiteral("TVA (19%) : "));
    stampLabel = total(2, QStringLiteral("TIMBRE:"));
    totalTtcLabel = total(3, QStringLiteral("Total TTC:"));
    saveInvoiceButton = addButton(this, QStringLiteral("ENREGISTRER LA FACTURE"),
        {rightBlockLeft, totalsTop + 4 * totalsStep + 6, captionWidth + valueWidth, 34});
}

void InvoicePage::registerReturnKeys(ReturnKeys &keys)
{
    entry->registerReturnKeys(keys);
    keys.onReturn(vatRateEdit, [this] { computeInvoiceTotals(); });
}

void InvoicePage::showInvoice() { }

void InvoicePage::addInvoiceLine() { }

void InvoicePage::computeInvoiceTotals() { }
