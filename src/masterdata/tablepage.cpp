#include "masterdata/tablepage.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/screenfonts.h"
#include "common/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QRect titleGeometry{20, 20, 300, 30};
const QRect searchListGeometry{450, 70, 450, 190};
constexpr int labelX = 20;
constexpr int codeLabelX = 220;
constexpr int codeCaptionWidth = 100;
constexpr int codeLabelWidth = 50;
constexpr int rowHeight = 20;
constexpr int numberColumnWidth = 40;
constexpr int proposalColumnWidth = 380;
constexpr int proposalColumn = 1;

} // namespace

QLabel *addPageTitle(QWidget *page, const QString &text)
{
    QLabel *title = addLabel(page, text, titleGeometry);
    title->setFont(screenFont(ScreenFont::Title));
    return title;
}

void addFrame(QWidget *page, const QRect &geometry)
{
    auto *frame = new QGroupBox(page);
    frame->setGeometry(geometry);
}

QLabel *addCodeRow(QWidget *page, int y)
{
    const QString caption = QStringLiteral("Code interne:");
    const QRect codeGeometry(codeLabelX, y, codeLabelWidth, rowHeight);
    QLabel *code = addValueLabel(page, caption, codeGeometry, codeLabelBackground);
    code->setObjectName(QStringLiteral("codeLabel"));
    placeWithCaption(code, caption, QRect(labelX, y, codeCaptionWidth, rowHeight), codeGeometry);
    return code;
}

QPushButton *addButton(QWidget *page, const QString &caption, const QRect &geometry, const QString &name)
{
    auto *button = new QPushButton(caption, page);
    button->setGeometry(geometry);
    button->setObjectName(name);
    return button;
}

QTreeWidget *addSearchList(QWidget *page, const QColor &background)
{
    QTreeWidget *list = createReportList(page,
        {{QStringLiteral("N°"), numberColumnWidth},
            {QString(30, QLatin1Char(' ')) + QStringLiteral("Désignation"), proposalColumnWidth}},
        background);
    list->setGeometry(searchListGeometry);
    list->setObjectName(QStringLiteral("searchList"));
    return list;
}

void proposeValues(QTreeWidget *searchList, Db::Connection connection, const char *sql, const QString &typed,
    bool capitals, Repeats repeats)
{
    const QString wanted = typed.toUpper();
    searchList->clear();
    QString lastProposed;
    bool proposedAny = false;
    Query rows = runQuery(connection, sql);
    while (rows.next()) {
        const QString value = capitals ? rows.text(0).toUpper() : rows.text(0);
        if (repeats == Repeats::Skip && proposedAny && value == lastProposed)
            continue;
        if (value.left(wanted.size()) != wanted)
            continue;
        QStringList columns(proposalColumn + 1);
        columns[proposalColumn] = value;
        addListRow(searchList, columns);
        lastProposed = value;
        proposedAny = true;
    }
}

QString storedAmount(const QString &typed)
{
    if (!isValidAmount(typed))
        return QStringLiteral("0");
    return QString::number(amountValue(typed));
}

void showRecordLine(QTreeWidget *list, const QStringList &columns)
{
    QTreeWidgetItem *line = findListRow(list, 0, columns.value(0));
    if (!line) {
        addListRow(list, columns);
        return;
    }
    for (int i = 0; i < columns.size(); ++i)
        line->setText(i, columns[i]);
}

void removeRecordLine(QTreeWidget *list, const QString &code)
{
    delete findListRow(list, 0, code);
}

void copyLineToForm(const QStringList &columns, QLabel *codeLabel, const QList<QLineEdit *> &fields)
{
    codeLabel->setText(columns.value(0));
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(columns.value(i + 1));
}

QStringList lineColumns(const QTreeWidgetItem *line)
{
    QStringList columns;
    for (int i = 0; i < line->columnCount(); ++i)
        columns << line->text(i);
    return columns;
}

bool reportUsage(const QList<Usage> &usages, const QString &title, const QString &code)
{
    for (const Usage &usage : usages) {
        Query rows = runQuery(usage.connection, usage.sql, {code});
        if (rows.next()) {
            dialogs().message(title, usage.message + rows.text(0));
            return true;
        }
    }
    return false;
}
