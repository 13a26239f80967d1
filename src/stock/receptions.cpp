#include "stock/receptions.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/returnkeys.h"
#include "common/widgets.h"
#include "masterdata/nextcodes.h"
#include "stock/numberlists.h"
#include "stock/productstock.h"
#include "stock/receptionpage.h"
#include "stock/transportlookups.h"
#include "storage/columns.h"
#include "storage/database.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QString errorTitle = QStringLiteral("Erreur");
const QString badNumber = QStringLiteral(
    "N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer automatiquement un nouveau N° !");
const QString badDate = QStringLiteral("Date incorrecte !");
const QString settlementCode = QString::number(codes::settlementProduct);
const QString dateFormat = QStringLiteral("dd/MM/yyyy");
constexpr qint64 hundredths = 100;

namespace Line {
enum : int { Code, Designation, Unit, Quantity, UnitPrice, Amount };
}

// A message box and the end of the operation.
void refuse(const QString &text)
{
    dialogs().message(errorTitle, text);
}

bool isValidDocumentNumber(const QString &number)
{
    return !number.isEmpty() && isValidAmount(number) && toInteger(number) > 0;
}

// The number as stored: its integer value, whatever was typed around it.
QString storedNumber(const QString &number)
{
    return QString::number(toInteger(number));
}

// A quantity or price must be at least one whole unit: 0.5 is refused.
bool isValidWholeAmount(const QString &text)
{
    return isValidAmount(text) && amountValue(text) / hundredths > 0;
}

QString dateText(const ReceptionPage &tab)
{
    return tab.dateEdit->date().toString(dateFormat);
}

QString unitText(const ReceptionPage &tab)
{
    return tab.unitBox->currentText();
}

// The supplier's code, after creating it with `details` in its six detail columns when missing.
QString findOrCreateSupplier(const QString &name, const QString &details)
{
    Query supplier = runQuery(Db::four, "SELECT * FROM ffour where four=?", {name});
    if (supplier.next())
        return supplier.text(fpartner::Code);
    const QString code = nextSupplierCode();
    runUpdate(Db::four, "insert into ffour (Codefour,four,Ad,Tel,Rc,Mf,Art,Nis,Si) values (?,?,?,?,?,?,?,?,?)",
        {code, name, details, details, details, details, details, details, QStringLiteral("0")});
    return code;
}

// The product named by family, reference and designation; a new one starts with no stock, this
// line's price as purchase price and no sale prices.
QString findOrCreateProduct(const StockValues &values, qint64 purchasePrice)
{
    Query product = runQuery(Db::prod, "SELECT * FROM fprod where fam=? and ref=? and prod=?",
        {values.family, values.reference, values.designation});
    if (product.next())
        return product.text(fprod::Codeprod);
    const QString code = nextProductCode();
    const QString zero = QStringLiteral("0");
    runUpdate(Db::prod,
        "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg,codefour) values (?,?,?,?,?,?,?,?,?,?)",
        {code, values.family, values.reference, values.designation, values.unit, zero, QString::number(purchasePrice),
            zero, zero, values.partnerCode});
    return code;
}

bool hasProductLines(const QString &number)
{
    return queryHasRow(Db::br, "select * FROM fbr where codeprod<>'9999' And numdoc=?", {number});
}

