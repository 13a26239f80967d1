#include "common/returnkeys.h"
#include "common/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void upperCaseFields_data();
    void upperCaseFields();
    void programTextsStayAsWritten();
    void columnAlignment_data();
    void columnAlignment();
    void returnChain();
};

void TestWidgets::upperCaseFields_data()
{
    QTest::addColumn<bool>("dropDown");
    QTest::newRow("field") << false;
    QTest::newRow("editable drop-down") << true;
}

void TestWidgets::upperCaseFields()
{
    QFETCH(bool, dropDown);
    QWidget window;
    QLineEdit *field = nullptr;
    QWidget *typedInto = nullptr;
    if (dropDown) {
        auto *box = new QComboBox(&window);
        box->setEditable(true);
        makeUpperCase(box);
        field = box->lineEdit();
        typedInto = box;
    } else {
        field = new QLineEdit(&window);
        makeUpperCase(field);
        typedInto = field;
    }
    window.show();
    QTest::keyClicks(typedInto, QStringLiteral("d'ete"));
    // An accented letter, as a keyboard sends it.
    QKeyEvent accent(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(typedInto, &accent);
    QCOMPARE(field->text(), QStringLiteral("D'ETEÉ"));
    // Typing in the middle keeps the cursor where it was.
    field->setCursorPosition(2);
    QTest::keyClicks(typedInto, QStringLiteral("x"));
    QCOMPARE(field->text(), QStringLiteral("D'XETEÉ"));
    QCOMPARE(field->cursorPosition(), 3);
}

void TestWidgets::programTextsStayAsWritten()
{
    QLineEdit field;
    makeUpperCase(&field);
    field.setText(QStringLiteral("Chèque n°"));
    QCOMPARE(field.text(), QStringLiteral("Chèque n°"));
    field.show();
    field.end(false);
    QTest::keyClicks(&field, QStringLiteral(" 12ab"));
    QCOMPARE(field.text(), QStringLiteral("Chèque n° 12AB"));
}

void TestWidgets::columnAlignment_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("alignment");
    QTest::newRow("1 right") << 1 << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("2 centre") << 2 << int(Qt::AlignCenter);
    QTest::newRow("0 left") << 0 << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("other codes left") << 7 << int(Qt::AlignLeft | Qt::AlignVCenter);
}

void TestWidgets::columnAlignment()
{
    QFETCH(int, code);
    QFETCH(int, alignment);
    QWidget window;
    QTreeWidget *list = createReportList(&window, {{"Code", 40}, {"Montant", 100}}, Qt::white);
    addListRow(list, {"1", "1 500.00"});
    addListRow(list, {"2", "3.00"});
    setColumnAlignment(list, 1, code);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        QCOMPARE(list->topLevelItem(row)->textAlignment(1), alignment);
    QCOMPARE(list->headerItem()->textAlignment(1), alignment);
    QCOMPARE(list->columnWidth(0), 40);
    QCOMPARE(findListRow(list, 0, QStringLiteral("2")), list->topLevelItem(1));
    QCOMPARE(findListRow(list, 0, QStringLiteral("3")), nullptr);
}

void TestWidgets::returnChain()
{
    QWidget window;
    auto *first = new QLineEdit(&window);
    auto *second = new QLineEdit(&window);
    auto *last = new QLineEdit(&window);
    auto *other = new QLineEdit(&window);
    ReturnKeys keys;
    keys.chain({first, second, last});
    int saved = 0;
    keys.onReturn(last, [&saved] { ++saved; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), last);
    QTest::keyClick(last, Qt::Key_Return);
    QCOMPARE(saved, 1);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), other);
    QCOMPARE(saved, 1);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
