#include "shell/parameterswindow.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/screenfonts.h"
#include "common/sharedvalues.h"
#include "common/widgets.h"
#include "storage/columns.h"
#include "storage/database.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int windowWidth = 800;
constexpr int windowHeight = 400;
const QStringList paymentModes{
    QStringLiteral("ESPECE"), QStringLiteral("CHEQUE"), QStringLiteral("VIREMENT BANCAIRE"), QStringLiteral("A TERME")};

QString chosenMode(const QComboBox *box)
{
    return box->currentIndex() < 0 ? QString::fromLatin1(parameterDefaults::paymentMode) : box->currentText();
}

QString amountOrZero(const QString &typed)
{
    return QString::number(isValidAmount(typed) ? amountValue(typed) : 0);
}

void addSeparator(QWidget *parent, int y)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(15, y, 770, 1);
}

QLabel *addSectionLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    QLabel *label = addLabel(parent, text, geometry);
    label->setFont(screenFont(ScreenFont::VerdanaBold10));
    return label;
}

QComboBox *addModeBox(QWidget *parent, const QString &caption, const QRect &labelGeometry, const QRect &boxGeometry)
{
    auto *box = new QComboBox(parent);
    box->addItems(paymentModes);
    placeWithCaption(box, caption, labelGeometry, boxGeometry);
    return box;
}

} // namespace

bool storeAccessCode(const QString &code)
{
    if (queryHasRow(Db::param, "SELECT * FROM FParam"))
        return runUpdate(Db::param, "UPDATE FParam SET MpUser=?", {code});
    return runUpdate(Db::param, "Insert into fparam (MpUser,TauxTva,ModepBr,ModepFac,Sic,Sib) values(?,?,?,?,?,?)",
        {code, QString::fromLatin1(parameterDefaults::vatRate), QString::fromLatin1(parameterDefaults::paymentMode),
            QString::fromLatin1(parameterDefaults::paymentMode), QString::fromLatin1(parameterDefaults::balance),
            QString::fromLatin1(parameterDefaults::balance)});
}

