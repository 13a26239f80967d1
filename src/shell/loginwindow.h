#pragma once

#include "common/returnkeys.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for the access code; accepted when the code typed equals the one in force.
class LoginWindow : public QDialog {
    Q_OBJECT
public:
    explicit LoginWindow(QWidget *parent = nullptr);

    void validate();
    void changeAccessCode();

    QLineEdit *codeEdit;
    QPushButton *validateButton;
    QPushButton *cancelButton;
    QPushButton *changeCodeButton;

private:
    ReturnKeys returnKeys;
};