QTreeWidgetItem *addLineRow(QTreeWidget *list, const QStringList &columns)
{
    QTreeWidgetItem *row = addListRow(list, columns);
    for (int column : {Line::Code, Line::Unit})
        row->setTextAlignment(column, Qt::AlignCenter);
    for (int column : {Line::Quantity, Line::UnitPrice, Line::Amount})
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

void readHeader(ReceptionPage &tab)
{
    StockValues &values = tab.values();
    values.documentNumber = tab.numberBox->currentText();
    values.dateText = dateText(tab);
    values.partnerName = tab.supplierEdit->text();
}

void selectPaymentOption(ReceptionPage &tab, const QString &mode)
{
    if (mode == QLatin1String(codes::cash))
        tab.cashOption->setChecked(true);
    else if (mode.startsWith(QLatin1Char('C')))
        tab.chequeOption->setChecked(true);
    else if (mode.startsWith(QLatin1Char('V')))
        tab.transferOption->setChecked(true);
    else if (mode.startsWith(QLatin1Char('A')))
        tab.onAccountOption->setChecked(true);
}

void recordTransport(const StockValues &values)
{
    recordTransportValue(Transport::Truck, values.truck);
    recordTransportValue(Transport::Driver, values.driver);
    recordTransportValue(Transport::Registration, values.registration);
}

void addNumberToList(QComboBox *box, const QString &number)
{
    const QString last = box->count() > 0 ? box->itemText(box->count() - 1) : QString();
    if (toInteger(last) < toInteger(number))
        box->addItem(number);
}

void removeNumberFromList(QComboBox *box, const QString &number)
{
    const int index = box->findText(number);
    if (index >= 0)
        box->removeItem(index);
}

} // namespace

void addReceptionLine(ReceptionPage &tab)
{
    StockValues &values = tab.values();
    readHeader(tab);
    values.family = tab.familyEdit->text();
    values.reference = tab.referenceEdit->text();
    values.designation = tab.designationEdit->text();
    values.unit = unitText(tab);
    values.quantity = tab.quantityEdit->text();
    values.unitPrice = tab.unitPriceEdit->text();

    if (!isValidDocumentNumber(values.documentNumber))
        return refuse(badNumber);
    if (!isValidDate(values.dateText))
        return refuse(badDate);
    if (values.partnerName.isEmpty())
        return refuse(QStringLiteral("Nom de fournisseur incorrect !"));
    if (values.designation.isEmpty())
        return refuse(QStringLiteral("Désignation du produit incorrecte !"));
    if (!isValidWholeAmount(values.quantity))
        return refuse(QStringLiteral("Quantité incorrecte !"));
    const qint64 quantity = amountValue(values.quantity);
    const qint64 unitPrice = amountValue(values.unitPrice);
    // A price so large that the line amount cannot be held is no price either.
    qint64 product = 0;
    if (!isValidWholeAmount(values.unitPrice) || __builtin_mul_overflow(quantity, unitPrice, &product))
        return refuse(QStringLiteral("Prix unitaire incorrect !"));

    const QString number = storedNumber(values.documentNumber);
    values.partnerCode = findOrCreateSupplier(values.partnerName, QStringLiteral("x"));
    values.productCode = findOrCreateProduct(values, unitPrice);

    const qint64 amount = lineAmount(quantity, unitPrice);
    values.quantity = formatAmount(quantity);
    values.unitPrice = formatAmount(unitPrice);
    values.amount = formatAmount(amount);
    const QString dayKey = QString::number(dateToDateNum(values.dateText));
    const QString storedQuantity = QString::number(quantity);
    const QString storedPrice = QString::number(unitPrice);
    const QString storedAmount = QString::number(amount);

    if (queryHasRow(Db::br, "SELECT * FROM fbr where numdoc=? and codeprod=?", {number, values.productCode})) {
        runUpdate(Db::br,
            "update fbr set datedoc=?, datenum=?, codefour=?, um=?, qte=?, pu=?, mnt=? "
            "where numdoc=? and codeprod=?",
            {values.dateText, dayKey, values.partnerCode, values.unit, storedQuantity, storedPrice, storedAmount,
                number, values.productCode});
        if (QTreeWidgetItem *row = findListRow(tab.linesList, Line::Code, values.productCode)) {
            row->setText(Line::Unit, values.unit);
            row->setText(Line::Quantity, values.quantity);
            row->setText(Line::UnitPrice, values.unitPrice);
            row->setText(Line::Amount, values.amount);
        }
    } else {
        const QString zero = QStringLiteral("0");
        runUpdate(Db::br,
            "insert into fbr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Um,Qte,Pu,Mnt,frais,remise,ttc,modep) "
            "values (?,?,?,?,?,?,?,?,?,?,?,?,?)",
            {number, values.dateText, dayKey, values.partnerCode, values.productCode, values.unit, storedQuantity,
                storedPrice, storedAmount, zero, zero, zero, QString()});
        addLineRow(tab.linesList,
            {values.productCode, values.designation, values.unit, values.quantity, values.unitPrice, values.amount});
    }

    computeReceptionTotals(tab);
    clearProductFigures(tab);
    saveReception(tab);

    for (QLineEdit *field :
        {tab.familyEdit, tab.referenceEdit, tab.designationEdit, tab.quantityEdit, tab.unitPriceEdit})
        field->clear();
    focusField(tab.designationEdit);
}

