#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <initializer_list>
#include <utility>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

// Building blocks shared by the stock window's tabs, so that they look alike.
// A title in the title font.
QLabel *addTitle(QWidget *page, const QString &text, const QRect &geometry);
// A number box reports a choice only when an entry is picked from its list, never for typed text.
void activateOnlyOnChoice(QComboBox *box);
// An editable drop-down box (typed text or a choice from its list) with its label as buddy.
QComboBox *addNumberBox(QWidget *page, const QString &caption, const QRect &labelGeometry, const QRect &boxGeometry);
// A date field shown as dd/mm/yyyy, set to today.
QDateEdit *addDateField(QWidget *page, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry);
// A labelled text field that turns what is typed into capitals.
QLineEdit *addUpperCaseField(
    QWidget *page, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry);
// A group frame titled `title` holding one text field, found by that title.
QLineEdit *addGroupField(QWidget *page, const QString &title, const QRect &geometry);
QPushButton *addButton(QWidget *page, const QString &caption, const QRect &geometry);
// Buttons side by side from `topLeft`, each as wide as its caption needs.
QList<QPushButton *> addButtonRow(QWidget *page, const QStringList &captions, const QPoint &topLeft);
// The selection list of a document tab: code and designation, or one visible column.
QTreeWidget *addSelectionList(QWidget *page, bool oneColumn, const QRect &geometry);
// Gives each widget its member name as objectName, so tests find it.
void nameWidgets(std::initializer_list<std::pair<QWidget *, const char *>> widgets);

// The grid of the document tabs: a title, then rows of label and field, the selection list on
// the right of the rows, then the entry line, the buttons and the lines list.
namespace TabGrid {
inline constexpr int left = 20;
inline constexpr int rowTop = 45;
inline constexpr int rowStep = 30;
inline constexpr int rowHeight = 24;
inline constexpr int labelWidth = 100;
inline constexpr int fieldLeft = left + labelWidth;
inline constexpr int fieldWidth = 320;
inline constexpr int selectionLeft = 460;
inline constexpr int entryLabelTop = 198;
inline constexpr int entryTop = 218;
inline constexpr int buttonTop = 256;
inline constexpr int buttonHeight = 28;
inline constexpr int linesTop = 296;
inline constexpr int linesHeight = 330;
inline constexpr int belowLinesTop = linesTop + linesHeight + 10;
} // namespace TabGrid
QRect titleRect();
QRect gridLabel(int row, int x = TabGrid::left, int width = TabGrid::labelWidth);
QRect gridField(int row, int x = TabGrid::fieldLeft, int width = TabGrid::fieldWidth);
// The lines list of receptions and deliveries: code, designation, unit, quantity, unit price,
// amount.
QTreeWidget *addMovementLinesList(QWidget *page, const QColor &background);
