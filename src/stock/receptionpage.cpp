#include "stock/receptionpage.h"
#include "stock/tablayout.h"

#include "common/returnkeys.h"
#include "common/widgets.h"
#include "stock/documententry.h"
#include "stock/receptions.h"
#include "stock/transportlookups.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QColor linesBackground(217, 252, 242);

// Tab 0 follows the grid of the document tabs; what only receptions have (stock figures,
// payment, totals) stands in a column on the right of the lists.
constexpr int linesWidth = 835;
constexpr int sideLeft = TabGrid::left + linesWidth + 20;
constexpr int sideWidth = 440;
constexpr int groupHeight = 52;
constexpr int groupGap = 10;
constexpr int figureWidth = 200;
constexpr int transportWidth = 180;
constexpr int totalCaptionWidth = 150;
constexpr int totalWidth = 160;
constexpr int totalStep = 32;
constexpr int saveHeight = 36;

// A group frame holding one centred read-only label, found by the group's title.
QLabel *addGroupValue(QWidget *page, const QString &title, const QRect &geometry)
{
    constexpr int margin = 8;
    constexpr int titleHeight = 18;
    auto *group = new QGroupBox(title, page);
    group->setGeometry(geometry);
    auto *value = new QLabel(group);
    value->setGeometry(margin, titleHeight, geometry.width() - 2 * margin, geometry.height() - titleHeight - margin);
    value->setAlignment(Qt::AlignCenter);
    value->setAccessibleName(title);
    return value;
}

} // namespace

