#include "common/modulewindow.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

ModuleWindow::ModuleWindow(QWidget *parent)
    : QWidget(parent)
{ }

void ModuleWindow::runLoop()
{
    QEventLoop loop;
    connect(this, &ModuleWindow::left, &loop, &QEventLoop::quit);
    loop.exec();
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit left();
}

namespace {

QList<QPointer<QWidget>> &keptWindows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

} // namespace

void keepWindow(QWidget *window)
{
    keptWindows().append(window);
}

void destroyKeptWindows()
{
    for (const QPointer<QWidget> &window : std::as_const(keptWindows()))
        delete window.data();
    keptWindows().clear();
}
