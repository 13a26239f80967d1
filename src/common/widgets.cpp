#include "common/widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

// Only the characters the user types become capitals: texts the program puts in a field
// ("Chèque n°") keep their case, even when the user completes them.
class UpperCaseTyping : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            const QString upper = key->text().toUpper();
            if (upper != key->text()) {
                QKeyEvent typed(
                    QEvent::KeyPress, key->key(), key->modifiers(), upper, key->isAutoRepeat(), ushort(key->count()));
                QCoreApplication::sendEvent(watched, &typed);
                return true;
            }
        } else if (event->type() == QEvent::InputMethod) {
            auto *input = static_cast<QInputMethodEvent *>(event);
            const QString upper = input->commitString().toUpper();
            if (upper != input->commitString()) {
                QInputMethodEvent typed(input->preeditString(), input->attributes());
                typed.setCommitString(upper, input->replacementStart(), input->replacementLength());
                QCoreApplication::sendEvent(watched, &typed);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void upperCaseTyping(QWidget *field)
{
    field->installEventFilter(new UpperCaseTyping(field));
}

Qt::Alignment alignmentOf(ColumnAlignment alignment)
{
    switch (alignment) {
    case ColumnAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlignment::Centre:
        return Qt::AlignCenter;
    case ColumnAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

QTreeWidget *createReportList(QWidget *parent, const QList<ListColumn> &columns, const QColor &background)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setColumnCount(int(columns.size()));
    QStringList titles;
    for (const ListColumn &column : columns)
        titles << column.title;
    list->setHeaderLabels(titles);
    list->header()->setStretchLastSection(false);
    for (int i = 0; i < columns.size(); ++i)
        list->setColumnWidth(i, columns[i].width);
    setBackground(list->viewport(), background);
    list->setAlternatingRowColors(false);
    return list;
}

QTreeWidgetItem *addListRow(QTreeWidget *list, const QStringList &columns)
{
    auto *item = new QTreeWidgetItem(list, columns);
    return item;
}

void setColumnAlignment(QTreeWidget *list, int column, ColumnAlignment alignment)
{
    const Qt::Alignment align = alignmentOf(alignment);
    list->headerItem()->setTextAlignment(column, align);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setTextAlignment(column, align);
}

void setColumnAlignment(QTreeWidget *list, int column, int code)
{
    setColumnAlignment(list, column, static_cast<ColumnAlignment>(code == 1 || code == 2 ? code : 0));
}

QTreeWidgetItem *findListRow(QTreeWidget *list, int column, const QString &text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(column) == text)
            return list->topLevelItem(i);
    }
    return nullptr;
}

void makeUpperCase(QLineEdit *field)
{
    upperCaseTyping(field);
}

void makeUpperCase(QComboBox *box)
{
    // The drop-down passes its keys straight to its line edit, past that one's filters.
    upperCaseTyping(box);
    if (box->lineEdit())
        upperCaseTyping(box->lineEdit());
}

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QLabel *placeWithCaption(QWidget *field, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry)
{
    QLabel *label = addLabel(field->parentWidget(), caption, labelGeometry);
    field->setGeometry(fieldGeometry);
    label->setBuddy(field);
    field->setAccessibleName(caption);
    return label;
}

QLineEdit *addLabelledField(
    QWidget *parent, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry)
{
    auto *field = new QLineEdit(parent);
    placeWithCaption(field, caption, labelGeometry, fieldGeometry);
    return field;
}

QLabel *addValueLabel(QWidget *parent, const QString &accessibleName, const QRect &geometry, const QColor &background)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAccessibleName(accessibleName);
    label->setAutoFillBackground(true);
    setBackground(label, background);
    return label;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
