#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ReturnKeys;

// The products tab of the tables window: the product form, the proposals as the user types,
// and the list of every product.
class ProductPage : public QWidget {
    Q_OBJECT
public:
    // `searchMode` is the window's: what its search lists currently propose.
    ProductPage(ReturnKeys &returnKeys, QString &searchMode, QWidget *parent = nullptr);

    void fillProductList();
    void newProductCode();
    void saveProduct();
    void deleteProduct();
    void clearProductForm();

    QLabel *codeLabel;
    QLineEdit *familyEdit;
    QLineEdit *referenceEdit;
    QLineEdit *designationEdit;
    QLineEdit *unitEdit;
    QLineEdit *quantityEdit;
    QLineEdit *purchasePriceEdit;
    QLineEdit *retailPriceEdit;
    QLineEdit *wholesalePriceEdit;
    QTreeWidget *searchList;
    QPushButton *deleteButton;
    QPushButton *newProductButton;
    QPushButton *validateButton;
    QTreeWidget *productsList;

private:
    void buildForm();
    void alignProductColumns();
    QList<QLineEdit *> formFields() const;
    void searchFamilies(const QString &typed);
    void searchReferences(const QString &typed);
    void searchDesignations(const QString &typed);
    void chooseProposal(QTreeWidgetItem *line);
    void showProduct(QTreeWidgetItem *line);

    QString &m_searchMode;
};
