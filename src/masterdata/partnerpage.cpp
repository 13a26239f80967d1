#include "masterdata/partnerpage.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/returnkeys.h"
#include "common/widgets.h"
#include "storage/columns.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int labelX = 20;
constexpr int fieldX = 220;
constexpr int codeRowY = 71;
constexpr int firstFieldY = 96;
constexpr int rowStep = 25;
constexpr int labelWidth = 130;
constexpr int fieldWidth = 200;
constexpr int rowHeight = 20;

const QList<ListColumn> partnerColumns{
    {QStringLiteral("Code"), 40},
    {QStringLiteral("Nom ou Raison sociale"), 150},
    {QStringLiteral("Adresse"), 100},
    {QStringLiteral("N° téléphone"), 100},
    {QStringLiteral("N° R. C."), 80},
    {QStringLiteral("Mat. fiscal"), 80},
    {QStringLiteral("N° article"), 80},
    {QStringLiteral("N. I. S."), 80},
    {QStringLiteral("Solde initial"), 80},
};

QString errorTitle()
{
    return QStringLiteral("Erreur");
}

} // namespace

const PartnerTable &clientTable()
{
    static const PartnerTable table{
        Db::client,
        "SELECT * FROM fClient order by Client",
        "SELECT * FROM fClient where Client=?",
        "select client from fclient order by client",
        "SELECT max(codeClient) FROM fClient",
        "SELECT Codeclient FROM fClient where codeClient=?",
        "update fClient set Client=?, ad=?, tel=?, rc=?, mf=?, art=?, nis=?, si=? where codeClient=?",
        "insert into fClient (Codeclient,Client,ad,tel,rc,mf,art,nis,si) values (?,?,?,?,?,?,?,?,?)",
        "Delete from fClient where codeClient=?",
        QStringLiteral("TABLE DES CLIENTS"),
        QStringLiteral("Nouveau client"),
        QStringLiteral("CLIENT"),
        QStringLiteral("Code client introuvable dans la table !"),
        QStringLiteral("client utilisé"),
        QStringLiteral("Etes-vous sûr de vouloir supprimer ce client ?"),
        {
            {Db::bl, "SELECT Numdoc FROM fbl where codeClient=?",
                QStringLiteral("Ce client est utilisé au niveau des livraisons. Impossible de le supprimer de la "
                               "table. Voir bon de livraison N°: ")},
            {Db::facv, "SELECT Numdoc FROM facv where codeClient=?",
                QStringLiteral("Ce client est utilisé au niveau des factures. Impossible de le supprimer de la "
                               "table. Voir facture vente N°: ")},
            {Db::facp, "SELECT Numdoc FROM facp where codeClient=?",
                QStringLiteral("Ce client est utilisé au niveau des factures. Impossible de le supprimer de la "
                               "table. Voir facture proforma N°: ")},
            {Db::verclient, "SELECT Numdoc FROM fverclient where codeClient=?",
                QStringLiteral("Ce client est utilisé au niveau des versements. Impossible de le supprimer de la "
                               "table. Voir bon de versement reçu N°: ")},
        },
        QColor(253, 249, 203),
        QColor(217, 252, 242),
    };
    return table;
}

const PartnerTable &supplierTable()
{
    static const PartnerTable table{
        Db::four,
        "SELECT * FROM fFour order by Four",
        "SELECT * FROM fFour where Four=?",
        "select four from ffour order by four",
        "SELECT max(codeFour) FROM fFour",
        "SELECT Codefour FROM fFour where codeFour=?",
        "update fFour set Four=?, ad=?, tel=?, rc=?, mf=?, art=?, nis=?, si=? where codeFour=?",
        "insert into fFour (CodeFour,Four,ad,tel,rc,mf,art,nis,si) values (?,?,?,?,?,?,?,?,?)",
        "Delete from fFour where codeFour=?",
        QStringLiteral("TABLE DES FOURNISSEURS"),
        QStringLiteral("Nouveau four"),
        QStringLiteral("FOUR"),
        QStringLiteral("Code fournisseur introuvable dans la table !"),
        QStringLiteral("Four utilisé"),
        QStringLiteral("Etes-vous sûr de vouloir supprimer ce fournisseur ?"),
        {
            {Db::br, "SELECT Numdoc FROM fbr where codeFour=?",
                QStringLiteral("Ce fournisseur est utilisé au niveau des réceptions. Impossible de le supprimer de "
                               "la table. Voir bon de réception N°: ")},
            {Db::verFour, "SELECT Numdoc FROM fverfour where codeFour=?",
                QStringLiteral("Ce fournisseur est utilisé au niveau des versements. Impossible de le supprimer de "
                               "la table. Voir bon de versement reçu N°: ")},
        },
        QColor(225, 242, 251),
        QColor(216, 205, 232),
    };
    return table;
}

