#pragma once

#include "stock/documententry.h"
#include "stock/stockvalues.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class ReturnKeys;

// Tab 4 " REGULARISATION MANUELLE DU STOCK ": stock corrections by hand (BRS).
class RegularisationPage : public QWidget {
public:
    explicit RegularisationPage(StockValues &values, QWidget *parent = nullptr);

    void registerReturnKeys(ReturnKeys &keys);

    // "Nouveau BRS": an empty tab under the next BRS number, input in "Désignation:".
    void newRegularisationNumber();
    void clearRegularisationTab();
    // A number chosen from the "N° BRS:" list; loading the stored lines comes with the
    // regularisation operations.
    void showRegularisation();
    // "Valider" or Return in "Observations:"; writing the line comes with the regularisation
    // operations.
    void addRegularisationLine();

    QLabel *titleLabel;
    QComboBox *numberBox;
    QDateEdit *dateEdit;
    QLineEdit *familyEdit;
    QLineEdit *referenceEdit;
    QLineEdit *designationEdit;
    QTreeWidget *selectionList;
    QLineEdit *entryQuantityEdit;
    QLineEdit *exitQuantityEdit;
    QLineEdit *observationsEdit;
    QPushButton *cancelRegularisationButton;
    QPushButton *deleteButton;
    QPushButton *newRegularisationButton;
    QPushButton *validateButton;
    QTreeWidget *linesList;
    DocumentEntry *entry;

private:
    StockValues &m_values;
};
