#pragma once

#include "storage/database.h"

#include <QString>

class QComboBox;

// The lists of the stock window that are filled once when it is built, and the numbers of new
// documents. Each fill does nothing when its list already holds entries.

// Every number from the lowest to the highest reception (delivery) number, gaps included; when
// that range is absurdly large, the stored numbers only.
void fillReceptionNumbers(QComboBox *box);
void fillDeliveryNumbers(QComboBox *box);
// Each BRS number once, in order.
void fillRegularisationNumbers(QComboBox *box);
// Each product family once, in order (tab 5's "Famille:").
void fillFamilyFilter(QComboBox *box);

// The highest number given by `maxStatement` plus one, as text ("1" for an empty table).
// Nothing is written: the number is taken by the first line saved under it.
QString nextDocumentNumber(Db::Connection connection, const char *maxStatement);
QString nextReceptionNumber();
QString nextDeliveryNumber();
QString nextRegularisationNumber();
