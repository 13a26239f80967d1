#pragma once

#include "storage/database.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Pieces shared by the three tabs of the tables window: they all have a title, a frame around
// the form, a code label, a search list, three buttons and a list of records.

inline const QColor codeLabelBackground{176, 217, 214};

QLabel *addPageTitle(QWidget *page, const QString &text);
void addFrame(QWidget *page, const QRect &geometry);
// "Code interne:" with its read-only code label.
QLabel *addCodeRow(QWidget *page, int y);
QPushButton *addButton(QWidget *page, const QString &caption, const QRect &geometry, const QString &name);
// The proposals list at the right of the form; proposals show in its second column.
QTreeWidget *addSearchList(QWidget *page, const QColor &background);

enum class Repeats { Keep, Skip };
// Empties the search list and proposes column 0 of every row whose first characters are `typed`.
// With Repeats::Skip, a value equal to the last one proposed is left out (rows come sorted).
void proposeValues(QTreeWidget *searchList, Db::Connection connection, const char *sql, const QString &typed,
    bool capitals, Repeats repeats);

// Hundredths to store for a typed amount: empty and unreadable texts count as 0, so the amount
// columns only ever hold numbers.
QString storedAmount(const QString &typed);

// Replaces the first line whose column 0 holds columns[0], or adds the line at the end.
void showRecordLine(QTreeWidget *list, const QStringList &columns);
void removeRecordLine(QTreeWidget *list, const QString &code);

// The code label and the fields take the columns of a line of the list of records, as displayed.
void copyLineToForm(const QStringList &columns, QLabel *codeLabel, const QList<QLineEdit *> &fields);
QStringList lineColumns(const QTreeWidgetItem *line);

struct Usage {
    Db::Connection connection;
    const char *sql; // one bound value: the code; column 0 is the document number
    QString message;
};
// The first usage that finds a row, shown as its message followed by the document number;
// true when the record is in use.
bool reportUsage(const QList<Usage> &usages, const QString &title, const QString &code);