void computeReceptionTotals(ReceptionPage &tab)
{
    const QString number = storedNumber(tab.numberBox->currentText());
    const qint64 ht = queryInteger(Db::br, "SELECT sum(mnt) FROM fbr where numdoc=?", {number});
    const qint64 costs = amountValue(tab.costsEdit->text());
    const qint64 discount = amountValue(tab.discountEdit->text());
    tab.totalHtEdit->setText(formatAmount(ht));
    tab.costsEdit->setText(formatAmount(costs));
    tab.discountEdit->setText(formatAmount(discount));
    // A total that cannot be held is left empty, so saving refuses it.
    qint64 withCosts = 0;
    qint64 ttc = 0;
    const bool overflow
        = __builtin_add_overflow(ht, costs, &withCosts) || __builtin_sub_overflow(withCosts, discount, &ttc);
    tab.totalTtcEdit->setText(overflow ? QString() : formatAmount(ttc));
}

void saveReception(ReceptionPage &tab)
{
    StockValues &values = tab.values();
    readHeader(tab);
    values.paymentMode = tab.paymentModeEdit->text();
    values.truck = tab.truckEdit->text();
    values.registration = tab.registrationEdit->text();
    values.driver = tab.driverEdit->text();

    if (!isValidDocumentNumber(values.documentNumber))
        return refuse(badNumber);
    if (!isValidDate(values.dateText))
        return refuse(badDate);
    if (values.partnerName.isEmpty())
        return refuse(QStringLiteral("Sélectionnez (ou saisissez) un fournisseur !"));
    if (values.paymentMode.isEmpty())
        return refuse(QStringLiteral("Indiquez le mode de payement !"));
    // The totals are taken again from the lines and from the costs and discount as they stand,
    // so the settlement line always agrees with itself; a reception without lines has none.
    const QString number = storedNumber(values.documentNumber);
    const bool hasLines = hasProductLines(number);
    if (hasLines)
        computeReceptionTotals(tab);
    const QString htText = hasLines ? tab.totalHtEdit->text() : QString();
    if (!isValidAmount(htText))
        return refuse(QStringLiteral("Montant ht incorrect !"));
    if (!isValidAmount(tab.totalTtcEdit->text()))
        return refuse(QStringLiteral("Montant ttc incorrect !"));

    const QString dayKey = QString::number(dateToDateNum(values.dateText));
    const QString ht = QString::number(amountValue(htText));
    const QString costs = QString::number(amountValue(tab.costsEdit->text()));
    const QString discount = QString::number(amountValue(tab.discountEdit->text()));
    const QString ttc = QString::number(amountValue(tab.totalTtcEdit->text()));
    values.partnerCode = findOrCreateSupplier(values.partnerName, QString());

    if (queryHasRow(Db::br, "SELECT * FROM fbr where numdoc=? and codeprod=9999", {number})) {
        runUpdate(Db::br,
            "update fbr set datedoc=?, datenum=?, codefour=?, ht=?, frais=?, remise=?, ttc=?, modep=?, camion=?, "
            "chauf=?, mat=? where numdoc=? and codeprod=9999",
            {values.dateText, dayKey, values.partnerCode, ht, costs, discount, ttc, values.paymentMode, values.truck,
                values.driver, values.registration, number});
    } else {
        const QString zero = QStringLiteral("0");
        runUpdate(Db::br,
            "insert into fbr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,ttc,modep,"
            "camion,chauf,mat) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            {number, values.dateText, dayKey, values.partnerCode, settlementCode, QString(), zero, zero, zero, ht,
                costs, discount, ttc, values.paymentMode, values.truck, values.driver, values.registration});
    }
    runUpdate(Db::br, "update fbr set datedoc=?, datenum=?, codefour=? where numdoc=?",
        {values.dateText, dayKey, values.partnerCode, number});

    addNumberToList(tab.numberBox, number);
    showSupplierBalance(tab);
    recordTransport(values);
}

