#pragma once

#include <QString>

// The values the whole program shares in memory, loaded from FParam at start.
struct SharedValues {
    QString accessCode;
    QString vatRate; // whole percent, as text
    QString initialCashBalance; // hundredths, as text
    QString initialBankBalance; // hundredths, as text
};

SharedValues &sharedValues();

// Reads the parameter row into the shared values; with no row they are left as they are.
void loadParameters();
