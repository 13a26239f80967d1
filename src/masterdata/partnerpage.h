#pragma once

#include "masterdata/tablepage.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ReturnKeys;

// What tells the clients tab from the suppliers tab: table, connection, statements, texts, colours.
struct PartnerTable {
    Db::Connection connection;
    const char *fillStatement;
    const char *findByNameStatement;
    const char *searchStatement; // names only, sorted
    const char *nextCodeStatement;
    const char *findByCodeStatement;
    const char *updateStatement; // name .. balance, then the code
    const char *insertStatement; // code, name .. balance
    const char *deleteStatement;
    QString title;
    QString newButtonCaption;
    QString searchMode;
    QString notFoundMessage;
    QString usedTitle;
    QString deleteQuestion;
    QList<Usage> usages;
    QColor searchBackground;
    QColor listBackground;
};

const PartnerTable &clientTable();
const PartnerTable &supplierTable();

// The clients tab or the suppliers tab of the tables window.
class PartnerPage : public QWidget {
    Q_OBJECT
public:
    // `searchMode` is the window's: what its search lists currently propose.
    PartnerPage(const PartnerTable &table, ReturnKeys &returnKeys, QString &searchMode, QWidget *parent = nullptr);

    void fillPartnerList();
    // Shows the first record of that name; leaves the form as it is when there is none.
    void findPartnerByName(const QString &name);
    void newPartnerCode();
    void savePartner();
    void deletePartner();
    void clearPartnerForm();

    QLabel *codeLabel;
    QLineEdit *nameEdit;
    QLineEdit *addressEdit;
    QLineEdit *telephoneEdit;
    QLineEdit *tradeRegisterEdit;
    QLineEdit *taxNumberEdit;
    QLineEdit *articleEdit;
    QLineEdit *nisEdit;
    QLineEdit *initialBalanceEdit;
    QTreeWidget *searchList;
    QPushButton *deleteButton;
    QPushButton *newButton;
    QPushButton *validateButton;
    QTreeWidget *recordsList;

private:
    void buildForm();
    void alignPartnerColumns();
    QList<QLineEdit *> formFields() const;
    void searchNames(const QString &typed);
    void chooseProposal(QTreeWidgetItem *line);
    void showPartner(QTreeWidgetItem *line);

    const PartnerTable &m_table;
    QString &m_searchMode;
};
