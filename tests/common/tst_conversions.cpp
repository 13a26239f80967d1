#include "common/conversions.h"

#include <QTest>

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void integerValue_data();
    void integerValue();
    void validDate_data();
    void validDate();
    void dayKey_data();
    void dayKey();
    void validAmount_data();
    void validAmount();
    void hundredths_data();
    void hundredths();
    void decimal_data();
    void decimal();
    void grouping_data();
    void grouping();
    void display_data();
    void display();
    void storedPrice_data();
    void storedPrice();
    void lineAmounts_data();
    void lineAmounts();
};

void TestConversions::integerValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "150000" << qint64(150000);
    QTest::newRow("leading blanks and tab") << " \t 42" << qint64(42);
    QTest::newRow("plus sign") << "+7" << qint64(7);
    QTest::newRow("minus") << "-375" << qint64(-375);
    QTest::newRow("stops at first other character") << "12,500" << qint64(12);
    QTest::newRow("no digit") << "abc" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("lone minus") << "-" << qint64(0);
    QTest::newRow("sign then blank") << "- 5" << qint64(0);
    QTest::newRow("too large saturates") << "99999999999999999999999" << std::numeric_limits<qint64>::max();
    QTest::newRow("lowest 64-bit value") << "-9223372036854775808" << std::numeric_limits<qint64>::min();
    QTest::newRow("too small saturates") << "-99999999999999999999999" << std::numeric_limits<qint64>::min();
}

void TestConversions::integerValue()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(toInteger(text), value);
}

void TestConversions::validDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("29 February 2014") << "29/02/2014" << true;
    QTest::newRow("31 April 2015") << "31/04/2015" << true;
    QTest::newRow("month 13") << "15/13/2020" << false;
    QTest::newRow("day 0") << "00/01/2020" << false;
    QTest::newRow("year 2013") << "12/05/2013" << false;
    QTest::newRow("other separators") << "05-06-2020" << true;
    QTest::newRow("surrounding spaces") << "  05/06/2020 " << true;
    QTest::newRow("day 32") << "32/01/2020" << false;
    QTest::newRow("far future") << "01/01/9999" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "ab/cd/efgh" << false;
}

void TestConversions::validDate()
{
    QFETCH(QString, date);
    QFETCH(bool, valid);
    QCOMPARE(isValidDate(date), valid);
}

void TestConversions::dayKey_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("key");
    QTest::newRow("new year") << "01/01/2023" << 738427;
    QTest::newRow("new year's eve before it") << "31/12/2022" << 738433;
    QTest::newRow("mid year") << "15/06/2024" << 15 + 31 * 6 + 365 * 2024;
}

void TestConversions::dayKey()
{
    QFETCH(QString, date);
    QFETCH(int, key);
    QCOMPARE(dateToDateNum(date), key);
}

void TestConversions::validAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("grouped with comma") << "1 500,50" << true;
    QTest::newRow("negative") << "-12.5" << true;
    QTest::newRow("display text") << "1 234 567.89" << true;
    QTest::newRow("two points") << "12.5.1" << false;
    QTest::newRow("comma and point") << "1,2.3" << false;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("only spaces") << "   " << false;
    QTest::newRow("lone minus") << "-" << false;
    QTest::newRow("minus inside") << "1-2" << false;
    QTest::newRow("lone point") << "." << true;
}

void TestConversions::validAmount()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidAmount(text), valid);
}

void TestConversions::hundredths_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hundredths");
    QTest::newRow("whole") << "1500"
                           << "150000";
    QTest::newRow("one decimal") << "12.5"
                                 << "1250";
    QTest::newRow("trailing point") << "12."
                                    << "1200";
    QTest::newRow("small") << "0.05"
                           << "005";
    QTest::newRow("negative") << "-3.75"
                              << "-375";
    QTest::newRow("grouped") << "1 234.57"
                             << "123457";
    QTest::newRow("third decimal dropped") << "1.239"
                                           << "123";
    QTest::newRow("comma mark") << "12,5"
                                << "1250";
    QTest::newRow("grouped comma mark") << "1 500,50"
                                        << "150050";
    QTest::newRow("surrounding spaces") << "  7  "
                                        << "700";
    QTest::newRow("empty") << ""
                           << "00";
}

void TestConversions::hundredths()
{
    QFETCH(QString, typed);
    QFETCH(QString, hundredths);
    QCOMPARE(amountToHundredths(typed), hundredths);
}

