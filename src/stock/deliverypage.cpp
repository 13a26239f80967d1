#include "stock/deliverypage.h"
#include "stock/tablayout.h"

#include "common/returnkeys.h"
#include "common/widgets.h"
#include "stock/numberlists.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QColor linesBackground(237, 243, 170);
const QColor totalBackground(232, 228, 249);

} // namespace

DeliveryPage::DeliveryPage(StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
{
    using namespace TabGrid;
    titleLabel = addTitle(this, QStringLiteral("BON DE LIVRAISON"), titleRect());
    numberBox = addNumberBox(this, QStringLiteral("N° BL:"), gridLabel(0), gridField(0, fieldLeft, 120));
    dateEdit = addDateField(this, QStringLiteral("Date:"), gridLabel(0, 270, 45), gridField(0, 315, 125));
    clientEdit = addUpperCaseField(this, QStringLiteral("Client:"), gridLabel(1), gridField(1));
    familyEdit = addUpperCaseField(this, QStringLiteral("Famille:"), gridLabel(2), gridField(2));
    referenceEdit = addUpperCaseField(this, QStringLiteral("Référence:"), gridLabel(3), gridField(3));
    designationEdit = addUpperCaseField(this, QStringLiteral("Désignation:"), gridLabel(4), gridField(4));
    selectionList = addSelectionList(this, false, {selectionLeft, rowTop, 370, 165});

    unitEdit = addUpperCaseField(
        this, QStringLiteral("UM:"), {left, entryLabelTop, 90, 20}, {left, entryTop, 90, rowHeight});
    quantityEdit = addLabelledField(
        this, QStringLiteral("Quantité:"), {120, entryLabelTop, 110, 20}, {120, entryTop, 110, rowHeight});
    unitPriceEdit = addLabelledField(
        this, QStringLiteral("Prix unitaire:"), {240, entryLabelTop, 120, 20}, {240, entryTop, 120, rowHeight});
    amountEdit = addLabelledField(
        this, QStringLiteral("Montant:"), {370, entryLabelTop, 130, 20}, {370, entryTop, 130, rowHeight});

    const QList<QPushButton *> buttons = addButtonRow(this,
        {QStringLiteral("Imprimer"), QStringLiteral("Annuler la livraison"),
            QStringLiteral("Supprimer la ligne sélectionnée"), QStringLiteral("Nouvelle livraison"),
            QStringLiteral("Valider")},
        {left, buttonTop});
    printButton = buttons[0];
    cancelDeliveryButton = buttons[1];
    deleteLineButton = buttons[2];
    newDeliveryButton = buttons[3];
    validateButton = buttons[4];

    linesList = addMovementLinesList(this, linesBackground);
    linesList->setGeometry(left, linesTop, 735, linesHeight);

    truckEdit = addGroupField(this, QStringLiteral("Camion"), {left, belowLinesTop, 180, 52});
    driverEdit = addGroupField(this, QStringLiteral("Chauffeur"), {left + 190, belowLinesTop, 180, 52});
    registrationEdit = addGroupField(this, QStringLiteral("Matricule"), {left + 380, belowLinesTop, 180, 52});
    const QRect totalGeometry(left + 645, belowLinesTop + 22, 90, rowHeight);
    totalLabel = addValueLabel(this, QStringLiteral("TOTAL HT :"), totalGeometry, totalBackground);
    totalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeWithCaption(
        totalLabel, QStringLiteral("TOTAL HT :"), {left + 575, belowLinesTop + 22, 70, rowHeight}, totalGeometry);

    nameWidgets({{titleLabel, "titleLabel"}, {numberBox, "numberBox"}, {dateEdit, "dateEdit"},
        {clientEdit, "clientEdit"}, {familyEdit, "familyEdit"}, {referenceEdit, "referenceEdit"},
        {designationEdit, "designationEdit"}, {selectionList, "selectionList"}, {unitEdit, "unitEdit"},
        {quantityEdit, "quantityEdit"}, {unitPriceEdit, "unitPriceEdit"}, {amountEdit, "amountEdit"},
        {printButton, "printButton"}, {cancelDeliveryButton, "cancelDeliveryButton"},
        {deleteLineButton, "deleteLineButton"}, {newDeliveryButton, "newDeliveryButton"},
        {validateButton, "validateButton"}, {linesList, "linesList"}, {truckEdit, "truckEdit"},
        {driverEdit, "driverEdit"}, {registrationEdit, "registrationEdit"}, {totalLabel, "totalLabel"}});

    DocumentFields fields;
    fields.numberBox = numberBox;
    fields.showDocument = [this] { showDelivery(); };
    fields.dateEdit = dateEdit;
    fields.partnerEdit = clientEdit;
    fields.partner = PartnerKind::Client;
    fields.familyEdit = familyEdit;
    fields.referenceEdit = referenceEdit;
    fields.designationEdit = designationEdit;
    fields.unitEdit = unitEdit;
    fields.quantityEdit = quantityEdit;
    fields.unitPriceEdit = unitPriceEdit;
    fields.amountEdit = amountEdit;
    fields.selectionList = selectionList;
    fields.linesList = linesList;
    fields.addLine = [this] { addDeliveryLine(); };
    entry = new DocumentEntry(fields, m_values, this);

    connect(newDeliveryButton, &QPushButton::clicked, this, &DeliveryPage::newDeliveryNumber);
    connect(validateButton, &QPushButton::clicked, this, &DeliveryPage::addDeliveryLine);
}

void DeliveryPage::registerReturnKeys(ReturnKeys &keys)
{
    entry->registerReturnKeys(keys);
}

void DeliveryPage::newDeliveryNumber()
{
    clearDeliveryTab();
    m_values.documentNumber = nextDeliveryNumber();
    numberBox->setEditText(m_values.documentNumber);
    focusField(clientEdit);
}

void DeliveryPage::clearDeliveryTab()
{
    linesList->clear();
    selectionList->clear();
    numberBox->setEditText(QString());
    for (QLineEdit *field : {clientEdit, familyEdit, referenceEdit, designationEdit, unitEdit, quantityEdit,
             unitPriceEdit, amountEdit, truckEdit, driverEdit, registrationEdit})
        field->clear();
    totalLabel->clear();
}

void DeliveryPage::showDelivery() { }

void DeliveryPage::addDeliveryLine() { }
