#pragma once

#include <QString>

class QTreeWidget;
class ReceptionPage;

// The operations of the reception tab. Each reads the tab's fields into the window's current
// values, checks them in order (a message and an early return) and writes the rows of fbr at
// once: a reception exists from its first line.

// "Valider" or Return in "Prix unitaire:": writes (or replaces) the product's line, creating the
// supplier and product when missing, then saves the reception.
void addReceptionLine(ReceptionPage &tab);
// Fills the four total fields from the lines and the costs and discount fields.
void computeReceptionTotals(ReceptionPage &tab);
// Writes the settlement line and spreads the header's date and supplier over every row.
void saveReception(ReceptionPage &tab);
// The supplier's initial balance plus all its receptions minus its payments, in "Nouveau solde".
void showSupplierBalance(ReceptionPage &tab);
// Deletes the line of the product named in "Désignation:"; the last line takes the whole
// reception and its number with it.
void deleteReceptionLine(ReceptionPage &tab);
// Deletes every row of the reception after asking.
void cancelReception(ReceptionPage &tab);
// Loads the reception whose number is in "N° DE BON:".
void showReception(ReceptionPage &tab);
void clearReceptionTab(ReceptionPage &tab);
// "Nouvelle réception": an empty tab with the highest reception number plus one.
void newReceptionNumber(ReceptionPage &tab);

// "Stock disponible" and " P. M. P." of a product (both emptied for an unknown one).
void showProductFigures(ReceptionPage &tab, const QString &productCode);
void showProductFiguresByDesignation(ReceptionPage &tab, const QString &designation);
void clearProductFigures(ReceptionPage &tab);

// Code and unit centred, quantity, unit price and amount right-aligned, titles included.
void alignReceptionLines(QTreeWidget *list);