void showSupplierBalance(ReceptionPage &tab)
{
    // The supplier the tab shows: an empty reception has none, whatever was shown before it.
    StockValues &values = tab.values();
    values.partnerName = tab.supplierEdit->text();
    if (values.partnerName.isEmpty())
        return refuse(QStringLiteral("Sélectionnez un fournisseur! "));
    Query supplier = runQuery(Db::four, "SELECT * FROM ffour where four=?", {values.partnerName});
    if (!supplier.next()) {
        dialogs().message(
            QStringLiteral("Erreur inattendue"), QStringLiteral("Fournisseur introuvable dans la table ! "));
        return;
    }
    const QString code = supplier.text(fpartner::Code);
    const qint64 initialBalance = supplier.integer(fpartner::Si);
    const qint64 received = queryInteger(Db::br, "SELECT SUM(ttc) FROM Fbr where codefour=?", {code});
    const qint64 paid = queryInteger(Db::verFour, "SELECT SUM(Mnt) FROM fverfour where codefour=?", {code});
    tab.balanceEdit->setText(formatAmount(initialBalance + received - paid));
}

void deleteReceptionLine(ReceptionPage &tab)
{
    StockValues &values = tab.values();
    values.documentNumber = tab.numberBox->currentText();
    values.designation = tab.designationEdit->text();
    for (QLineEdit *field :
        {tab.familyEdit, tab.referenceEdit, tab.designationEdit, tab.quantityEdit, tab.unitPriceEdit})
        field->clear();
    tab.unitBox->setEditText(QString());

    const QString number = storedNumber(values.documentNumber);
    Query product = runQuery(Db::prod, "SELECT * from fprod where prod=?", {values.designation});
    const QString productCode = product.next() ? product.text(fprod::Codeprod) : QString();
    runUpdate(Db::br, "Delete FROM fbr where numdoc=? and codeprod=?", {number, productCode});
    delete findListRow(tab.linesList, Line::Code, productCode);
    computeReceptionTotals(tab);

    if (!hasProductLines(number)) {
        runUpdate(Db::br, "Delete FROM fbr where numdoc=?", {number});
        removeNumberFromList(tab.numberBox, number);
        clearReceptionTab(tab);
    } else {
        computeReceptionTotals(tab);
        saveReception(tab);
    }
}

void cancelReception(ReceptionPage &tab)
{
    StockValues &values = tab.values();
    values.documentNumber = tab.numberBox->currentText();
    const QString number = storedNumber(values.documentNumber);
    if (!queryHasRow(Db::br, "select * FROM fbr where numdoc=?", {number}))
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("Confirmation"), QStringLiteral("Etes-vous sûr de vouloir annuler cette réception ?")))
        return;
    runUpdate(Db::br, "Delete from fbr where numdoc=?", {number});
    clearReceptionTab(tab);
}

