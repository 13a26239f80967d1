#pragma once

// Driving the tables window the way a user does: typing, Return, clicks on buttons and lines.

#include "masterdata/tableswindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// Like QTest::keyClicks, accented letters included.
inline void typeText(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces what the field holds, as a user selecting it all and typing over it.
inline void typeInto(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    typeText(field, text);
}

inline void pressReturn(QWidget *field)
{
    QTest::keyClick(field, Qt::Key_Return);
}

inline void clickButton(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void clickLine(QTreeWidget *list, QTreeWidgetItem *line)
{
    QVERIFY(line);
    list->scrollToItem(line);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(line).center());
}

inline void clickLine(QTreeWidget *list, int row)
{
    clickLine(list, list->topLevelItem(row));
}

inline QStringList lineTexts(const QTreeWidget *list, int row)
{
    QStringList texts;
    const QTreeWidgetItem *line = list->topLevelItem(row);
    for (int column = 0; line && column < line->columnCount(); ++column)
        texts << line->text(column);
    return texts;
}

// Column 1 of every line: what a search list proposes.
inline QStringList proposals(const QTreeWidget *searchList)
{
    QStringList texts;
    for (int row = 0; row < searchList->topLevelItemCount(); ++row)
        texts << searchList->topLevelItem(row)->text(1);
    return texts;
}

// The window shown on a tab and active, so focus moves can be checked.
inline void openWindow(TablesWindow &window, int screen)
{
    window.openOn(screen);
    QApplication::setActiveWindow(&window);
}
