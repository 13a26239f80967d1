#include "stock/regularisationpage.h"
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

const QColor linesBackground(216, 203, 235);

} // namespace

RegularisationPage::RegularisationPage(StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
{
    using namespace TabGrid;
    titleLabel = addTitle(this, QStringLiteral("REGULARISATION MANUELLE DU STOCK"), titleRect());
    numberBox = addNumberBox(this, QStringLiteral("N° BRS:"), gridLabel(0), gridField(0, fieldLeft, 120));
    dateEdit = addDateField(this, QStringLiteral("Date:"), gridLabel(0, 270, 45), gridField(0, 315, 125));
    familyEdit = addUpperCaseField(this, QStringLiteral("Famille:"), gridLabel(1), gridField(1));
    referenceEdit = addUpperCaseField(this, QStringLiteral("Référence:"), gridLabel(2), gridField(2));
    designationEdit = addUpperCaseField(this, QStringLiteral("Désignation:"), gridLabel(3), gridField(3));
    selectionList = addSelectionList(this, false, {selectionLeft, rowTop, 370, 165});

    entryQuantityEdit = addLabelledField(
        this, QStringLiteral("Quantité entrée:"), {left, entryLabelTop, 120, 20}, {left, entryTop, 120, rowHeight});
    exitQuantityEdit = addLabelledField(
        this, QStringLiteral("Quantité sortie:"), {150, entryLabelTop, 120, 20}, {150, entryTop, 120, rowHeight});
    observationsEdit = addUpperCaseField(
        this, QStringLiteral("Observations:"), {280, entryLabelTop, 420, 20}, {280, entryTop, 550, rowHeight});

    const QList<QPushButton *> buttons = addButtonRow(this,
        {QStringLiteral("Annuler le BRS"), QStringLiteral("Supprimer"), QStringLiteral("Nouveau BRS"),
            QStringLiteral("Valider")},
        {left, buttonTop});
    cancelRegularisationButton = buttons[0];
    deleteButton = buttons[1];
    newRegularisationButton = buttons[2];
    validateButton = buttons[3];

    linesList = createReportList(this,
        {{QStringLiteral("Code"), 80}, {QStringLiteral("Désignation"), 350}, {QStringLiteral("Qté entrée"), 90},
            {QStringLiteral("Qté sortie"), 90}, {QStringLiteral("Observations"), 300}},
        linesBackground);
    linesList->setGeometry(left, linesTop, 935, linesHeight);

    nameWidgets(
        {{titleLabel, "titleLabel"}, {numberBox, "numberBox"}, {dateEdit, "dateEdit"}, {familyEdit, "familyEdit"},
            {referenceEdit, "referenceEdit"}, {designationEdit, "designationEdit"}, {selectionList, "selectionList"},
            {entryQuantityEdit, "entryQuantityEdit"}, {exitQuantityEdit, "exitQuantityEdit"},
            {observationsEdit, "observationsEdit"}, {cancelRegularisationButton, "cancelRegularisationButton"},
            {deleteButton, "deleteButton"}, {newRegularisationButton, "newRegularisationButton"},
            {validateButton, "validateButton"}, {linesList, "linesList"}});

    DocumentFields fields;
    fields.numberBox = numberBox;
    fields.showDocument = [this] { showRegularisation(); };
    fields.dateEdit = dateEdit;
    fields.familyEdit = familyEdit;
    fields.referenceEdit = referenceEdit;
    fields.designationEdit = designationEdit;
    fields.quantityEdit = entryQuantityEdit;
    fields.exitQuantityEdit = exitQuantityEdit;
    fields.observationsEdit = observationsEdit;
    fields.selectionList = selectionList;
    fields.linesList = linesList;
    fields.addLine = [this] { addRegularisationLine(); };
    entry = new DocumentEntry(fields, m_values, this);

    connect(newRegularisationButton, &QPushButton::clicked, this, &RegularisationPage::newRegularisationNumber);
    connect(validateButton, &QPushButton::clicked, this, &RegularisationPage::addRegularisationLine);
}

void RegularisationPage::registerReturnKeys(ReturnKeys &keys)
{
    entry->registerReturnKeys(keys);
}

void RegularisationPage::newRegularisationNumber()
{
    clearRegularisationTab();
    m_values.documentNumber = nextRegularisationNumber();
    numberBox->setEditText(m_values.documentNumber);
    focusField(designationEdit);
}

void RegularisationPage::clearRegularisationTab()
{
    linesList->clear();
    selectionList->clear();
    numberBox->setEditText(QString());
    for (QLineEdit *field :
        {familyEdit, referenceEdit, designationEdit, entryQuantityEdit, exitQuantityEdit, observationsEdit})
        field->clear();
}

void RegularisationPage::showRegularisation() { }

void RegularisationPage::addRegularisationLine() { }
