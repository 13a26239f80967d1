#include "stock/tablayout.h"

#include "common/screenfonts.h"
#include "common/widgets.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QColor selectionBackground(208, 242, 245);
constexpr int codeColumnWidth = 40;
constexpr int designationColumnWidth = 300;
constexpr int selectionColumnWidth = 190;
constexpr int hiddenColumnWidth = 2;
constexpr int groupMargin = 8;
constexpr int groupTitleHeight = 18;

const QString dateFormat = QStringLiteral("dd/MM/yyyy");

} // namespace

// An editable box picks the entry matching its typed text when it loses the focus and reports
// it as activated; a document number must only be loaded when chosen from the list.
void activateOnlyOnChoice(QComboBox *box)
{
    if (box->lineEdit())
        QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
}

QLabel *addTitle(QWidget *page, const QString &text, const QRect &geometry)
{
    QLabel *title = addLabel(page, text, geometry);
    title->setFont(screenFont(ScreenFont::Title));
    return title;
}

QComboBox *addNumberBox(QWidget *page, const QString &caption, const QRect &labelGeometry, const QRect &boxGeometry)
{
    auto *box = new QComboBox(page);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    placeWithCaption(box, caption, labelGeometry, boxGeometry);
    activateOnlyOnChoice(box);
    return box;
}

QDateEdit *addDateField(QWidget *page, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry)
{
    auto *field = new QDateEdit(QDate::currentDate(), page);
    field->setDisplayFormat(dateFormat);
    field->setCalendarPopup(true);
    placeWithCaption(field, caption, labelGeometry, fieldGeometry);
    return field;
}

QLineEdit *addUpperCaseField(
    QWidget *page, const QString &caption, const QRect &labelGeometry, const QRect &fieldGeometry)
{
    QLineEdit *field = addLabelledField(page, caption, labelGeometry, fieldGeometry);
    makeUpperCase(field);
    return field;
}

QLineEdit *addGroupField(QWidget *page, const QString &title, const QRect &geometry)
{
    auto *group = new QGroupBox(title, page);
    group->setGeometry(geometry);
    auto *field = new QLineEdit(group);
    field->setGeometry(groupMargin, groupTitleHeight, geometry.width() - 2 * groupMargin,
        geometry.height() - groupTitleHeight - groupMargin);
    field->setAccessibleName(title);
    return field;
}

QPushButton *addButton(QWidget *page, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, page);
    button->setGeometry(geometry);
    return button;
}

QTreeWidget *addSelectionList(QWidget *page, bool oneColumn, const QRect &geometry)
{
    const QList<ListColumn> columns = oneColumn
        ? QList<ListColumn>{{QStringLiteral("Sélection..."), selectionColumnWidth}, {QString(), hiddenColumnWidth}}
        : QList<ListColumn>{
            {QStringLiteral("Code"), codeColumnWidth}, {QStringLiteral("      Désignation"), designationColumnWidth}};
    QTreeWidget *list = createReportList(page, columns, selectionBackground);
    if (oneColumn) {
        list->header()->setMinimumSectionSize(hiddenColumnWidth);
        list->setColumnWidth(1, hiddenColumnWidth);
    }
    list->setGeometry(geometry);
    return list;
}

QList<QPushButton *> addButtonRow(QWidget *page, const QStringList &captions, const QPoint &topLeft)
{
    constexpr int padding = 28;
    constexpr int spacing = 8;
    QList<QPushButton *> buttons;
    int x = topLeft.x();
    for (const QString &caption : captions) {
        const int width = page->fontMetrics().horizontalAdvance(caption) + padding;
        buttons << addButton(page, caption, {x, topLeft.y(), width, TabGrid::buttonHeight});
        x += width + spacing;
    }
    return buttons;
}

void nameWidgets(std::initializer_list<std::pair<QWidget *, const char *>> widgets)
{
    for (const auto &[widget, name] : widgets) {
        if (widget)
            widget->setObjectName(QLatin1String(name));
    }
}

QRect titleRect()
{
    constexpr int top = 8;
    constexpr int width = 700;
    constexpr int height = 28;
    return {TabGrid::left, top, width, height};
}

QRect gridLabel(int row, int x, int width)
{
    return {x, TabGrid::rowTop + row * TabGrid::rowStep, width, TabGrid::rowHeight};
}

QRect gridField(int row, int x, int width)
{
    return {x, TabGrid::rowTop + row * TabGrid::rowStep, width, TabGrid::rowHeight};
}

QTreeWidget *addMovementLinesList(QWidget *page, const QColor &background)
{
    return createReportList(page,
        {{QStringLiteral("Code"), 40}, {QStringLiteral(" Désignation du produit"), 300}, {QStringLiteral(" U.M."), 90},
            {QStringLiteral(" Quantité"), 80}, {QStringLiteral(" Prix unitaire"), 100},
            {QStringLiteral(" Montant"), 100}},
        background);
}
