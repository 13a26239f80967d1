#include "stock/stockcardpage.h"

#include "common/returnkeys.h"
#include "common/widgets.h"
#include "stock/tablayout.h"
#include "storage/columns.h"
#include "storage/database.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QColor cardBackground(213, 225, 250);

} // namespace

StockCardPage::StockCardPage(StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
{
    using namespace TabGrid;
    titleLabel = addTitle(this, QStringLiteral("FICHE DE STOCK"), titleRect());
    referenceBox = addNumberBox(this, QStringLiteral("Référence:"), gridLabel(0), gridField(0, fieldLeft, 250));
    designationBox = addNumberBox(this, QStringLiteral("Désignation:"), gridLabel(1), gridField(1, fieldLeft, 400));
    makeUpperCase(referenceBox);
    makeUpperCase(designationBox);
    fromDateEdit = addDateField(this, QStringLiteral("Période du: "), gridLabel(2), gridField(2, fieldLeft, 125));
    toDateEdit = addDateField(this, QStringLiteral("au: "), gridLabel(2, 260, 30), gridField(2, 290, 125));
    printButton
        = addButton(this, QStringLiteral("(#F2) Imprimer"), {left, rowTop + 3 * rowStep + 4, 130, buttonHeight});
    showButton
        = addButton(this, QStringLiteral("(#F8) Afficher"), {left + 140, rowTop + 3 * rowStep + 4, 130, buttonHeight});
    cardList = createReportList(this,
        {{QStringLiteral("Date"), 100}, {QStringLiteral(" Doc."), 60}, {QStringLiteral(" N° doc."), 60},
            {QStringLiteral(" Mouvement du stock"), 300}, {QStringLiteral(" Qté entrée"), 80},
            {QStringLiteral(" Qté sortie"), 80}, {QStringLiteral(" Stock"), 80}},
        cardBackground);
    cardList->setGeometry(left, rowTop + 4 * rowStep + 10, 785, 480);

    nameWidgets({{titleLabel, "titleLabel"}, {referenceBox, "referenceBox"}, {designationBox, "designationBox"},
        {fromDateEdit, "fromDateEdit"}, {toDateEdit, "toDateEdit"}, {printButton, "printButton"},
        {showButton, "showButton"}, {cardList, "cardList"}});

    connect(designationBox, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            chooseDesignation();
    });
    connect(showButton, &QPushButton::clicked, this, &StockCardPage::showStockCard);
}

void StockCardPage::registerReturnKeys(ReturnKeys &keys)
{
    // Only a choice from the list picks a product; Return in the boxes does nothing.
    keys.onReturn(referenceBox, [] {});
    keys.onReturn(designationBox, [] {});
}

void StockCardPage::chooseDesignation()
{
    Query product = runQuery(Db::prod, "select * from fprod where prod=?", {designationBox->currentText()});
    if (!product.next())
        return;
    m_values.productCode = product.text(fprod::Codeprod);
    referenceBox->setEditText(product.text(fprod::ref));
}

void StockCardPage::showStockCard() { }
