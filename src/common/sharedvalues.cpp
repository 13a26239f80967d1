#include "common/sharedvalues.h"

#include "storage/columns.h"
#include "storage/database.h"

SharedValues &sharedValues()
{
    static SharedValues values;
    return values;
}

void loadParameters()
{
    Query query = runQuery(Db::param, "SELECT * FROM FParam");
    if (!query.next())
        return;
    SharedValues &values = sharedValues();
    values.accessCode = query.text(fparam::MpUser);
    values.vatRate = query.text(fparam::TauxTva);
    values.initialCashBalance = query.text(fparam::Sic);
    values.initialBankBalance = query.text(fparam::Sib);
}
