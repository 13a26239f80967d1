#include "common/conversions.h"
#include "stock/productstock.h"
#include "testsupport.h"

#include <QTest>

namespace {

// Product 7 starts with 10.00 in stock; every movement below is for it unless said otherwise.
void insertProduct(const QString &initialQuantity = QStringLiteral("1000"))
{
    exec(Db::prod,
        "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg,codefour) values (7,'F','R','VIS',"
        "'U',?,250,0,0,1)",
        {initialQuantity});
}

void reception(const QString &date, qint64 quantity, const QString &product = QStringLiteral("7"))
{
    exec(Db::br,
        "insert into fbr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Um,Qte,Pu,Mnt) values (1,?,?,1,?,'U',?,100,0)",
        {date, QString::number(dateToDateNum(date)), product, QString::number(quantity)});
}

void invoice(const QString &date, qint64 quantity, const QString &status, const QString &product = QStringLiteral("7"))
{
    exec(Db::facv,
        "insert into facv (Numdoc,DateDoc,DateNum,Codeclient,CodeProd,Um,Qte,Pu,Mnt,statut) values "
        "(1,?,?,1,?,'U',?,100,0,?)",
        {date, QString::number(dateToDateNum(date)), product, QString::number(quantity), status});
}

void delivery(const QString &date, qint64 quantity)
{
    exec(Db::bl,
        "insert into fbl (Numdoc,DateDoc,DateNum,Codeclient,CodeProd,Um,Qte,Pu,Mnt) values (1,?,?,1,7,'U',?,100,0)",
        {date, QString::number(dateToDateNum(date)), QString::number(quantity)});
}

void regularisation(const QString &date, qint64 entry, qint64 exit)
{
    exec(Db::brs, "insert into fbrS (Numdoc,DateDoc,DateNum,CodeProd,Qe,Qs,Obs) values (1,?,?,7,?,?,'')",
        {date, QString::number(dateToDateNum(date)), QString::number(entry), QString::number(exit)});
}

const QString day = QStringLiteral("10/03/2024");

} // namespace

class TestProductStock : public QObject {
    Q_OBJECT

private slots:
    void stockOfAProduct_data();
    void stockOfAProduct();
    void cancellingAnInvoiceGivesItsGoodsBack();
    void stockBeforeADate();
    void unknownProductHasNoStock();
    void stockValueTruncates_data();
    void stockValueTruncates();
};

void TestProductStock::stockOfAProduct_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("validInvoiced");
    QTest::addColumn<qint64>("cancelledInvoiced");
    QTest::addColumn<qint64>("delivered");
    QTest::addColumn<qint64>("entered");
    QTest::addColumn<qint64>("exited");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("initial quantity only") << "1000" << 0LL << 0LL << 0LL << 0LL << 0LL << 0LL << 1000LL;
    QTest::newRow("empty initial quantity counts as 0") << "" << 500LL << 0LL << 0LL << 0LL << 0LL << 0LL << 500LL;
    QTest::newRow("every kind of movement") << "1000" << 500LL << 300LL << 0LL << 400LL << 0LL << 100LL << 1100LL;
    QTest::newRow("deliveries do not move stock") << "1000" << 0LL << 0LL << 0LL << 400LL << 0LL << 0LL << 1000LL;
    QTest::newRow("regularisation entry adds") << "0" << 0LL << 0LL << 0LL << 0LL << 250LL << 0LL << 250LL;
    QTest::newRow("cancelled invoice is void") << "1000" << 0LL << 300LL << 700LL << 0LL << 0LL << 0LL << 700LL;
    QTest::newRow("stock may become negative") << "0" << 100LL << 350LL << 0LL << 0LL << 0LL << 0LL << -250LL;
}

