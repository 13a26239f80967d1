#include "stock/receptionpage.h"

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

const QColor selectionBackground(208, 242, 245);
const QColor linesBackground(217, 252, 242);

constexpr int margin = 20;
constexpr int fieldHeight = 24;
constexpr int rowStep = 35;
constexpr int captionWidth = 90;
constexpr int fieldX = margin + captionWidth;
constexpr int headerTop = 50;
constexpr int headerFieldWidth = 340;
constexpr int shortFieldWidth = 120;
constexpr int linesListWidth = 835;
constexpr int linesListHeight = 300;
constexpr int stockX = 855;
constexpr int sideX = 875;
constexpr int sideWidth = 420;
constexpr int groupHeight = 58;

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QRect captionRect(int x, int y, int width = captionWidth)
{
    return {x, y, width, fieldHeight};
}

QRect fieldRect(int x, int y, int width)
{
    return {x, y, width, fieldHeight};
}

QComboBox *addNumberBox(QWidget *parent, const QString &caption, const QRect &labelGeometry, const QRect &boxGeometry)
{
    QLabel *label = addLabel(parent, caption, labelGeometry);
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    // Typing a number and pressing Return must not add it to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setGeometry(boxGeometry);
    box->setAccessibleName(caption);
    label->setBuddy(box);
    return box;
}

QGroupBox *addGroup(QWidget *parent, const QString &title, const QRect &geometry)
{
    auto *group = new QGroupBox(title, parent);
    group->setGeometry(geometry);
    return group;
}

// A group that holds one centred field; the group's title names the field.
QLineEdit *addGroupField(QWidget *parent, const QString &title, const QRect &geometry)
{
    QGroupBox *group = addGroup(parent, title, geometry);
    auto *field = new QLineEdit(group);
    constexpr int inset = 10;
    constexpr int titleRoom = 22;
    field->setGeometry(inset, titleRoom, geometry.width() - 2 * inset, fieldHeight);
    field->setAccessibleName(title);
    return field;
}

QLabel *addGroupLabel(QWidget *parent, const QString &title, const QRect &geometry)
{
    QGroupBox *group = addGroup(parent, title, geometry);
    auto *label = new QLabel(group);
    constexpr int inset = 10;
    constexpr int titleRoom = 22;
    label->setGeometry(inset, titleRoom, geometry.width() - 2 * inset, fieldHeight);
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(title);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    return button;
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
    connectButtons();
}

void ReceptionPage::buildHeader()
{
    titleLabel = named(addLabel(this, QStringLiteral("BON DE RECEPTION"), {margin, 10, 400, 30}), "titleLabel");
    titleLabel->setFont(screenFont(ScreenFont::Title));

    int y = headerTop;
    numberBox = named(
        addNumberBox(this, QStringLiteral("N° DE BON:"), captionRect(margin, y), fieldRect(fieldX, y, shortFieldWidth)),
        "numberBox");
    constexpr int dateCaptionX = fieldX + shortFieldWidth + 30;
    constexpr int dateCaptionWidth = 45;
    QLabel *dateCaption = addLabel(this, QStringLiteral("Date:"), captionRect(dateCaptionX, y, dateCaptionWidth));
    dateEdit = named(new QDateEdit(QDate::currentDate(), this), "dateEdit");
    dateEdit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setGeometry(dateCaptionX + dateCaptionWidth, y, shortFieldWidth, fieldHeight);
    dateEdit->setAccessibleName(QStringLiteral("Date:"));
    dateCaption->setBuddy(dateEdit);

    const auto upperCaseField = [this, &y](const QString &caption, const char *name) {
        y += rowStep;
        QLineEdit *field = named(
            addLabelledField(this, caption, captionRect(margin, y), fieldRect(fieldX, y, headerFieldWidth)), name);
        makeUpperCase(field);
        return field;
    };
    supplierEdit = upperCaseField(QStringLiteral("Fournisseur:"), "supplierEdit");
    familyEdit = upperCaseField(QStringLiteral("Famille:"), "familyEdit");
    referenceEdit = upperCaseField(QStringLiteral("Référence:"), "referenceEdit");
    designationEdit = upperCaseField(QStringLiteral("Désignation:"), "designationEdit");

    y += rowStep;
    unitBox = named(
        addNumberBox(this, QStringLiteral("U. M. :"), captionRect(margin, y), fieldRect(fieldX, y, shortFieldWidth)),
        "unitBox");
    makeUpperCase(unitBox);
    y += rowStep;
    quantityEdit = named(addLabelledField(this, QStringLiteral("Quantité:"), captionRect(margin, y),
                             fieldRect(fieldX, y, shortFieldWidth)),
        "quantityEdit");
    y += rowStep;
    unitPriceEdit = named(addLabelledField(this, QStringLiteral("Prix unitaire:"), captionRect(margin, y),
                              fieldRect(fieldX, y, shortFieldWidth)),
        "unitPriceEdit");

    constexpr int selectionX = fieldX + headerFieldWidth + 20;
    selectionList
        = named(createReportList(
                    this, {{QStringLiteral("Code"), 40}, {QStringLiteral("   Désignation"), 300}}, selectionBackground),
            "selectionList");
    selectionList->setGeometry(selectionX, headerTop, 365, y + fieldHeight - headerTop);
    selectionList->setAccessibleName(QStringLiteral("Sélection"));
}

