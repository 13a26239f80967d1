#include "masterdata/nextcodes.h"

#include "storage/database.h"

QString nextProductCode()
{
    return QString::number(queryInteger(Db::prod, "SELECT max(codeprod) FROM fprod") + 1);
}

QString nextClientCode()
{
    return QString::number(queryInteger(Db::client, "SELECT max(codeclient) FROM fclient") + 1);
}

QString nextSupplierCode()
{
    return QString::number(queryInteger(Db::four, "SELECT max(codeFour) FROM fFour") + 1);
}
