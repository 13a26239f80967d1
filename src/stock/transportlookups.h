#pragma once

#include <QStringList>

class QLineEdit;

// The trucks, drivers and registrations typed on receptions, one row per distinct value in
// fcamion, fchauf and fmat; the transport fields offer them back as the user types.

enum class Transport { Truck, Driver, Registration };

// Adds the value to its table unless it is empty or already there.
void recordTransportValue(Transport kind, const QString &value);
// The recorded values, in alphabetical order.
QStringList recordedTransportValues(Transport kind);

// Makes `field` propose the recorded values that start with what is typed (any case); the
// proposals are read again each time the field gains the focus.
void offerRecordedValues(QLineEdit *field, Transport kind);
