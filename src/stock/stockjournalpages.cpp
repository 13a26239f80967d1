#include "stock/stockjournalpages.h"

#include "common/widgets.h"
#include "stock/tablayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QColor atCostBackground(250, 220, 167);
const QColor atSalePriceBackground(248, 229, 154);

constexpr int listTop = 80;
constexpr int listHeight = 520;
constexpr int buttonsTop = listTop + listHeight + 10;
constexpr int optionsTop = buttonsTop + TabGrid::buttonHeight + 10;
constexpr int buttonWidth = 130;

// "ARRETE AU : " and the date the window was built on; returns the date label.
QLabel *addStopDate(QWidget *page, const QString &dateText, int x)
{
    QLabel *caption = addLabel(page, QStringLiteral("ARRETE AU : "), {x, TabGrid::rowTop, 80, TabGrid::rowHeight});
    QLabel *date = addLabel(page, dateText, {x + 80, TabGrid::rowTop, 100, TabGrid::rowHeight});
    caption->setBuddy(date);
    return date;
}

} // namespace

StockJournalAtCostPage::StockJournalAtCostPage(StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
{
    using namespace TabGrid;
    titleLabel = addTitle(this, QStringLiteral("JOURNAL DE STOCK (PMP)"), titleRect());
    familyBox = addNumberBox(this, QStringLiteral("Famille:"), gridLabel(0, left, 60), gridField(0, left + 60, 250));
    stopDateLabel = addStopDate(this, m_values.dateText, 360);
    journalList = createReportList(this,
        {{QStringLiteral("Code"), 60}, {QStringLiteral(" Désignation du produit"), 200},
            {QStringLiteral(" Qté initiale"), 70}, {QStringLiteral(" Réception"), 70},
            {QStringLiteral(" BRS entrée"), 70}, {QStringLiteral(" BRS sortie"), 70},
            {QStringLiteral(" Livraison"), 70}, {QStringLiteral(" Stock final"), 70}, {QStringLiteral(" P. M. P."), 70},
            {QStringLiteral(" Valeur"), 100}},
        atCostBackground);
    journalList->setGeometry(left, listTop, 875, listHeight);

    printButton = addButton(this, QStringLiteral("(#F2) Imprimer"), {left, buttonsTop, buttonWidth, buttonHeight});
    progressBar = new QProgressBar(this);
    progressBar->setGeometry(left + buttonWidth + 10, buttonsTop + 4, 875 - 2 * (buttonWidth + 10), buttonHeight - 8);
    progressBar->setValue(0);
    showButton = addButton(
        this, QStringLiteral("(#F8) Afficher"), {left + 875 - buttonWidth, buttonsTop, buttonWidth, buttonHeight});

    showZeroStockCheck = new QCheckBox(QStringLiteral("Afficher le stock nul"), this);
    showZeroStockCheck->setGeometry(left, optionsTop, 200, buttonHeight);
    exportButton
        = addButton(this, QStringLiteral("Exporter vers fichier excel"), {left + 230, optionsTop, 200, buttonHeight});
    progressLabel = addLabel(this, QString(), {left + 440, optionsTop, 120, buttonHeight});
    openExcelButton
        = addButton(this, QStringLiteral("Ouvrir le fichier excel"), {left + 875 - 200, optionsTop, 200, buttonHeight});

    nameWidgets({{titleLabel, "titleLabel"}, {familyBox, "familyBox"}, {stopDateLabel, "stopDateLabel"},
        {journalList, "journalList"}, {printButton, "printButton"}, {progressBar, "progressBar"},
        {showButton, "showButton"}, {showZeroStockCheck, "showZeroStockCheck"}, {exportButton, "exportButton"},
        {progressLabel, "progressLabel"}, {openExcelButton, "openExcelButton"}});

    connect(showButton, &QPushButton::clicked, this, &StockJournalAtCostPage::showStockJournalAtCost);
}

void StockJournalAtCostPage::showStockJournalAtCost() { }

StockJournalAtSalePricePage::StockJournalAtSalePricePage(StockValues &values, QWidget *parent)
    : QWidget(parent)
    , m_values(values)
{
    using namespace TabGrid;
    titleLabel = addTitle(this, QStringLiteral("JOURNAL DE STOCK (Prix de vente)"), titleRect());
    stopDateLabel = addStopDate(this, m_values.dateText, left);
    journalList = createReportList(this,
        {{QStringLiteral("Référence"), 140}, {QStringLiteral(" Désignation du produit"), 300},
            {QStringLiteral(" Qté en stock"), 80}, {QStringLiteral(" Prix de vente"), 80},
            {QStringLiteral(" Valeur"), 100}},
        atSalePriceBackground);
    constexpr int listWidth = 725;
    journalList->setGeometry(left, listTop, listWidth, listHeight);
    printButton = addButton(this, QStringLiteral("(#F2) Imprimer"), {left, buttonsTop, buttonWidth, buttonHeight});
    showButton = addButton(this, QStringLiteral("(#F8) Afficher"),
        {left + listWidth - buttonWidth, buttonsTop, buttonWidth, buttonHeight});
    showZeroStockCheck = new QCheckBox(QStringLiteral("Afficher le stock nul"), this);
    showZeroStockCheck->setGeometry(left, optionsTop, 200, buttonHeight);

    nameWidgets({{titleLabel, "titleLabel"}, {stopDateLabel, "stopDateLabel"}, {journalList, "journalList"},
        {printButton, "printButton"}, {showButton, "showButton"}, {showZeroStockCheck, "showZeroStockCheck"}});

    connect(showButton, &QPushButton::clicked, this, &StockJournalAtSalePricePage::showStockJournalAtSalePrice);
}

void StockJournalAtSalePricePage::showStockJournalAtSalePrice() { }
