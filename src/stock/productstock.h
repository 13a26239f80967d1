#pragma once

#include <QString>

// The stock of a product is never stored: it is its initial quantity plus what receptions and
// regularisation entries brought in, minus what valid sales invoices and regularisation exits
// took out. Delivery notes do not move stock. Every figure is in hundredths.

struct StockQuantities {
    qint64 initial = 0; // Qi of fprod
    qint64 received = 0; // Σ Qte of fbr
    qint64 invoiced = 0; // Σ Qte of the valid facv lines (statut "1")
    qint64 entries = 0; // Σ Qe of fbrS
    qint64 exits = 0; // Σ Qs of fbrS

    qint64 finalStock() const { return initial + received + entries - invoiced - exits; }
};

// Over all rows, whatever their date.
StockQuantities stockQuantities(const QString &productCode);
// Only the rows whose day key is below `dayKey`; the initial quantity always counts.
StockQuantities stockQuantitiesBefore(const QString &productCode, qint32 dayKey);

qint64 productStock(const QString &productCode);
// The stock before a date: the old stock of the stock card.
qint64 productStockBefore(const QString &productCode, qint32 dayKey);

// Value of a stock at a price: stock × price / 100, truncated towards zero.
qint64 stockValue(qint64 stock, qint64 price);