PartnerPage::PartnerPage(const PartnerTable &table, ReturnKeys &returnKeys, QString &searchMode, QWidget *parent)
    : QWidget(parent)
    , m_table(table)
    , m_searchMode(searchMode)
{
    buildForm();

    connect(nameEdit, &QLineEdit::textEdited, this, &PartnerPage::searchNames);
    connect(searchList, &QTreeWidget::itemClicked, this, &PartnerPage::chooseProposal);
    connect(recordsList, &QTreeWidget::itemClicked, this, &PartnerPage::showPartner);
    connect(deleteButton, &QPushButton::clicked, this, &PartnerPage::deletePartner);
    connect(newButton, &QPushButton::clicked, this, &PartnerPage::newPartnerCode);
    connect(validateButton, &QPushButton::clicked, this, &PartnerPage::savePartner);

    returnKeys.onReturn(nameEdit, [this] {
        findPartnerByName(nameEdit->text());
        focusField(addressEdit);
    });
    returnKeys.chain(
        {addressEdit, telephoneEdit, tradeRegisterEdit, taxNumberEdit, articleEdit, nisEdit, initialBalanceEdit});
    returnKeys.onReturn(initialBalanceEdit, [this] { savePartner(); });
}

void PartnerPage::buildForm()
{
    addPageTitle(this, m_table.title);
    addFrame(this, QRect(10, 50, 900, 250));
    codeLabel = addCodeRow(this, codeRowY);

    int row = 0;
    const auto addRow = [this, &row](const QString &caption, const QString &name, bool capitals) {
        const int y = firstFieldY + row++ * rowStep;
        QLineEdit *field = addLabelledField(
            this, caption, QRect(labelX, y, labelWidth, rowHeight), QRect(fieldX, y, fieldWidth, rowHeight));
        field->setObjectName(name);
        if (capitals)
            makeUpperCase(field);
        return field;
    };
    nameEdit = addRow(QStringLiteral("Nom ou Raison sociale:"), QStringLiteral("nameEdit"), true);
    addressEdit = addRow(QStringLiteral("Adresse:"), QStringLiteral("addressEdit"), true);
    telephoneEdit = addRow(QStringLiteral("N° téléphone:"), QStringLiteral("telephoneEdit"), false);
    tradeRegisterEdit = addRow(QStringLiteral("N° registre de commerce:"), QStringLiteral("tradeRegisterEdit"), false);
    taxNumberEdit = addRow(QStringLiteral("Matricule fiscal:"), QStringLiteral("taxNumberEdit"), false);
    articleEdit = addRow(QStringLiteral("N° article:"), QStringLiteral("articleEdit"), false);
    nisEdit = addRow(QStringLiteral("Numéro NIS:"), QStringLiteral("nisEdit"), false);
    initialBalanceEdit = addRow(QStringLiteral("Solde initial:"), QStringLiteral("initialBalanceEdit"), false);

    searchList = addSearchList(this, m_table.searchBackground);

    deleteButton
        = addButton(this, QStringLiteral("Supprimer"), QRect(10, 311, 100, 30), QStringLiteral("deleteButton"));
    newButton = addButton(this, m_table.newButtonCaption, QRect(400, 311, 170, 30), QStringLiteral("newButton"));
    validateButton
        = addButton(this, QStringLiteral("Valider"), QRect(810, 311, 100, 30), QStringLiteral("validateButton"));

    recordsList = createReportList(this, partnerColumns, m_table.listBackground);
    recordsList->setGeometry(10, 351, 900, 240);
    recordsList->setObjectName(QStringLiteral("recordsList"));
}

QList<QLineEdit *> PartnerPage::formFields() const
{
    return {nameEdit, addressEdit, telephoneEdit, tradeRegisterEdit, taxNumberEdit, articleEdit, nisEdit,
        initialBalanceEdit};
}

