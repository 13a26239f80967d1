#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <initializer_list>

class QWidget;

// The Return key of one window: the field that has the focus decides what Return does, either
// moving to the next field of a chain or running an operation. Return elsewhere does nothing.
class ReturnKeys : public QObject {
public:
    explicit ReturnKeys(QObject *parent = nullptr);

    void onReturn(QWidget *field, std::function<void()> action);
    // Return in each field moves the focus to the one after it.
    void chain(std::initializer_list<QWidget *> fields);
    // Runs what Return in `field` does; false when Return means nothing there.
    bool press(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, std::function<void()>> m_actions;
};

void focusField(QWidget *field);
