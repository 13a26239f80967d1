#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Values used when FParam has no row.
namespace parameterDefaults {
inline constexpr const char *accessCode = "907381";
inline constexpr const char *vatRate = "19";
inline constexpr const char *paymentMode = "A TERME";
inline constexpr const char *balance = "0";
} // namespace parameterDefaults

// Stores a new access code in FParam: the row's code is replaced, or the default row is
// written with it when the table is empty. Returns false when the statement is refused.
bool storeAccessCode(const QString &code);

// The management parameters: access code, initial balances, default VAT rate and payment modes.
class ParametersWindow : public QDialog {
    Q_OBJECT
public:
    explicit ParametersWindow(QWidget *parent = nullptr);

    void showParameters();
    void saveParameters();

    QLineEdit *oldCodeEdit;
    QLineEdit *newCodeEdit;
    QLineEdit *cashEdit;
    QLineEdit *bankEdit;
    QLineEdit *oldRateEdit;
    QLineEdit *newRateEdit;
    QComboBox *receptionModeBox;
    QComboBox *invoiceModeBox;
    QPushButton *saveButton;
    QPushButton *doneButton;

private:
    void buildControls();
};

// Built anew at each opening; the screen makes no difference.
void openParametersWindow(int screen);
