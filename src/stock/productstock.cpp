#include "stock/productstock.h"

#include "storage/database.h"

namespace {

constexpr qint64 hundredths = 100;

qint64 initialQuantity(const QString &productCode)
{
    return queryInteger(Db::prod, "select Qi from fprod where codeprod=?", {productCode});
}

} // namespace

StockQuantities stockQuantities(const QString &productCode)
{
    StockQuantities q;
    q.initial = initialQuantity(productCode);
    q.received = queryInteger(Db::br, "select SUM(qte) from fbr where codeprod=?", {productCode});
    // A cancelled invoice is void: its goods are back in stock until it is restored.
    q.invoiced = queryInteger(Db::facv, "select SUM(qte) from facv where codeprod=? and statut='1'", {productCode});
    q.entries = queryInteger(Db::brs, "select SUM(qe) from fbrs where codeprod=?", {productCode});
    q.exits = queryInteger(Db::brs, "select SUM(qs) from fbrs where codeprod=?", {productCode});
    return q;
}

StockQuantities stockQuantitiesBefore(const QString &productCode, qint32 dayKey)
{
    const QString key = QString::number(dayKey);
    StockQuantities q;
    q.initial = initialQuantity(productCode);
    q.received = queryInteger(Db::br, "select sum(qte) from fbr where codeprod=? and datenum<?", {productCode, key});
    q.invoiced = queryInteger(
        Db::facv, "select sum(qte) from facv where codeprod=? and datenum<? and statut='1'", {productCode, key});
    q.entries = queryInteger(Db::brs, "select sum(qe) from fbrs where codeprod=? and datenum<?", {productCode, key});
    q.exits = queryInteger(Db::brs, "select sum(qs) from fbrs where codeprod=? and datenum<?", {productCode, key});
    return q;
}

qint64 productStock(const QString &productCode)
{
    return stockQuantities(productCode).finalStock();
}

qint64 productStockBefore(const QString &productCode, qint32 dayKey)
{
    return stockQuantitiesBefore(productCode, dayKey).finalStock();
}

qint64 stockValue(qint64 stock, qint64 price)
{
    return stock * price / hundredths;
}
