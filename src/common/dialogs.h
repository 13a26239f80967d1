#pragma once

#include <QString>

// Every message box, question, input box and folder chooser of the program goes through here,
// so tests can answer them and check what the user was told.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    virtual void message(const QString &title, const QString &text) = 0;
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    virtual Answer askYesNoCancel(const QString &title, const QString &text) = 0;
    // The typed text; empty when the box is cancelled.
    virtual QString input(const QString &title, const QString &prompt, const QString &defaultText) = 0;
    // The chosen folder; empty when cancelled.
    virtual QString chooseFolder(const QString &title) = 0;
};

Dialogs &dialogs();
// Installs the dialogs in use and returns the previous ones (not owned).
Dialogs *setDialogs(Dialogs *replacement);

// Message boxes, question boxes and dialogs on screen.
class QtDialogs : public Dialogs {
public:
    void message(const QString &title, const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    Answer askYesNoCancel(const QString &title, const QString &text) override;
    QString input(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString chooseFolder(const QString &title) override;
};

// Sends every refused statement to an "Erreur" box.
void reportStatementErrorsInDialogs();
