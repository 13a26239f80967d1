#include "common/conversions.h"

#include <QDate>

#include <limits>

namespace {

constexpr int firstAcceptedYear = 2014;
constexpr int daysPerMonthKey = 31;
constexpr int daysPerYearKey = 365;
constexpr int hundredths = 100;
constexpr int groupSize = 3;
constexpr int maxGroupedDigits = 18;

bool isDecimalMark(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

QString withoutSpaces(QString text)
{
    text.remove(QLatin1Char(' '));
    return text;
}

// Whether the number a text starts with is zero (a text without a number counts as zero).
bool leadingNumberIsZero(const QString &text)
{
    int i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    bool seenMark = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit()) {
            if (c != QLatin1Char('0'))
                return false;
        } else if (c == QLatin1Char('.') && !seenMark) {
            seenMark = true;
        } else {
            break;
        }
    }
    return true;
}

} // namespace

qint64 toInteger(const QString &text)
{
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    // Accumulated towards the sign so the most negative value is reached exactly.
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const int digit = text[i].unicode() - '0';
        if (negative)
            value = value < (lowest + digit) / 10 ? lowest : value * 10 - digit;
        else
            value = value > (highest - digit) / 10 ? highest : value * 10 + digit;
    }
    return value;
}

QString todayText()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

bool isValidDate(const QString &text)
{
    const QString date = text.trimmed();
    const qint64 day = toInteger(date.left(2));
    const qint64 month = toInteger(date.mid(3, 2));
    const qint64 year = toInteger(date.right(4));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= firstAcceptedYear;
}

qint32 dateToDateNum(const QString &date)
{
    const qint64 day = toInteger(date.left(2));
    const qint64 month = toInteger(date.mid(3, 2));
    const qint64 year = toInteger(date.right(4));
    return static_cast<qint32>(day + daysPerMonthKey * month + daysPerYearKey * year);
}

bool isValidAmount(const QString &text)
{
    QString rest = withoutSpaces(text.trimmed());
    if (rest.startsWith(QLatin1Char('-')))
        rest.remove(0, 1);
    if (rest.isEmpty())
        return false;
    int marks = 0;
    for (const QChar c : rest) {
        if (isDecimalMark(c))
            ++marks;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return marks <= 1;
}

QString amountToHundredths(const QString &text)
{
    const QString typed = text.trimmed();
    const auto mark = std::find_if(typed.cbegin(), typed.cend(), isDecimalMark);
    QString result;
    if (mark == typed.cend()) {
        result = typed + QStringLiteral("00");
    } else {
        const qsizetype at = mark - typed.cbegin();
        QString decimals = typed.mid(at + 1, 2).trimmed();
        if (decimals.size() == 1)
            decimals += QLatin1Char('0');
        else if (decimals.isEmpty())
            decimals = QStringLiteral("00");
        result = typed.left(at).trimmed() + decimals;
    }
    return withoutSpaces(result).trimmed();
}

qint64 amountValue(const QString &text)
{
    return toInteger(amountToHundredths(text));
}

QString hundredthsToDecimal(const QString &hundredthsText)
{
    QString digits = hundredthsText.trimmed();
    digits.remove(QLatin1Char('.'));
    digits.remove(QLatin1Char(','));
    // A minus with a single digit keeps its place before the cents: -5 is -.05, like -50 is -.50.
    if (digits.size() == 2 && digits[0] == QLatin1Char('-'))
        digits.insert(1, QLatin1Char('0'));
    QString result;
    if (digits.size() == 1)
        result = QStringLiteral("0.0") + digits;
    else if (digits.size() == 2)
        result = QStringLiteral("0.") + digits;
    else if (digits.size() > 2)
        result = digits.left(digits.size() - 2) + QLatin1Char('.') + digits.right(2);
    if (leadingNumberIsZero(result))
        result = QStringLiteral("0.00");
    if (!result.isEmpty() && isDecimalMark(result[0]))
        result.prepend(QLatin1Char('0'));
    return result;
}

QString groupThousands(const QString &decimal)
{
    const QString text = withoutSpaces(decimal).trimmed();
    QString integerPart = text;
    QString decimalPart;
    if (text.size() >= groupSize && isDecimalMark(text[text.size() - groupSize])) {
        decimalPart = text.right(groupSize);
        integerPart = text.left(text.size() - groupSize);
    }
    QString grouped = integerPart;
    if (integerPart.size() <= maxGroupedDigits) {
        QStringList groups;
        for (qsizetype end = integerPart.size(); end > 0; end -= groupSize) {
            const qsizetype start = std::max<qsizetype>(0, end - groupSize);
            groups.prepend(integerPart.mid(start, end - start));
        }
        grouped = groups.join(QLatin1Char(' '));
    }
    const QString result = grouped + decimalPart;
    return result == QStringLiteral("0") ? QStringLiteral("0.00") : result;
}

QString formatAmount(const QString &hundredthsText)
{
    return groupThousands(hundredthsToDecimal(hundredthsText));
}

QString formatAmount(qint64 value)
{
    return formatAmount(QString::number(value));
}

QString insertDecimalPoint(const QString &stored)
{
    // A single digit is hundredths: 5 must read back as 0.05, not 0.50.
    const QString digits = stored.size() == 1 ? QLatin1Char('0') + stored : stored;
    const qsizetype whole = std::max<qsizetype>(0, digits.size() - 2);
    return digits.left(whole) + QLatin1Char('.') + digits.mid(whole);
}

qint64 lineAmount(qint64 quantity, qint64 unitPrice)
{
    return quantity * unitPrice / hundredths;
}
