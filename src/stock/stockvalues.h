#pragma once

#include <QString>

// The stock-movement window's current values, shared by its tabs and the operations they run.
// Every operation first copies the fields of its own tab here, so only the tab in use matters.
struct StockValues {
    QString documentNumber;
    QString dateText;
    QString partnerCode;
    QString partnerName;
    // The client's details, read when a client is chosen on the invoice tabs.
    QString partnerAddress;
    QString partnerTelephone;
    QString partnerRc;
    QString partnerMf;
    QString partnerArticle;
    QString partnerNis;
    QString partnerInitialBalance;
    QString productCode;
    QString family;
    QString reference;
    QString designation;
    QString unit;
    QString quantity;
    QString unitPrice;
    QString amount;
    QString paymentMode;
    QString truck;
    QString driver;
    QString registration;
    QString lookupMode; // "FOUR", "CLIENT", "PROD", "FAM" or "REF"
};