void showReception(ReceptionPage &tab)
{
    StockValues &values = tab.values();
    const QString chosen = tab.numberBox->currentText();
    clearReceptionTab(tab);
    tab.numberBox->setEditText(chosen);
    values.documentNumber = chosen;

    Query rows = runQuery(Db::br, "SELECT * FROM fbr where numdoc=?", {storedNumber(chosen)});
    while (rows.next()) {
        if (rows.integer(fbr::CodeProd) == codes::settlementProduct) {
            values.dateText = rows.text(fbr::DateDoc);
            values.partnerCode = rows.text(fbr::CodeFour);
            values.paymentMode = rows.text(fbr::modep);
            values.truck = rows.text(fbr::camion);
            values.driver = rows.text(fbr::chauf);
            values.registration = rows.text(fbr::mat);
            Query supplier = runQuery(Db::four, "SELECT * from ffour where codefour=?", {values.partnerCode});
            values.partnerName = supplier.next() ? supplier.text(fpartner::Name) : QStringLiteral("x");
            const QDate date = QDate::fromString(values.dateText, dateFormat);
            if (date.isValid())
                tab.dateEdit->setDate(date);
            tab.supplierEdit->setText(values.partnerName);
            tab.totalHtEdit->setText(formatAmount(rows.text(fbr::ht)));
            tab.costsEdit->setText(formatAmount(rows.text(fbr::frais)));
            tab.discountEdit->setText(formatAmount(rows.text(fbr::remise)));
            tab.totalTtcEdit->setText(formatAmount(rows.text(fbr::ttc)));
            tab.paymentModeEdit->setText(values.paymentMode);
            tab.truckEdit->setText(values.truck);
            tab.driverEdit->setText(values.driver);
            tab.registrationEdit->setText(values.registration);
        } else {
            values.productCode = rows.text(fbr::CodeProd);
            values.unit = rows.text(fbr::Um);
            values.quantity = formatAmount(rows.text(fbr::Qte));
            values.unitPrice = formatAmount(rows.text(fbr::Pu));
            values.amount = formatAmount(rows.text(fbr::Mnt));
            Query product = runQuery(Db::prod, "SELECT * from fprod where codeprod=?", {values.productCode});
            values.designation = product.next() ? product.text(fprod::Prod) : QString();
            addLineRow(tab.linesList,
                {values.productCode, values.designation, values.unit, values.quantity, values.unitPrice,
                    values.amount});
        }
    }
    alignReceptionLines(tab.linesList);
    selectPaymentOption(tab, values.paymentMode);
    showSupplierBalance(tab);
}

void clearReceptionTab(ReceptionPage &tab)
{
    tab.linesList->clear();
    tab.selectionList->clear();
    tab.numberBox->setCurrentIndex(-1);
    tab.numberBox->setEditText(QString());
    for (QLineEdit *field : {tab.supplierEdit, tab.familyEdit, tab.referenceEdit, tab.designationEdit, tab.quantityEdit,
             tab.unitPriceEdit, tab.totalHtEdit, tab.costsEdit, tab.discountEdit, tab.totalTtcEdit, tab.truckEdit,
             tab.driverEdit, tab.registrationEdit, tab.balanceEdit})
        field->clear();
    tab.unitBox->setEditText(QString());
    clearProductFigures(tab);
    tab.cashOption->setChecked(true);
    tab.paymentModeEdit->setText(QLatin1String(codes::cash));
}

void newReceptionNumber(ReceptionPage &tab)
{
    clearReceptionTab(tab);
    const QString number = nextReceptionNumber();
    tab.numberBox->setEditText(number);
    tab.values().documentNumber = number;
    focusField(tab.supplierEdit);
}

void showProductFigures(ReceptionPage &tab, const QString &productCode)
{
    Query product = runQuery(Db::prod, "SELECT * from fprod where codeprod=?", {productCode});
    if (productCode.isEmpty() || !product.next())
        return clearProductFigures(tab);
    tab.stockLabel->setText(formatAmount(productStock(productCode)));
    tab.purchasePriceLabel->setText(formatAmount(product.text(fprod::Pa)));
}

void showProductFiguresByDesignation(ReceptionPage &tab, const QString &designation)
{
    Query product = runQuery(Db::prod, "SELECT * from fprod where prod=?", {designation});
    showProductFigures(tab, product.next() ? product.text(fprod::Codeprod) : QString());
}

void clearProductFigures(ReceptionPage &tab)
{
    tab.stockLabel->clear();
    tab.purchasePriceLabel->clear();
}

void alignReceptionLines(QTreeWidget *list)
{
    for (int column : {Line::Code, Line::Unit})
        setColumnAlignment(list, column, ColumnAlignment::Centre);
    for (int column : {Line::Quantity, Line::UnitPrice, Line::Amount})
        setColumnAlignment(list, column, ColumnAlignment::Right);
}
