#include "stock/documententry.h"

#include "stock/tablayout.h"

#include "common/conversions.h"
#include "common/returnkeys.h"
#include "common/widgets.h"
#include "storage/columns.h"
#include "storage/database.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QString dateFormat = QStringLiteral("dd/MM/yyyy");

void setText(QLineEdit *field, const QString &text)
{
    if (field)
        field->setText(text);
}

} // namespace

QString unitText(const QWidget *unitEdit)
{
    if (const auto *box = qobject_cast<const QComboBox *>(unitEdit))
        return box->currentText();
    if (const auto *edit = qobject_cast<const QLineEdit *>(unitEdit))
        return edit->text();
    return {};
}

void setUnitText(QWidget *unitEdit, const QString &text)
{
    if (auto *box = qobject_cast<QComboBox *>(unitEdit))
        box->setEditText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(unitEdit))
        edit->setText(text);
}

DocumentEntry::DocumentEntry(const DocumentFields &fields, StockValues &values, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
    , m_values(values)
    , m_selectionList(fields.selectionList)
{
    for (QLineEdit *field :
        {m_fields.partnerEdit, m_fields.familyEdit, m_fields.referenceEdit, m_fields.designationEdit}) {
        if (!field)
            continue;
        connect(field, &QLineEdit::textChanged, this, [this, field] { offerMatches(field); });
        field->installEventFilter(this);
    }
    if (m_fields.selectionList)
        connect(m_fields.selectionList, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *row) { chooseSelection(row); });
    if (m_fields.linesList)
        connect(m_fields.linesList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *row) { chooseLine(row); });
    for (int i = 0; i < m_fields.paymentOptions.size(); ++i)
        connect(m_fields.paymentOptions[i], &QRadioButton::clicked, this, [this, i] { choosePaymentOption(i); });
    if (QComboBox *box = m_fields.numberBox) {
        activateOnlyOnChoice(box);
        connect(box, &QComboBox::activated, this, [this, box](int index) {
            if (index >= 0 && !box->currentText().isEmpty() && m_fields.showDocument)
                m_fields.showDocument();
        });
    }
    if (m_fields.dateEdit) {
        connect(m_fields.dateEdit, &QDateEdit::dateChanged, this,
            [this](const QDate &date) { m_values.dateText = date.toString(dateFormat); });
    }
}

void DocumentEntry::registerReturnKeys(ReturnKeys &keys)
{
    const DocumentFields &f = m_fields;
    // A number typed into the box loads nothing: only a choice from its list does.
    if (f.numberBox)
        keys.onReturn(f.numberBox, [] {});
    if (f.partnerEdit)
        keys.onReturn(f.partnerEdit, [this] { goTo(m_fields.designationEdit); });
    keys.onReturn(f.familyEdit, [this] { goTo(m_fields.referenceEdit); });
    keys.onReturn(f.referenceEdit, [this] {
        m_values.reference = m_fields.referenceEdit->text();
        goTo(m_fields.designationEdit);
    });
    keys.onReturn(f.designationEdit, [this] {
        findProductByDesignation();
        goTo(m_fields.unitEdit ? m_fields.unitEdit : m_fields.quantityEdit);
    });
    if (f.unitEdit)
        keys.onReturn(f.unitEdit, [this] { goTo(m_fields.quantityEdit); });
    if (isRegularisation()) {
        keys.chain({f.quantityEdit, f.exitQuantityEdit, f.observationsEdit});
        keys.onReturn(f.observationsEdit, [this] {
            m_values.quantity = m_fields.quantityEdit->text();
            if (m_fields.addLine)
                m_fields.addLine();
        });
    } else {
        keys.chain({f.quantityEdit, f.unitPriceEdit});
        keys.onReturn(f.unitPriceEdit, [this] {
            m_values.quantity = m_fields.quantityEdit->text();
            m_values.unitPrice = m_fields.unitPriceEdit->text();
            if (m_fields.addLine)
                m_fields.addLine();
        });
    }
    // Keyboard users choose a row of either list with Return.
    if (f.selectionList)
        keys.onReturn(f.selectionList, [this] { chooseSelection(m_fields.selectionList->currentItem()); });
    if (f.linesList)
        keys.onReturn(f.linesList, [this] { chooseLine(m_fields.linesList->currentItem()); });
}

bool DocumentEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // A field losing the focus while it is destroyed is no longer a QLineEdit here.
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            offerMatches(field);
    }
    return QObject::eventFilter(watched, event);
}

