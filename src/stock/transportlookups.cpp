#include "stock/transportlookups.h"

#include "storage/database.h"

#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace {

struct TransportStatements {
    const char *find;
    const char *insert;
    const char *list;
};

const TransportStatements &statementsOf(Transport kind)
{
    static const TransportStatements truck{"SELECT * FROM fcamion where camion=?",
        "insert into fcamion (camion) values (?)", "SELECT camion FROM fcamion order by camion"};
    static const TransportStatements driver{"SELECT * FROM fchauf where chauf=?",
        "insert into fchauf (chauf) values (?)", "SELECT chauf FROM fchauf order by chauf"};
    static const TransportStatements registration{
        "SELECT * FROM fmat where mat=?", "insert into fmat (mat) values (?)", "SELECT mat FROM fmat order by mat"};
    switch (kind) {
    case Transport::Truck:
        break;
    case Transport::Driver:
        return driver;
    case Transport::Registration:
        return registration;
    }
    return truck;
}

// Refreshes the field's proposals when it gains the focus, so values recorded since are offered.
class RecordedValues : public QObject {
public:
    RecordedValues(QLineEdit *field, Transport kind)
        : QObject(field)
        , m_kind(kind)
        , m_model(new QStringListModel(this))
    {
        auto *completer = new QCompleter(m_model, field);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        field->setCompleter(completer);
        field->installEventFilter(this);
        refresh();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            refresh();
        return QObject::eventFilter(watched, event);
    }

private:
    void refresh() { m_model->setStringList(recordedTransportValues(m_kind)); }

    Transport m_kind;
    QStringListModel *m_model;
};

} // namespace

void recordTransportValue(Transport kind, const QString &value)
{
    if (value.isEmpty())
        return;
    const TransportStatements &statements = statementsOf(kind);
    if (!queryHasRow(Db::prod, statements.find, {value}))
        runUpdate(Db::prod, statements.insert, {value});
}

QStringList recordedTransportValues(Transport kind)
{
    QStringList values;
    Query rows = runQuery(Db::prod, statementsOf(kind).list);
    while (rows.next())
        values << rows.text(0);
    return values;
}

void offerRecordedValues(QLineEdit *field, Transport kind)
{
    new RecordedValues(field, kind);
}
