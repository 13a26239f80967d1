#include "masterdata/productpage.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/returnkeys.h"
#include "common/widgets.h"
#include "masterdata/nextcodes.h"
#include "masterdata/tablepage.h"
#include "storage/columns.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString familyMode = QStringLiteral("FAM");
const QString referenceMode = QStringLiteral("REF");
const QString designationMode = QStringLiteral("PROD");

const QColor searchBackground{208, 242, 245};
const QColor listBackground{250, 231, 148};

constexpr int labelX = 20;
constexpr int fieldX = 220;
constexpr int firstFieldY = 92;
constexpr int rowStep = 22;
constexpr int familyLabelWidth = 130;
constexpr int labelWidth = 230;
constexpr int fieldWidth = 200;
constexpr int rowHeight = 20;
constexpr int codeRowY = 71;

const QList<ListColumn> productColumns{
    {QStringLiteral("Code"), 40},
    {QStringLiteral("Famille"), 130},
    {QStringLiteral("Référence"), 90},
    {QStringLiteral("Désignation du produit"), 260},
    {QStringLiteral("U. M."), 50},
    {QStringLiteral("Qté initiale"), 70},
    {QStringLiteral("Prix d'achat"), 70},
    {QStringLiteral("P.Vente D."), 70},
    {QStringLiteral("P.Vente G."), 70},
};

QString errorTitle()
{
    return QStringLiteral("Erreur");
}

} // namespace

ProductPage::ProductPage(ReturnKeys &returnKeys, QString &searchMode, QWidget *parent)
    : QWidget(parent)
    , m_searchMode(searchMode)
{
    buildForm();

    connect(familyEdit, &QLineEdit::textEdited, this, &ProductPage::searchFamilies);
    connect(referenceEdit, &QLineEdit::textEdited, this, &ProductPage::searchReferences);
    connect(designationEdit, &QLineEdit::textEdited, this, &ProductPage::searchDesignations);
    connect(searchList, &QTreeWidget::itemClicked, this, &ProductPage::chooseProposal);
    connect(productsList, &QTreeWidget::itemClicked, this, &ProductPage::showProduct);
    connect(deleteButton, &QPushButton::clicked, this, &ProductPage::deleteProduct);
    connect(newProductButton, &QPushButton::clicked, this, &ProductPage::newProductCode);
    connect(validateButton, &QPushButton::clicked, this, &ProductPage::saveProduct);

    returnKeys.chain({familyEdit, referenceEdit, designationEdit, unitEdit, quantityEdit, purchasePriceEdit,
        retailPriceEdit, wholesalePriceEdit});
    returnKeys.onReturn(wholesalePriceEdit, [this] { saveProduct(); });
}

void ProductPage::buildForm()
{
    addPageTitle(this, QStringLiteral("TABLE DES PRODUITS"));
    addFrame(this, QRect(10, 50, 900, 240));
    codeLabel = addCodeRow(this, codeRowY);

    const auto addRow = [this](const QString &caption, int row, const QString &name, bool capitals) {
        const int y = firstFieldY + row * rowStep;
        const int width = row == 0 ? familyLabelWidth : labelWidth;
        QLineEdit *field = addLabelledField(
            this, caption, QRect(labelX, y, width, rowHeight), QRect(fieldX, y, fieldWidth, rowHeight));
        field->setObjectName(name);
        if (capitals)
            makeUpperCase(field);
        return field;
    };
    familyEdit = addRow(QStringLiteral("Famille de produits:"), 0, QStringLiteral("familyEdit"), true);
    referenceEdit = addRow(QStringLiteral("Référence:"), 1, QStringLiteral("referenceEdit"), true);
    designationEdit = addRow(QStringLiteral("Désignation du produit:"), 2, QStringLiteral("designationEdit"), true);
    unitEdit = addRow(QStringLiteral("Unité de mesure:"), 3, QStringLiteral("unitEdit"), true);
    quantityEdit = addRow(QStringLiteral("Quantité initiale:"), 4, QStringLiteral("quantityEdit"), false);
    purchasePriceEdit = addRow(QStringLiteral("Prix d'achat:"), 5, QStringLiteral("purchasePriceEdit"), false);
    retailPriceEdit = addRow(QStringLiteral("Prix de vente détail:"), 6, QStringLiteral("retailPriceEdit"), false);
    wholesalePriceEdit
        = addRow(QStringLiteral("Prix de vente en gros:"), 7, QStringLiteral("wholesalePriceEdit"), false);

    searchList = addSearchList(this, searchBackground);

    deleteButton
        = addButton(this, QStringLiteral("Supprimer"), QRect(10, 303, 100, 30), QStringLiteral("deleteButton"));
    newProductButton = addButton(
        this, QStringLiteral("Nouveau produit"), QRect(360, 303, 140, 30), QStringLiteral("newProductButton"));
    validateButton
        = addButton(this, QStringLiteral("Valider"), QRect(810, 303, 100, 30), QStringLiteral("validateButton"));

    productsList = createReportList(this, productColumns, listBackground);
    productsList->setGeometry(10, 343, 900, 200);
    productsList->setObjectName(QStringLiteral("productsList"));
}

