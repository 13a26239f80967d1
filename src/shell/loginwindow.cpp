#include "shell/loginwindow.h"

#include "common/dialogs.h"
#include "common/sharedvalues.h"
#include "common/widgets.h"
#include "shell/parameterswindow.h"
#include "shell/pictures.h"
#include "storage/database.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int windowWidth = 640;
constexpr int windowHeight = 330;

QPushButton *addButton(QWidget *parent, const QString &caption, const QRect &geometry, const char *name)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

LoginWindow::LoginWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Selvano v.18 (Logiciel de gestion commerciale - Mai 2023)"));
    resize(windowWidth, windowHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    const QPixmap &banner = pictures::picture(pictures::Login);
    auto *picture = new QLabel(this);
    picture->setPixmap(banner);
    picture->setGeometry(0, 0, banner.width(), banner.height());
    const int h = banner.height();

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(5, h, 630, 50);
    codeEdit = addLabelledField(this, QStringLiteral("Code d'accès :"), {20, h + 20, 100, 20}, {120, h + 20, 100, 20});
    codeEdit->setObjectName(QStringLiteral("codeEdit"));
    codeEdit->setEchoMode(QLineEdit::Password);
    validateButton = addButton(this, QStringLiteral("Valider"), {230, h + 15, 100, 30}, "validateButton");
    cancelButton = addButton(this, QStringLiteral("Annuler"), {350, h + 15, 100, 30}, "cancelButton");
    changeCodeButton
        = addButton(this, QStringLiteral("Modifier le mot de passe"), {470, h + 15, 150, 30}, "changeCodeButton");

    returnKeys.onReturn(codeEdit, [this] { validate(); });
    connect(validateButton, &QPushButton::clicked, this, &LoginWindow::validate);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(changeCodeButton, &QPushButton::clicked, this, &LoginWindow::changeAccessCode);
    codeEdit->setFocus();
}

void LoginWindow::validate()
{
    if (codeEdit->text() == sharedValues().accessCode) {
        accept();
        return;
    }
    dialogs().message(QStringLiteral("Erreur..."), QStringLiteral("Code d'accès incorrect ! "));
}

void LoginWindow::changeAccessCode()
{
    SharedValues &shared = sharedValues();
    if (codeEdit->text() != shared.accessCode) {
        dialogs().message(QStringLiteral("Erreur..."),
            QStringLiteral("Saisissez l'ancien mot de passe dans la case puis cliquez sur le bouton "
                           "MODIFIER ! "));
        return;
    }
    const QString code = dialogs().input(
        QStringLiteral("Nouveau mot de passe"), QStringLiteral("Saisissez le nouveau mot de passe!"), QString());
    if (code.isEmpty())
        return;
    if (!dialogs().askYesNo(QStringLiteral("Confirmation"),
            QStringLiteral("Etes-vous sûr de vouloir remplacer l'ancien mot de passe par le nouveau ?")))
        return;
    shared.accessCode = code;
    runUpdate(Db::param, "UPDATE FparamU SET Mp=? where mp<>'x'", {code});
    // FParam holds the code asked at the next start.
    storeAccessCode(code);
    codeEdit->setText(code);
    dialogs().message(QStringLiteral("Confirmation..."),
        QStringLiteral("Le mot de passe a été remplacé !. Cliquez sur le bouton VALIDER pour accéder au "
                       "logiciel ! "));
}
