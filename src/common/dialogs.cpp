#include "common/dialogs.h"

#include "storage/database.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget *activeParent()
{
    return QApplication::activeWindow();
}

QtDialogs &screenDialogs()
{
    static QtDialogs instance;
    return instance;
}

Dialogs *current = nullptr;

} // namespace

Dialogs &dialogs()
{
    return current ? *current : screenDialogs();
}

Dialogs *setDialogs(Dialogs *replacement)
{
    return std::exchange(current, replacement);
}

void QtDialogs::message(const QString &title, const QString &text)
{
    QMessageBox::information(activeParent(), title, text);
}

bool QtDialogs::askYesNo(const QString &title, const QString &text)
{
    return QMessageBox::question(activeParent(), title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Dialogs::Answer QtDialogs::askYesNoCancel(const QString &title, const QString &text)
{
    switch (
        QMessageBox::question(activeParent(), title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    bool accepted = false;
    const QString text
        = QInputDialog::getText(activeParent(), title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}

QString QtDialogs::chooseFolder(const QString &title)
{
    return QFileDialog::getExistingDirectory(activeParent(), title);
}

void reportStatementErrorsInDialogs()
{
    setStatementErrorHandler([](const QString &text) { dialogs().message(QStringLiteral("Erreur"), text); });
}
