#pragma once

#include <QString>

// New codes for records created on the fly by documents and payments: the highest code plus one.
QString nextProductCode();
QString nextClientCode();
QString nextSupplierCode();