void PartnerPage::alignPartnerColumns()
{
    for (int column = fpartner::Code; column < fpartner::Si; ++column)
        setColumnAlignment(recordsList, column, ColumnAlignment::Centre);
    setColumnAlignment(recordsList, fpartner::Si, ColumnAlignment::Right);
}

void PartnerPage::fillPartnerList()
{
    if (recordsList->topLevelItemCount() > 0)
        return;
    Query rows = runQuery(m_table.connection, m_table.fillStatement);
    while (rows.next()) {
        QStringList columns;
        for (int column = fpartner::Code; column < fpartner::Si; ++column)
            columns << rows.text(column);
        columns << formatAmount(rows.text(fpartner::Si));
        addListRow(recordsList, columns);
    }
    alignPartnerColumns();
}

void PartnerPage::findPartnerByName(const QString &name)
{
    Query rows = runQuery(m_table.connection, m_table.findByNameStatement, {name});
    if (!rows.next())
        return;
    codeLabel->setText(rows.text(fpartner::Code));
    const QList<QLineEdit *> fields = formFields();
    for (int column = fpartner::Name; column < fpartner::Si; ++column)
        fields[column - 1]->setText(rows.text(column));
    initialBalanceEdit->setText(formatAmount(rows.text(fpartner::Si)));
}

void PartnerPage::searchNames(const QString &typed)
{
    if (typed.isEmpty())
        return;
    proposeValues(searchList, m_table.connection, m_table.searchStatement, typed, true, Repeats::Keep);
    m_searchMode = m_table.searchMode;
}

void PartnerPage::chooseProposal(QTreeWidgetItem *line)
{
    if (m_searchMode != m_table.searchMode)
        return;
    const QString name = line->text(1);
    clearPartnerForm();
    nameEdit->setText(name);
    findPartnerByName(name);
    searchList->clear();
    focusField(addressEdit);
}

void PartnerPage::showPartner(QTreeWidgetItem *line)
{
    copyLineToForm(lineColumns(line), codeLabel, formFields());
    focusField(addressEdit);
}

void PartnerPage::newPartnerCode()
{
    const QString code = QString::number(queryInteger(m_table.connection, m_table.nextCodeStatement) + 1);
    clearPartnerForm();
    codeLabel->setText(code);
    searchList->clear();
    focusField(nameEdit);
}

void PartnerPage::clearPartnerForm()
{
    codeLabel->clear();
    for (QLineEdit *field : formFields())
        field->clear();
}

void PartnerPage::savePartner()
{
    const QString code = codeLabel->text();
    QStringList texts;
    for (const QLineEdit *field : formFields())
        texts << field->text();
    const QString name = texts[fpartner::Name - 1];

    if (code.isEmpty() || toInteger(code) <= 0) {
        dialogs().message(errorTitle(),
            QStringLiteral("Code interne incorrect ! Utilisez le bouton (NOUVEAU) pour "
                           "générer automatiquement un nouveau code !"));
        return;
    }
    if (name.isEmpty()) {
        dialogs().message(errorTitle(), QStringLiteral("Nom ou Raison sociale incorrecte !"));
        return;
    }
    const QString balance = storedAmount(texts.takeLast());

    bool stored = false;
    if (queryHasRow(m_table.connection, m_table.findByCodeStatement, {code})) {
        stored = runUpdate(m_table.connection, m_table.updateStatement,
            {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], balance, code});
    } else {
        stored = runUpdate(m_table.connection, m_table.insertStatement,
            {code, texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], balance});
    }
    // A refused statement keeps the form for another try, and the list shows only what is stored.
    if (!stored)
        return;
    showRecordLine(recordsList, QStringList{code} + texts + QStringList{formatAmount(balance)});
    alignPartnerColumns();
    clearPartnerForm();
}

void PartnerPage::deletePartner()
{
    const QString code = codeLabel->text();
    if (!queryHasRow(m_table.connection, m_table.findByCodeStatement, {code})) {
        dialogs().message(QStringLiteral("Erreur inattendue"), m_table.notFoundMessage);
        return;
    }
    if (reportUsage(m_table.usages, m_table.usedTitle, code))
        return;
    if (dialogs().askYesNoCancel(QStringLiteral("Confirmation"), m_table.deleteQuestion) != Dialogs::Answer::Yes)
        return;
    if (!runUpdate(m_table.connection, m_table.deleteStatement, {code}))
        return;
    removeRecordLine(recordsList, code);
    clearPartnerForm();
}