void DocumentEntry::offerMatches(QLineEdit *field)
{
    const QString typed = field->text().toUpper();
    if (typed.isEmpty() || !m_selectionList)
        return;
    m_selectionList->clear();
    if (field == m_fields.partnerEdit) {
        offerPartners(typed);
    } else if (field == m_fields.familyEdit) {
        offerColumn("select * from fprod order by FAM", fprod::fam, typed);
        m_values.lookupMode = LookupMode::family;
    } else if (field == m_fields.referenceEdit) {
        offerColumn("select * from fprod order by ref", fprod::ref, typed);
        m_values.lookupMode = LookupMode::reference;
    } else if (field == m_fields.designationEdit) {
        offerProducts(typed);
    }
}

void DocumentEntry::offerPartners(const QString &typed)
{
    const bool suppliers = m_fields.partner == PartnerKind::Supplier;
    Query rows = suppliers ? runQuery(Db::four, "select * from ffour order by four")
                           : runQuery(Db::client, "select * from fclient order by client");
    while (rows.next()) {
        const QString name = rows.text(fpartner::Name).toUpper();
        if (name.left(typed.size()) == typed)
            addSelectionRow(rows.text(fpartner::Code), name);
    }
    m_values.lookupMode = suppliers ? LookupMode::supplier : LookupMode::client;
}

// Families and references are compared as stored; the rows come in that column's order, so
// skipping the value offered just before offers each one once.
void DocumentEntry::offerColumn(const char *statement, int column, const QString &typed)
{
    Query rows = runQuery(Db::prod, statement);
    QString previous;
    bool first = true;
    while (rows.next()) {
        const QString value = rows.text(column);
        if (value.left(typed.size()) == typed && (first || value != previous)) {
            addSelectionRow(QString(), value);
            previous = value;
            first = false;
        }
    }
}

void DocumentEntry::offerProducts(const QString &typed)
{
    Query rows = runQuery(Db::prod, "select * from fprod order by prod");
    while (rows.next()) {
        const QString designation = rows.text(fprod::Prod).toUpper();
        if (designation.left(typed.size()) == typed)
            addSelectionRow(rows.text(fprod::Codeprod), designation);
    }
    m_values.lookupMode = LookupMode::product;
}

void DocumentEntry::addSelectionRow(const QString &code, const QString &text)
{
    if (m_fields.oneColumnSelection)
        addListRow(m_selectionList, {text, QString()});
    else
        addListRow(m_selectionList, {code, text});
}

void DocumentEntry::chooseSelection(QTreeWidgetItem *row)
{
    if (!row)
        return;
    // Copied first: setting a field refills the list and deletes the row.
    const QString code = m_fields.oneColumnSelection ? QString() : row->text(0);
    const QString text = row->text(m_fields.oneColumnSelection ? 0 : 1);
    const QString mode = m_values.lookupMode;
    if (mode == LookupMode::supplier || mode == LookupMode::client) {
        choosePartner(code, text);
    } else if (mode == LookupMode::product) {
        chooseProduct(code, text);
    } else if (mode == LookupMode::family) {
        m_values.family = text;
        m_values.productCode.clear();
        m_fields.familyEdit->setText(text);
        m_selectionList->clear();
        goTo(m_fields.referenceEdit);
    } else if (mode == LookupMode::reference) {
        m_values.reference = text;
        m_values.productCode.clear();
        m_fields.referenceEdit->setText(text);
        m_selectionList->clear();
        goTo(m_fields.designationEdit);
    }
}

void DocumentEntry::choosePartner(const QString &code, const QString &name)
{
    if (!m_fields.partnerEdit)
        return;
    m_values.partnerName = name;
    m_values.partnerCode = code;
    m_fields.partnerEdit->setText(name);
    m_selectionList->clear();
    if (m_fields.partner == PartnerKind::Client && m_fields.oneColumnSelection)
        showClientDetails(name);
    goTo(m_fields.designationEdit);
}

