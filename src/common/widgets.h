#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Building blocks shared by the windows: report lists, labelled fields, upper-case entry.

struct ListColumn {
    QString title;
    int width;
};

enum class ColumnAlignment : int { Left = 0, Right = 1, Centre = 2 };

// A report-style list: full-row selection, one selected line, the given columns and background.
QTreeWidget *createReportList(QWidget *parent, const QList<ListColumn> &columns, const QColor &background);
QTreeWidgetItem *addListRow(QTreeWidget *list, const QStringList &columns);
// Sets the alignment of one column on every line and on its title: 1 right, 2 centred, else left.
void setColumnAlignment(QTreeWidget *list, int column, int code);
void setColumnAlignment(QTreeWidget *list, int column, ColumnAlignment alignment);
// The first line whose column holds exactly this text, or nullptr.
QTreeWidgetItem *findListRow(QTreeWidget *list, int column, const QString &text);

// Typed letters become capitals as they are typed; texts set by the program stay as written,
// also when the user types after them.
// A drop-down must be made editable first.
void makeUpperCase(QLineEdit *field);
void makeUpperCase(QComboBox *box);

// A label and its field at fixed positions; the label is the field's buddy so the field can be
// found by what a person reads next to it.
QLabel *addLabel(QWidget *parent, const QString &text, const QRect &geometry);
// Places a field and, at labelGeometry, its caption as a label naming it as buddy; returns the label.
QLabel *placeWithCaption(
    QWidget *field, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry);
QLineEdit *addLabelledField(
    QWidget *parent, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry);
// A read-only label showing a value (a code, a total), with a background colour.
QLabel *addValueLabel(QWidget *parent, const QString &accessibleName, const QRect &geometry, const QColor &background);

void setBackground(QWidget *widget, const QColor &colour);
