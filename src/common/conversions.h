#pragma once

#include <QString>

// Dates, day keys and amounts: every window validates, converts and shows them through here.
// Amounts and quantities are stored as whole hundredths; texts exist only at the edges.

// Integer value of a text: leading blanks skipped, optional sign, digits up to the first
// other character; no digit gives 0.
qint64 toInteger(const QString &text);

// Today as dd/mm/yyyy.
QString todayText();

bool isValidDate(const QString &text);
// day + 31 × month + 365 × year, kept in 32 bits; orders dates within one year only.
qint32 dateToDateNum(const QString &date);

// A typed amount or quantity: digits with at most one decimal mark ("." or ","), an optional
// leading minus, spaces anywhere.
bool isValidAmount(const QString &text);
// Typed text (or display text) to hundredths text: "12.5" -> "1250", "1 500,50" -> "150050".
QString amountToHundredths(const QString &text);
// Typed text straight to hundredths, for callers that have already checked it.
qint64 amountValue(const QString &text);

QString hundredthsToDecimal(const QString &hundredths);
QString groupThousands(const QString &decimal);
// Display text of a stored amount: "150000" -> "1 500.00".
QString formatAmount(const QString &hundredths);
QString formatAmount(qint64 hundredths);

// A stored price put into an editable field: a point before the last two digits, nothing
// else changed ("975" -> "9.75", "50" -> ".50", "5" -> ".05").
QString insertDecimalPoint(const QString &stored);

// Line amount: quantity × unit price in hundredths, the last two digits of the product cut off.
qint64 lineAmount(qint64 quantity, qint64 unitPrice);