void TestProductStock::stockOfAProduct()
{
    QFETCH(QString, initial);
    QFETCH(qint64, received);
    QFETCH(qint64, validInvoiced);
    QFETCH(qint64, cancelledInvoiced);
    QFETCH(qint64, delivered);
    QFETCH(qint64, entered);
    QFETCH(qint64, exited);
    QFETCH(qint64, expected);

    TestDatabase db;
    insertProduct(initial);
    if (received)
        reception(day, received);
    if (validInvoiced)
        invoice(day, validInvoiced, QStringLiteral("1"));
    if (cancelledInvoiced)
        invoice(day, cancelledInvoiced, QStringLiteral("0"));
    if (delivered)
        delivery(day, delivered);
    if (entered || exited)
        regularisation(day, entered, exited);
    // Lines of another product and settlement lines never count.
    reception(day, 9000, QStringLiteral("8"));
    reception(day, 0, QStringLiteral("9999"));
    invoice(day, 9000, QStringLiteral("1"), QStringLiteral("8"));

    QCOMPARE(productStock(QStringLiteral("7")), expected);
    const StockQuantities q = stockQuantities(QStringLiteral("7"));
    QCOMPARE(q.received, received);
    QCOMPARE(q.invoiced, validInvoiced);
    QCOMPARE(q.entries, entered);
    QCOMPARE(q.exits, exited);
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestProductStock::cancellingAnInvoiceGivesItsGoodsBack()
{
    TestDatabase db;
    insertProduct();
    invoice(day, 300, QStringLiteral("1"));
    QCOMPARE(productStock(QStringLiteral("7")), 700);

    exec(Db::facv, "update facv set statut='0' where numdoc=1");
    QCOMPARE(productStock(QStringLiteral("7")), 1000);

    exec(Db::facv, "update facv set statut='1' where numdoc=1");
    QCOMPARE(productStock(QStringLiteral("7")), 700);
}

void TestProductStock::stockBeforeADate()
{
    TestDatabase db;
    insertProduct();
    reception(QStringLiteral("01/03/2024"), 500);
    invoice(QStringLiteral("05/03/2024"), 200, QStringLiteral("1"));
    invoice(QStringLiteral("05/03/2024"), 150, QStringLiteral("0"));
    regularisation(QStringLiteral("09/03/2024"), 0, 100);
    reception(QStringLiteral("10/03/2024"), 900);

    const qint32 tenth = dateToDateNum(QStringLiteral("10/03/2024"));
    QCOMPARE(productStockBefore(QStringLiteral("7"), dateToDateNum(QStringLiteral("01/03/2024"))), 1000);
    QCOMPARE(productStockBefore(QStringLiteral("7"), dateToDateNum(QStringLiteral("06/03/2024"))), 1300);
    // Rows of the day itself are not before it.
    QCOMPARE(productStockBefore(QStringLiteral("7"), tenth), 1200);
    QCOMPARE(productStockBefore(QStringLiteral("7"), tenth + 1), 2100);
    QCOMPARE(productStock(QStringLiteral("7")), 2100);
}

void TestProductStock::unknownProductHasNoStock()
{
    TestDatabase db;
    QCOMPARE(productStock(QStringLiteral("42")), 0);
    QCOMPARE(productStockBefore(QStringLiteral("42"), 1), 0);
    QVERIFY(db.dialogs.shown.isEmpty());
}

void TestProductStock::stockValueTruncates_data()
{
    QTest::addColumn<qint64>("stock");
    QTest::addColumn<qint64>("price");
    QTest::addColumn<qint64>("value");
    QTest::newRow("whole") << 1100LL << 250LL << 2750LL;
    QTest::newRow("cut") << 150LL << 333LL << 499LL;
    QTest::newRow("negative towards zero") << -150LL << 333LL << -499LL;
}

void TestProductStock::stockValueTruncates()
{
    QFETCH(qint64, stock);
    QFETCH(qint64, price);
    QFETCH(qint64, value);
    QCOMPARE(stockValue(stock, price), value);
}

QTEST_MAIN(TestProductStock)
#include "tst_productstock.moc"
