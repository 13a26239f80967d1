#include "stock/numberlists.h"

#include "common/conversions.h"
#include "storage/columns.h"

#include <QComboBox>

#include <algorithm>

namespace {

// Column 0 of the first row read as the integer value of its text; 0 without a row.
qint64 firstInteger(Db::Connection connection, const char *statement)
{
    Query query = runQuery(connection, statement);
    return query.next() ? toInteger(query.text(0)) : 0;
}

// The box starts empty: a listed entry counts only once the user chooses it.
void showNoEntry(QComboBox *box)
{
    box->setCurrentIndex(-1);
}

// Beyond this many numbers the range holds a number typed by mistake (1000000 for 100): listing
// every number up to it would freeze the window, so only the stored numbers are listed then.
constexpr qint64 maxListedRange = 100000;

struct NumberStatements {
    const char *min;
    const char *max;
    const char *stored; // each stored number once, in order
};

// Whole numbers from the lowest to the highest stored number; cancelled numbers inside the
// range are listed too.
void fillNumberRange(QComboBox *box, Db::Connection connection, const NumberStatements &statements)
{
    if (box->count() > 0)
        return;
    const qint64 lowest = std::max<qint64>(1, firstInteger(connection, statements.min));
    const qint64 highest = firstInteger(connection, statements.max);
    QStringList numbers;
    if (highest - lowest < maxListedRange) {
        for (qint64 n = lowest; n <= highest; ++n)
            numbers << QString::number(n);
    } else {
        Query stored = runQuery(connection, statements.stored);
        while (stored.next())
            numbers << QString::number(stored.integer(0));
    }
    box->addItems(numbers);
    showNoEntry(box);
}

// Column `column` of each row, skipping a value equal to the one added just before (the rows
// come in that column's order).
void fillDistinct(QComboBox *box, Db::Connection connection, const char *statement, int column)
{
    if (box->count() > 0)
        return;
    Query rows = runQuery(connection, statement);
    QString previous;
    bool first = true;
    while (rows.next()) {
        const QString value = rows.text(column);
        if (first || value != previous)
            box->addItem(value);
        previous = value;
        first = false;
    }
    showNoEntry(box);
}

} // namespace

void fillReceptionNumbers(QComboBox *box)
{
    fillNumberRange(box, Db::br,
        {"SELECT min(numdoc) FROM fbr", "SELECT max(numdoc) FROM fbr",
            "SELECT DISTINCT numdoc FROM fbr where numdoc>0 order by numdoc"});
}

void fillDeliveryNumbers(QComboBox *box)
{
    fillNumberRange(box, Db::bl,
        {"SELECT min(numdoc) FROM fbl", "SELECT max(numdoc) FROM fbl",
            "SELECT DISTINCT numdoc FROM fbl where numdoc>0 order by numdoc"});
}

void fillRegularisationNumbers(QComboBox *box)
{
    fillDistinct(box, Db::brs, "SELECT * FROM fbrS order by numdoc", fbrs::Numdoc);
}

void fillFamilyFilter(QComboBox *box)
{
    fillDistinct(box, Db::prod, "select * from fprod order by fam", fprod::fam);
}

QString nextDocumentNumber(Db::Connection connection, const char *maxStatement)
{
    return QString::number(firstInteger(connection, maxStatement) + 1);
}

QString nextReceptionNumber()
{
    return nextDocumentNumber(Db::br, "SELECT max(numdoc) FROM fbr");
}

QString nextDeliveryNumber()
{
    return nextDocumentNumber(Db::bl, "SELECT max(numdoc) FROM fbl");
}

QString nextRegularisationNumber()
{
    return nextDocumentNumber(Db::brs, "SELECT max(numdoc) FROM fbrS");
}