ParametersWindow::ParametersWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Selvano v.18 (Logiciel de gestion facturation réelle - Mai 2023) - Paramètres..."));
    resize(windowWidth, windowHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    buildControls();
    connect(saveButton, &QPushButton::clicked, this, &ParametersWindow::saveParameters);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ParametersWindow::buildControls()
{
    QLabel *title = addLabel(this, QStringLiteral("PARAMETRES DE GESTION"), {250, 20, 300, 25});
    title->setFont(screenFont(ScreenFont::Title));
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(10, 50, 780, 210);

    addSectionLabel(this, QStringLiteral("Code d'accès au logiciel:"), {20, 70, 200, 20});
    oldCodeEdit = addLabelledField(this, QStringLiteral("Ancien code:"), {250, 70, 100, 20}, {340, 70, 100, 20});
    oldCodeEdit->setReadOnly(true);
    newCodeEdit = addLabelledField(this, QStringLiteral("Nouveau code:"), {500, 70, 100, 20}, {600, 70, 100, 20});
    for (QLineEdit *code : {oldCodeEdit, newCodeEdit})
        code->setEchoMode(QLineEdit::Password);
    addSeparator(this, 98);

    addSectionLabel(this, QStringLiteral("Solde initial:"), {20, 110, 200, 20});
    cashEdit = addLabelledField(this, QStringLiteral("Caisse:"), {250, 110, 100, 20}, {340, 110, 100, 20});
    bankEdit = addLabelledField(this, QStringLiteral("Banque:"), {500, 110, 100, 20}, {600, 110, 100, 20});
    cashEdit->setText(QStringLiteral("0.00"));
    bankEdit->setText(QStringLiteral("0.00"));
    addSeparator(this, 138);

    addSectionLabel(this, QStringLiteral("Taux TVA par défaut :"), {20, 150, 200, 20});
    oldRateEdit = addLabelledField(this, QStringLiteral("Ancien taux:"), {250, 150, 100, 20}, {340, 150, 20, 20});
    oldRateEdit->setReadOnly(true);
    addLabel(this, QStringLiteral("%"), {370, 150, 20, 20});
    newRateEdit = addLabelledField(this, QStringLiteral("Nouveau taux:"), {500, 150, 100, 20}, {600, 150, 20, 20});
    addLabel(this, QStringLiteral("%"), {630, 150, 20, 20});
    addSeparator(this, 178);

    addSectionLabel(this, QStringLiteral("Mode de payement par défaut:"), {20, 190, 230, 20});
    receptionModeBox = addModeBox(this, QStringLiteral("Bon de réception"), {340, 190, 100, 20}, {340, 212, 140, 20});
    invoiceModeBox = addModeBox(this, QStringLiteral("Facture"), {610, 190, 100, 20}, {610, 212, 140, 20});

    saveButton = new QPushButton(QStringLiteral("Enregistrer les paramètres"), this);
    saveButton->setGeometry(640, 267, 150, 30);
    doneButton = new QPushButton(QStringLiteral("Terminé"), this);
    doneButton->setGeometry(10, 267, 100, 30);
    for (QPushButton *button : {saveButton, doneButton})
        button->setAutoDefault(false);

    const std::pair<QWidget *, const char *> names[] = {
        {oldCodeEdit, "oldCodeEdit"},
        {newCodeEdit, "newCodeEdit"},
        {cashEdit, "cashEdit"},
        {bankEdit, "bankEdit"},
        {oldRateEdit, "oldRateEdit"},
        {newRateEdit, "newRateEdit"},
        {saveButton, "saveButton"},
        {receptionModeBox, "receptionModeBox"},
        {invoiceModeBox, "invoiceModeBox"},
        {doneButton, "doneButton"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));
}

void ParametersWindow::showParameters()
{
    SharedValues &shared = sharedValues();
    QString receptionMode = QString::fromLatin1(parameterDefaults::paymentMode);
    QString invoiceMode = receptionMode;
    Query query = runQuery(Db::param, "SELECT * FROM FParam");
    if (query.next()) {
        shared.accessCode = query.text(fparam::MpUser);
        shared.vatRate = query.text(fparam::TauxTva);
        receptionMode = query.text(fparam::ModepBr);
        invoiceMode = query.text(fparam::ModepFac);
        shared.initialCashBalance = query.text(fparam::Sic);
        shared.initialBankBalance = query.text(fparam::Sib);
    } else {
        shared.accessCode = QString::fromLatin1(parameterDefaults::accessCode);
        shared.vatRate = QString::fromLatin1(parameterDefaults::vatRate);
        shared.initialCashBalance = QString::fromLatin1(parameterDefaults::balance);
        shared.initialBankBalance = QString::fromLatin1(parameterDefaults::balance);
    }
    oldCodeEdit->setText(shared.accessCode);
    newCodeEdit->setText(shared.accessCode);
    oldRateEdit->setText(shared.vatRate);
    newRateEdit->setText(shared.vatRate);
    receptionModeBox->setCurrentIndex(receptionModeBox->findText(receptionMode));
    invoiceModeBox->setCurrentIndex(invoiceModeBox->findText(invoiceMode));
    cashEdit->setText(formatAmount(shared.initialCashBalance));
    bankEdit->setText(formatAmount(shared.initialBankBalance));
}

void ParametersWindow::saveParameters()
{
    const QString code = newCodeEdit->text();
    if (code.isEmpty()) {
        dialogs().message(QStringLiteral("Erreur"), QStringLiteral("Vous devez saisir un mot de passe ! "));
        return;
    }
    const QString rate = isValidAmount(newRateEdit->text()) ? newRateEdit->text() : QStringLiteral("0");
    const QString cash = amountOrZero(cashEdit->text());
    const QString bank = amountOrZero(bankEdit->text());

    // The row is replaced as a whole; a failed insert must not leave the table empty.
    Transaction transaction(Db::param);
    const bool saved = runUpdate(Db::param, "Delete from FParam")
        && runUpdate(Db::param, "Insert into fparam (MpUser,TauxTva,ModepBr,ModepFac,Sic,Sib) values(?,?,?,?,?,?)",
            {code, rate, chosenMode(receptionModeBox), chosenMode(invoiceModeBox), cash, bank})
        && transaction.commit();
    if (!saved)
        return;

    SharedValues &shared = sharedValues();
    shared.accessCode = code;
    shared.vatRate = rate;
    shared.initialCashBalance = cash;
    shared.initialBankBalance = bank;
    dialogs().message(QStringLiteral("Confirmation"), QStringLiteral("Paramètres enregistrés ! "));
    accept();
}

void openParametersWindow(int)
{
    ParametersWindow window;
    window.showParameters();
    window.exec();
}