QList<QLineEdit *> ProductPage::formFields() const
{
    return {familyEdit, referenceEdit, designationEdit, unitEdit, quantityEdit, purchasePriceEdit, retailPriceEdit,
        wholesalePriceEdit};
}

void ProductPage::alignProductColumns()
{
    setColumnAlignment(productsList, fprod::Codeprod, ColumnAlignment::Centre);
    setColumnAlignment(productsList, fprod::Um, ColumnAlignment::Centre);
    for (int column = fprod::Qi; column <= fprod::Pvg; ++column)
        setColumnAlignment(productsList, column, ColumnAlignment::Right);
}

void ProductPage::fillProductList()
{
    if (productsList->topLevelItemCount() > 0)
        return;
    Query rows = runQuery(Db::prod, "SELECT * FROM fprod order by fam,prod");
    while (rows.next()) {
        QStringList columns;
        for (int column = fprod::Codeprod; column <= fprod::Um; ++column)
            columns << rows.text(column);
        for (int column = fprod::Qi; column <= fprod::Pvg; ++column)
            columns << formatAmount(rows.text(column));
        addListRow(productsList, columns);
    }
    alignProductColumns();
}

void ProductPage::searchFamilies(const QString &typed)
{
    if (typed.isEmpty())
        return;
    proposeValues(searchList, Db::prod, "select fam from fprod order by fam", typed, false, Repeats::Skip);
    m_searchMode = familyMode;
}

void ProductPage::searchReferences(const QString &typed)
{
    if (typed.isEmpty())
        return;
    proposeValues(searchList, Db::prod, "select ref from fprod order by REF", typed, false, Repeats::Skip);
    m_searchMode = referenceMode;
}

void ProductPage::searchDesignations(const QString &typed)
{
    if (typed.isEmpty())
        return;
    proposeValues(searchList, Db::prod, "select prod from fprod order by prod", typed, true, Repeats::Keep);
    m_searchMode = designationMode;
}

void ProductPage::chooseProposal(QTreeWidgetItem *line)
{
    const QString text = line->text(1);
    if (m_searchMode == familyMode) {
        familyEdit->setText(text);
        searchList->clear();
        focusField(referenceEdit);
    } else if (m_searchMode == referenceMode) {
        referenceEdit->setText(text);
        searchList->clear();
        focusField(designationEdit);
    } else if (m_searchMode == designationMode) {
        designationEdit->setText(text);
        searchList->clear();
        Query rows = runQuery(Db::prod, "select * from fprod where prod =?", {text});
        if (rows.next()) {
            familyEdit->setText(rows.text(fprod::fam));
            referenceEdit->setText(rows.text(fprod::ref));
            unitEdit->setText(rows.text(fprod::Um));
        }
        focusField(unitEdit);
    }
}

void ProductPage::showProduct(QTreeWidgetItem *line)
{
    copyLineToForm(lineColumns(line), codeLabel, formFields());
    focusField(quantityEdit);
}

void ProductPage::newProductCode()
{
    const QString code = nextProductCode();
    clearProductForm();
    codeLabel->setText(code);
    searchList->clear();
    focusField(familyEdit);
}

void ProductPage::clearProductForm()
{
    searchList->clear();
    codeLabel->clear();
    for (QLineEdit *field : formFields())
        field->clear();
}