ReceptionPage::ReceptionPage(StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
{
    buildHeader();
    buildButtonsAndLines();
    buildSidePanel();
    buildTotals();
    nameWidgets({{titleLabel, "titleLabel"}, {numberBox, "numberBox"}, {dateEdit, "dateEdit"},
        {supplierEdit, "supplierEdit"}, {familyEdit, "familyEdit"}, {referenceEdit, "referenceEdit"},
        {designationEdit, "designationEdit"}, {unitBox, "unitBox"}, {quantityEdit, "quantityEdit"},
        {unitPriceEdit, "unitPriceEdit"}, {selectionList, "selectionList"}, {printButton, "printButton"},
        {cancelReceptionButton, "cancelReceptionButton"}, {deleteLineButton, "deleteLineButton"},
        {newReceptionButton, "newReceptionButton"}, {validateButton, "validateButton"}, {linesList, "linesList"},
        {paymentModeEdit, "paymentModeEdit"}, {cashOption, "cashOption"}, {chequeOption, "chequeOption"},
        {transferOption, "transferOption"}, {onAccountOption, "onAccountOption"}, {balanceEdit, "balanceEdit"},
        {truckEdit, "truckEdit"}, {driverEdit, "driverEdit"}, {registrationEdit, "registrationEdit"},
        {stockLabel, "stockLabel"}, {purchasePriceLabel, "purchasePriceLabel"}, {totalHtEdit, "totalHtEdit"},
        {costsEdit, "costsEdit"}, {discountEdit, "discountEdit"}, {totalTtcEdit, "totalTtcEdit"},
        {saveButton, "saveButton"}});
    connectEntry();
    connectButtons();
    clearReceptionTab(*this);
}

void ReceptionPage::buildHeader()
{
    using namespace TabGrid;
    titleLabel = addTitle(this, QStringLiteral("BON DE RECEPTION"), titleRect());
    numberBox = addNumberBox(this, QStringLiteral("N° DE BON:"), gridLabel(0), gridField(0, fieldLeft, 120));
    // With a placeholder, filling the list does not pick its first number: the box stays empty
    // until a number is chosen or made, so no line goes to an old reception by mistake.
    numberBox->setPlaceholderText(QStringLiteral("N°"));
    dateEdit = addDateField(this, QStringLiteral("Date:"), gridLabel(0, 270, 45), gridField(0, 315, 125));
    supplierEdit = addUpperCaseField(this, QStringLiteral("Fournisseur:"), gridLabel(1), gridField(1));
    familyEdit = addUpperCaseField(this, QStringLiteral("Famille:"), gridLabel(2), gridField(2));
    referenceEdit = addUpperCaseField(this, QStringLiteral("Référence:"), gridLabel(3), gridField(3));
    designationEdit = addUpperCaseField(this, QStringLiteral("Désignation:"), gridLabel(4), gridField(4));
    selectionList = addSelectionList(this, false, {selectionLeft, rowTop, 370, 165});
    selectionList->setAccessibleName(QStringLiteral("Sélection"));

    unitBox
        = addNumberBox(this, QStringLiteral("U. M. :"), {left, entryLabelTop, 90, 20}, {left, entryTop, 90, rowHeight});
    makeUpperCase(unitBox);
    quantityEdit = addLabelledField(
        this, QStringLiteral("Quantité:"), {120, entryLabelTop, 110, 20}, {120, entryTop, 110, rowHeight});
    unitPriceEdit = addLabelledField(
        this, QStringLiteral("Prix unitaire:"), {240, entryLabelTop, 120, 20}, {240, entryTop, 120, rowHeight});
}

void ReceptionPage::buildButtonsAndLines()
{
    using namespace TabGrid;
    const QList<QPushButton *> buttons = addButtonRow(this,
        {QStringLiteral("Imprimer"), QStringLiteral("Annuler la réception"),
            QStringLiteral("Supprimer la ligne sélectionnée"), QStringLiteral("Nouvelle réception"),
            QStringLiteral("Valider")},
        {left, buttonTop});
    printButton = buttons[0];
    cancelReceptionButton = buttons[1];
    deleteLineButton = buttons[2];
    newReceptionButton = buttons[3];
    validateButton = buttons[4];

    linesList = addMovementLinesList(this, linesBackground);
    linesList->setGeometry(left, linesTop, linesWidth, linesHeight);
    linesList->setAccessibleName(QStringLiteral("Lignes du bon"));
    alignReceptionLines(linesList);

    int x = left;
    const auto transport = [this, &x](const QString &title) {
        QLineEdit *field = addGroupField(this, title, {x, belowLinesTop, transportWidth, groupHeight});
        x += transportWidth + groupGap;
        return field;
    };
    truckEdit = transport(QStringLiteral("Camion"));
    driverEdit = transport(QStringLiteral("Chauffeur"));
    registrationEdit = transport(QStringLiteral("Matricule"));
    balanceEdit
        = addGroupField(this, QStringLiteral("Nouveau solde"), {x + groupGap, belowLinesTop, figureWidth, groupHeight});
    balanceEdit->setAlignment(Qt::AlignCenter);
}

void ReceptionPage::buildSidePanel()
{
    using namespace TabGrid;
    stockLabel = addGroupValue(this, QStringLiteral("Stock disponible"), {sideLeft, rowTop, figureWidth, groupHeight});
    purchasePriceLabel = addGroupValue(
        this, QStringLiteral(" P. M. P."), {sideLeft, rowTop + groupHeight + groupGap, figureWidth, groupHeight});

    constexpr int paymentHeight = 90;
    auto *payment = new QGroupBox(this);
    payment->setObjectName(QStringLiteral("paymentGroup"));
    payment->setGeometry(sideLeft, linesTop, sideWidth, paymentHeight);
    paymentModeEdit = addUpperCaseField(
        payment, QStringLiteral("Mode de payement:"), {10, 14, 125, rowHeight}, {135, 14, sideWidth - 145, rowHeight});
    int x = 10;
    const auto option = [payment, &x](const QString &caption) {
        auto *button = new QRadioButton(caption, payment);
        const int width = button->sizeHint().width();
        button->setGeometry(x, 52, width, rowHeight);
        x += width + 12;
        return button;
    };
    cashOption = option(QStringLiteral("ESPECE"));
    chequeOption = option(QStringLiteral("CHEQUE"));
    transferOption = option(QStringLiteral("VIREMENT BANCAIRE"));
    onAccountOption = option(QStringLiteral("A TERME"));
}

void ReceptionPage::buildTotals()
{
    using namespace TabGrid;
    int y = linesTop + 110;
    const auto total = [this, &y](const QString &caption, bool editable) {
        QLineEdit *field = addLabelledField(this, caption, {sideLeft, y, totalCaptionWidth, rowHeight},
            {sideLeft + totalCaptionWidth, y, totalWidth, rowHeight});
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setReadOnly(!editable);
        y += totalStep;
        return field;
    };
    totalHtEdit = total(QStringLiteral("TOTAL HT :"), false);
    costsEdit = total(QStringLiteral("FRAIS ET TAXES :"), true);
    discountEdit = total(QStringLiteral("REMISE :"), true);
    totalTtcEdit = total(QStringLiteral("TOTAL TTC :"), false);
    saveButton = addButton(this, QStringLiteral("ENREGISTRER LE BON DE RECEPTION"),
        {sideLeft, y + groupGap, totalCaptionWidth + totalWidth, saveHeight});
}

void ReceptionPage::connectEntry()
{
    DocumentFields fields;
    fields.numberBox = numberBox;
    fields.showDocument = [this] { showReception(*this); };
    fields.dateEdit = dateEdit;
    fields.partnerEdit = supplierEdit;
    fields.partner = PartnerKind::Supplier;
    fields.familyEdit = familyEdit;
    fields.referenceEdit = referenceEdit;
    fields.designationEdit = designationEdit;
    fields.unitEdit = unitBox;
    fields.quantityEdit = quantityEdit;
    fields.unitPriceEdit = unitPriceEdit;
    fields.selectionList = selectionList;
    fields.linesList = linesList;
    fields.paymentModeEdit = paymentModeEdit;
    fields.paymentOptions = {cashOption, chequeOption, transferOption, onAccountOption};
    fields.addLine = [this] { addReceptionLine(*this); };
    m_entry = new DocumentEntry(fields, m_values, this);

    // Choosing a row refills the fields, and with them the list and its lookup mode: what the
    // list offered is noted when the row is pressed, before the entry acts on the click.
    connect(selectionList, &QTreeWidget::itemPressed, this, [this] { m_offered = m_values.lookupMode; });
    connect(selectionList, &QTreeWidget::itemClicked, this, [this] { showChosenProductFigures(); });
    connect(linesList, &QTreeWidget::itemClicked, this, [this] { showProductFigures(*this, m_values.productCode); });

    offerRecordedValues(truckEdit, Transport::Truck);
    offerRecordedValues(driverEdit, Transport::Driver);
    offerRecordedValues(registrationEdit, Transport::Registration);
}

void ReceptionPage::connectButtons()
{
    connect(cancelReceptionButton, &QPushButton::clicked, this, [this] { cancelReception(*this); });
    connect(deleteLineButton, &QPushButton::clicked, this, [this] { deleteReceptionLine(*this); });
    connect(newReceptionButton, &QPushButton::clicked, this, [this] { newReceptionNumber(*this); });
    connect(validateButton, &QPushButton::clicked, this, [this] { addReceptionLine(*this); });
    connect(saveButton, &QPushButton::clicked, this, [this] { saveReception(*this); });
}

void ReceptionPage::showChosenProductFigures()
{
    if (m_offered == LookupMode::product)
        showProductFigures(*this, m_values.productCode);
}

void ReceptionPage::registerReturnKeys(ReturnKeys &keys)
{
    m_entry->registerReturnKeys(keys);
    // Tab 0 also shows the stock and purchase price of the product chosen from the keyboard.
    keys.onReturn(designationEdit, [this] {
        m_entry->findProductByDesignation();
        showProductFiguresByDesignation(*this, designationEdit->text());
        focusField(unitBox);
    });
    keys.onReturn(selectionList, [this] {
        if (QTreeWidgetItem *row = selectionList->currentItem()) {
            m_offered = m_values.lookupMode;
            m_entry->chooseSelection(row);
            showChosenProductFigures();
        }
    });
    keys.onReturn(linesList, [this] {
        if (QTreeWidgetItem *row = linesList->currentItem()) {
            m_entry->chooseLine(row);
            showProductFigures(*this, m_values.productCode);
        }
    });
    keys.onReturn(costsEdit, [this] { computeReceptionTotals(*this); });
    keys.onReturn(discountEdit, [this] { computeReceptionTotals(*this); });
}