void TestConversions::decimal_data()
{
    QTest::addColumn<QString>("hundredths");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("one digit") << "5"
                               << "0.05";
    QTest::newRow("two digits") << "45"
                                << "0.45";
    QTest::newRow("thousand five hundred") << "150000"
                                           << "1500.00";
    QTest::newRow("empty") << ""
                           << "0.00";
    QTest::newRow("zero") << "0"
                          << "0.00";
    QTest::newRow("zeros") << "000"
                           << "0.00";
    QTest::newRow("negative cents") << "-50"
                                    << "-.50";
    QTest::newRow("negative") << "-375"
                              << "-3.75";
    QTest::newRow("negative single cent digit") << "-5"
                                                << "-.05";
    QTest::newRow("minus zero") << "-0"
                                << "0.00";
    QTest::newRow("marks removed") << "12.34"
                                   << "12.34";
}

void TestConversions::decimal()
{
    QFETCH(QString, hundredths);
    QFETCH(QString, decimal);
    QCOMPARE(hundredthsToDecimal(hundredths), decimal);
}

void TestConversions::grouping_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("millions") << "7654321.89"
                              << "7 654 321.89";
    QTest::newRow("below a thousand") << "999.00"
                                      << "999.00";
    QTest::newRow("no decimals") << "1000"
                                 << "1 000";
    QTest::newRow("minus counts as a character") << "-123.00"
                                                 << "- 123.00";
    QTest::newRow("negative thousands") << "-1234.00"
                                        << "-1 234.00";
    QTest::newRow("zero") << "0"
                          << "0.00";
    QTest::newRow("already grouped") << "1 500.00"
                                     << "1 500.00";
    QTest::newRow("eighteen digits") << "123456789012345678.00"
                                     << "123 456 789 012 345 678.00";
    QTest::newRow("nineteen digits left alone") << "1234567890123456789.00"
                                                << "1234567890123456789.00";
}

void TestConversions::grouping()
{
    QFETCH(QString, decimal);
    QFETCH(QString, grouped);
    QCOMPARE(groupThousands(decimal), grouped);
}

void TestConversions::display_data()
{
    QTest::addColumn<QString>("hundredths");
    QTest::addColumn<QString>("display");
    QTest::newRow("millions") << "987654321"
                              << "9 876 543.21";
    QTest::newRow("thousand five hundred") << "150000"
                                           << "1 500.00";
    QTest::newRow("empty") << ""
                           << "0.00";
    QTest::newRow("negative") << "-123456"
                              << "-1 234.56";
    QTest::newRow("cents") << "5"
                           << "0.05";
    QTest::newRow("negative cents") << "-50"
                                    << "-.50";
    QTest::newRow("negative single cent") << "-5"
                                          << "-.05";
}

void TestConversions::display()
{
    QFETCH(QString, hundredths);
    QFETCH(QString, display);
    QCOMPARE(formatAmount(hundredths), display);
    QCOMPARE(formatAmount(toInteger(hundredths)), display);
    // A display text typed back converts to the same hundredths.
    QCOMPARE(toInteger(amountToHundredths(display)), toInteger(hundredths));
}

void TestConversions::storedPrice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("three digits") << "975"
                                  << "9.75";
    QTest::newRow("two digits") << "50"
                                << ".50";
    QTest::newRow("thousands") << "150000"
                               << "1500.00";
    QTest::newRow("one digit") << "5"
                               << ".05";
}

void TestConversions::storedPrice()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(insertDecimalPoint(stored), shown);
    // The field typed back gives the stored price again.
    QCOMPARE(toInteger(amountToHundredths(shown)), toInteger(stored));
}

void TestConversions::lineAmounts_data()
{
    QTest::addColumn<qint64>("quantity");
    QTest::addColumn<qint64>("price");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("one and a half at 3.33") << qint64(150) << qint64(333) << qint64(499);
    QTest::newRow("two at 150") << qint64(200) << qint64(15000) << qint64(30000);
    QTest::newRow("product below 100") << qint64(1) << qint64(99) << qint64(0);
}

void TestConversions::lineAmounts()
{
    QFETCH(qint64, quantity);
    QFETCH(qint64, price);
    QFETCH(qint64, amount);
    QCOMPARE(lineAmount(quantity, price), amount);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