void ProductPage::saveProduct()
{
    QString code = codeLabel->text();
    const QString family = familyEdit->text();
    const QString reference = referenceEdit->text();
    const QString designation = designationEdit->text();
    const QString unit = unitEdit->text();
    QString quantity = quantityEdit->text();
    const QString purchasePrice = purchasePriceEdit->text();
    QString retailPrice = retailPriceEdit->text();
    QString wholesalePrice = wholesalePriceEdit->text();

    if (code.isEmpty()) {
        code = nextProductCode();
        codeLabel->setText(code);
    }
    if (designation.isEmpty()) {
        dialogs().message(errorTitle(), QStringLiteral("La désignation du produit est incorrecte !"));
        return;
    }
    if (quantity.isEmpty())
        quantity = QStringLiteral("0");
    if (purchasePrice.isEmpty() && toInteger(quantity) > 0) {
        dialogs().message(errorTitle(), QStringLiteral("Le prix d'achat est obligatoire !"));
        return;
    }
    if (retailPrice.isEmpty())
        retailPrice = QStringLiteral("0");
    if (wholesalePrice.isEmpty())
        wholesalePrice = QStringLiteral("0");
    if (!isValidAmount(retailPrice) && !isValidAmount(wholesalePrice)) {
        dialogs().message(errorTitle(), QStringLiteral("Prix de vente incorrect !"));
        return;
    }
    if (queryHasRow(Db::prod, "SELECT Codeprod FROM fprod where prod=? and codeprod<>?", {designation, code})) {
        dialogs().message(errorTitle(),
            QStringLiteral("Ce nom de produit existe sous un code différent. La "
                           "désignation du produit doit être unique non répétitive !"));
        return;
    }

    const QStringList amounts{
        storedAmount(quantity), storedAmount(purchasePrice), storedAmount(retailPrice), storedAmount(wholesalePrice)};
    bool stored = false;
    if (queryHasRow(Db::prod, "SELECT Codeprod FROM fprod where codeprod=?", {code})) {
        stored = runUpdate(Db::prod,
            "update fprod set fam=?, ref=?, prod=?, um=?, qi=?, pa=?, pvd=?, pvg=? where codeprod=?",
            {family, reference, designation, unit, amounts[0], amounts[1], amounts[2], amounts[3], code});
    } else {
        stored = runUpdate(Db::prod,
            "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,?,?,?,?,?,?,?)",
            {code, family, reference, designation, unit, amounts[0], amounts[1], amounts[2], amounts[3]});
    }
    // A refused statement keeps the form for another try, and the list shows only what is stored.
    if (!stored)
        return;
    QStringList columns{code, family, reference, designation, unit};
    for (const QString &amount : amounts)
        columns << formatAmount(amount);
    showRecordLine(productsList, columns);
    alignProductColumns();
    clearProductForm();
}

void ProductPage::deleteProduct()
{
    const QString code = codeLabel->text();
    if (toInteger(code) <= 0) {
        dialogs().message(errorTitle(), QStringLiteral("Code produit incorrect ! "));
        return;
    }
    if (!queryHasRow(Db::prod, "SELECT Codeprod FROM fprod where codeprod=?", {code})) {
        dialogs().message(QStringLiteral("Erreur inattendue"),
            QStringLiteral("Code produit introuvable dans la table des produits!"));
        return;
    }
    const QList<Usage> usages{
        {Db::br, "SELECT Numdoc FROM fbr where codeprod=?",
            QStringLiteral("Ce produit est utilisé au niveau des réceptions. Impossible de le supprimer de la table. "
                           "Voir bon de réception N°: ")},
        {Db::bl, "SELECT Numdoc FROM fbl where codeprod=?",
            QStringLiteral("Ce produit est utilisé au niveau des livraisons. Impossible de le supprimer de la table. "
                           "Voir bon de livraison N°: ")},
        {Db::facv, "SELECT Numdoc FROM facv where codeprod=?",
            QStringLiteral("Ce produit est utilisé au niveau des factures. Impossible de le supprimer de la table. "
                           "Voir facture N°: ")},
        {Db::brs, "SELECT Numdoc FROM fbrs where codeprod=?",
            QStringLiteral("Ce produit est utilisé au niveau des BRS. Impossible de le supprimer de la table. "
                           "Voir BRS N°: ")},
    };
    if (reportUsage(usages, QStringLiteral("Produit utilisé"), code))
        return;
    if (dialogs().askYesNoCancel(QStringLiteral("Suppression d'un produit"),
            QStringLiteral("Etes-vous sûr de vouloir supprimer ce produit?"))
        != Dialogs::Answer::Yes)
        return;
    if (!runUpdate(Db::prod, "Delete from fprod where codeprod=?", {code}))
        return;
    removeRecordLine(productsList, code);
    clearProductForm();
}
