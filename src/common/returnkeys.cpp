#include "common/returnkeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

ReturnKeys::ReturnKeys(QObject *parent)
    : QObject(parent)
{ }

void ReturnKeys::onReturn(QWidget *field, std::function<void()> action)
{
    m_actions.insert(field, std::move(action));
    field->installEventFilter(this);
    // An editable drop-down receives its keys in its own line edit.
    if (auto *box = qobject_cast<QComboBox *>(field); box && box->lineEdit()) {
        m_actions.insert(box->lineEdit(), m_actions.value(field));
        box->lineEdit()->installEventFilter(this);
    }
}

void ReturnKeys::chain(std::initializer_list<QWidget *> fields)
{
    const auto *it = fields.begin();
    for (const auto *next = it + 1; next != fields.end(); ++it, ++next) {
        QWidget *target = *next;
        onReturn(*it, [target] { focusField(target); });
    }
}

bool ReturnKeys::press(QWidget *field)
{
    const auto action = m_actions.constFind(field);
    if (action == m_actions.cend())
        return false;
    // Copy: the action may replace this very entry.
    const std::function<void()> run = *action;
    run();
    return true;
}

bool ReturnKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_actions.contains(watched)) {
            press(static_cast<QWidget *>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void focusField(QWidget *field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}