void DocumentEntry::showClientDetails(const QString &name)
{
    Query client = runQuery(Db::client, "SELECT * FROM fClient where Client=?", {name});
    if (!client.next())
        return;
    m_values.partnerCode = client.text(fpartner::Code);
    m_values.partnerName = client.text(fpartner::Name);
    m_values.partnerAddress = client.text(fpartner::Ad);
    m_values.partnerTelephone = client.text(fpartner::Tel);
    m_values.partnerRc = client.text(fpartner::Rc);
    m_values.partnerMf = client.text(fpartner::Mf);
    m_values.partnerArticle = client.text(fpartner::Art);
    m_values.partnerNis = client.text(fpartner::Nis);
    m_values.partnerInitialBalance = client.text(fpartner::Si);
    setText(m_fields.addressEdit, m_values.partnerAddress);
    setText(m_fields.rcEdit, m_values.partnerRc);
    setText(m_fields.mfEdit, m_values.partnerMf);
    setText(m_fields.articleEdit, m_values.partnerArticle);
    setText(m_fields.nisEdit, m_values.partnerNis);
}

void DocumentEntry::chooseProduct(const QString &code, const QString &designation)
{
    m_values.designation = designation;
    if (!m_fields.oneColumnSelection)
        m_values.productCode = code;
    m_fields.designationEdit->setText(designation);
    Query product = m_fields.oneColumnSelection
        ? runQuery(Db::prod, "select * from fprod where prod=?", {designation})
        : runQuery(Db::prod, "select * from fprod where codeprod=?", {m_values.productCode});
    if (product.next()) {
        m_values.family = product.text(fprod::fam);
        m_values.reference = product.text(fprod::ref).toUpper();
        m_fields.familyEdit->setText(m_values.family);
        m_fields.referenceEdit->setText(m_values.reference);
        if (m_fields.unitEdit) {
            m_values.unit = product.text(fprod::Um).toUpper();
            setUnitText(m_fields.unitEdit, m_values.unit);
        }
        if (m_fields.unitPriceEdit) {
            m_values.unitPrice = product.text(fprod::Pvg);
            m_fields.unitPriceEdit->setText(insertDecimalPoint(m_values.unitPrice));
        }
    }
    m_selectionList->clear();
    goTo(m_fields.quantityEdit);
}

void DocumentEntry::findProductByDesignation()
{
    m_values.designation = m_fields.designationEdit->text();
    Query product = runQuery(Db::prod, "SELECT * from fprod where prod=?", {m_values.designation});
    if (!product.next())
        return;
    m_values.family = product.text(fprod::fam);
    m_values.reference = product.text(fprod::ref);
    m_fields.familyEdit->setText(m_values.family);
    m_fields.referenceEdit->setText(m_values.reference);
    if (m_fields.unitEdit) {
        m_values.unit = product.text(fprod::Um);
        setUnitText(m_fields.unitEdit, m_values.unit);
    }
}

void DocumentEntry::chooseLine(QTreeWidgetItem *row)
{
    if (!row)
        return;
    const QStringList columns = [row] {
        QStringList texts;
        for (int i = 0; i < row->columnCount(); ++i)
            texts << row->text(i);
        return texts;
    }();
    const auto column = [&columns](int i) { return i < columns.size() ? columns[i] : QString(); };
    m_values.productCode = column(0);
    m_values.designation = column(1);
    if (!isRegularisation()) {
        m_values.unit = column(2);
        m_values.quantity = column(3);
        m_values.unitPrice = column(4);
        m_values.amount = column(5);
    }
    Query product = runQuery(Db::prod, "SELECT * FROM fprod where codeprod=?", {m_values.productCode});
    if (!product.next())
        return;
    m_values.family = product.text(fprod::fam);
    m_values.reference = product.text(fprod::ref);
    m_values.designation = product.text(fprod::Prod);
    m_fields.familyEdit->setText(m_values.family);
    m_fields.referenceEdit->setText(m_values.reference);
    m_fields.designationEdit->setText(m_values.designation);
    if (isRegularisation()) {
        m_fields.quantityEdit->setText(column(2));
        m_fields.exitQuantityEdit->setText(column(3));
        m_fields.observationsEdit->setText(column(4));
        return;
    }
    setUnitText(m_fields.unitEdit, m_values.unit);
    m_fields.quantityEdit->setText(m_values.quantity);
    setText(m_fields.unitPriceEdit, m_values.unitPrice);
    setText(m_fields.amountEdit, m_values.amount);
}

void DocumentEntry::choosePaymentOption(int index)
{
    if (index < 0 || index >= paymentModeTexts.size() || !m_fields.paymentModeEdit)
        return;
    m_values.paymentMode = paymentModeTexts[index];
    m_fields.paymentModeEdit->setText(m_values.paymentMode);
    if (m_fields.afterPaymentOption)
        m_fields.afterPaymentOption();
}

void DocumentEntry::goTo(QWidget *field)
{
    if (field)
        focusField(field);
}