void ReceptionPage::buildButtonsAndLines()
{
    constexpr int buttonsTop = 335;
    constexpr int buttonHeight = 30;
    constexpr int gap = 10;
    int x = margin;
    const auto button = [this, &x](const QString &text, int width, const char *name) {
        QPushButton *created = named(addButton(this, text, {x, buttonsTop, width, buttonHeight}), name);
        x += width + gap;
        return created;
    };
    printButton = button(QStringLiteral("Imprimer"), 110, "printButton");
    cancelReceptionButton = button(QStringLiteral("Annuler la réception"), 170, "cancelReceptionButton");
    deleteLineButton = button(QStringLiteral("Supprimer la ligne sélectionnée"), 230, "deleteLineButton");
    newReceptionButton = button(QStringLiteral("Nouvelle réception"), 170, "newReceptionButton");
    validateButton = button(QStringLiteral("Valider"), 115, "validateButton");

    linesList = named(createReportList(this,
                          {{QStringLiteral("Code"), 40}, {QStringLiteral(" Désignation du produit"), 300},
                              {QStringLiteral(" U.M."), 90}, {QStringLiteral(" Quantité"), 80},
                              {QStringLiteral(" Prix unitaire"), 100}, {QStringLiteral(" Montant"), 100}},
                          linesBackground),
        "linesList");
    linesList->setGeometry(margin, buttonsTop + buttonHeight + gap, linesListWidth, linesListHeight);
    linesList->setAccessibleName(QStringLiteral("Lignes du bon"));
}

void ReceptionPage::buildSidePanel()
{
    stockLabel
        = named(addGroupLabel(this, QStringLiteral("Stock disponible"), {stockX, 45, 200, groupHeight}), "stockLabel");
    purchasePriceLabel
        = named(addGroupLabel(this, QStringLiteral(" P. M. P."), {stockX, 45 + groupHeight + 10, 200, groupHeight}),
            "purchasePriceLabel");

    QGroupBox *payment = addGroup(this, QString(), {sideX, 330, sideWidth, 95});
    payment->setObjectName(QStringLiteral("paymentGroup"));
    paymentModeEdit = named(addLabelledField(payment, QStringLiteral("Mode de payement:"), {10, 12, 130, fieldHeight},
                                {140, 12, sideWidth - 150, fieldHeight}),
        "paymentModeEdit");
    makeUpperCase(paymentModeEdit);
    int x = 10;
    const auto option = [payment, &x](const QString &text, int width, const char *name) {
        auto *created = named(new QRadioButton(text, payment), name);
        created->setGeometry(x, 55, width, fieldHeight);
        x += width + 5;
        return created;
    };
    cashOption = option(QStringLiteral("ESPECE"), 85, "cashOption");
    chequeOption = option(QStringLiteral("CHEQUE"), 90, "chequeOption");
    transferOption = option(QStringLiteral("VIREMENT BANCAIRE"), 150, "transferOption");
    onAccountOption = option(QStringLiteral("A TERME"), 75, "onAccountOption");

    constexpr int transportTop = 435;
    constexpr int transportWidth = 135;
    constexpr int transportStep = (sideWidth - transportWidth) / 2;
    truckEdit = named(
        addGroupField(this, QStringLiteral("Camion"), {sideX, transportTop, transportWidth, groupHeight}), "truckEdit");
    driverEdit = named(addGroupField(this, QStringLiteral("Chauffeur"),
                           {sideX + transportStep, transportTop, transportWidth, groupHeight}),
        "driverEdit");
    registrationEdit = named(addGroupField(this, QStringLiteral("Matricule"),
                                 {sideX + 2 * transportStep, transportTop, transportWidth, groupHeight}),
        "registrationEdit");

    balanceEdit = named(addGroupField(this, QStringLiteral("Nouveau solde"),
                            {sideX, transportTop + groupHeight + 10, 200, groupHeight}),
        "balanceEdit");
    balanceEdit->setAlignment(Qt::AlignCenter);
    balanceEdit->setReadOnly(true);
}

void ReceptionPage::buildTotals()
{
    constexpr int totalsTop = 575;
    constexpr int totalsStep = 32;
    constexpr int labelWidth = 150;
    constexpr int amountWidth = 160;
    int y = totalsTop;
    const auto total = [this, &y](const QString &caption, const char *name, bool editable) {
        QLineEdit *field = named(addLabelledField(this, caption, {sideX, y, labelWidth, fieldHeight},
                                     {sideX + labelWidth, y, amountWidth, fieldHeight}),
            name);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setReadOnly(!editable);
        y += totalsStep;
        return field;
    };
    totalHtEdit = total(QStringLiteral("TOTAL HT :"), "totalHtEdit", false);
    costsEdit = total(QStringLiteral("FRAIS ET TAXES :"), "costsEdit", true);
    discountEdit = total(QStringLiteral("REMISE :"), "discountEdit", true);
    totalTtcEdit = total(QStringLiteral("TOTAL TTC :"), "totalTtcEdit", false);

    saveButton = named(addButton(this, QStringLiteral("ENREGISTRER LE BON DE RECEPTION"),
                           {sideX, y + 8, labelWidth + amountWidth, 36}),
        "saveButton");
}

void ReceptionPage::connectButtons() { }

void ReceptionPage::registerReturnKeys(ReturnKeys &) { }
