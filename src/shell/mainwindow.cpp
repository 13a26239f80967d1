#include "shell/mainwindow.h"

#include "common/widgets.h"
#include "shell/pictures.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int toolbarMargin = 50;
const QColor background(255, 255, 255);

int pictureWidthSum()
{
    int sum = 0;
    for (const ToolButtonDefinition &button : toolButtonDefinitions())
        sum += pictures::picture(button.number).width();
    return sum;
}

} // namespace

int toolbarFillerCount(int windowWidth)
{
    const int tileWidth = pictures::picture(pictures::Tile).width();
    int count = 0;
    for (int sum = pictureWidthSum(); sum < windowWidth - toolbarMargin; sum += tileWidth)
        ++count;
    return count;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(
        QStringLiteral("Selvano 2018 (Logiciel de gestion commerciale Facturation réelle - Version 18 - Mai 2023)"));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    // Maximised, the window manager keeps the title bar and its boxes on the desktop.
    setWindowState(Qt::WindowMaximized);
    setBackground(this, background);
    buildMenus();
    buildToolBar();
    buildPicture();
}

void MainWindow::buildMenus()
{
    for (const MenuDefinition &definition : menuDefinitions()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(definition.title));
        for (const MenuCommand &command : definition.commands) {
            if (!command.caption) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(QString::fromUtf8(command.caption));
            action->setObjectName(QStringLiteral("command%1").arg(command.number));
            action->setEnabled(command.number != disabledCommand);
            const int number = command.number;
            connect(action, &QAction::triggered, this, [this, number] { runMenuCommand(number); });
        }
    }
}

void MainWindow::buildToolBar()
{
    toolBar = addToolBar(QStringLiteral("Outils"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(pictures::picture(pictures::Tile).size());
    for (const ToolButtonDefinition &definition : toolButtonDefinitions()) {
        QAction *action = toolBar->addAction(QIcon(pictures::picture(definition.number)), QString());
        action->setObjectName(QStringLiteral("button%1").arg(definition.number));
        if (definition.tooltip) {
            action->setToolTip(QString::fromUtf8(definition.tooltip));
            action->setText(QString::fromUtf8(definition.tooltip));
        }
        const int number = definition.number;
        connect(action, &QAction::triggered, this, [this, number] { runToolButton(number); });
        toolBar->addSeparator();
    }
    const int fillers = toolbarFillerCount(frameGeometry().width());
    for (int i = 0; i < fillers; ++i) {
        QAction *filler = toolBar->addAction(QIcon(pictures::picture(pictures::Tile)), QString());
        filler->setObjectName(QStringLiteral("filler"));
    }
}

void MainWindow::buildPicture()
{
    auto *canvas = new QWidget(this);
    const QPixmap &picture = pictures::picture(pictures::Main);
    auto *label = new QLabel(canvas);
    label->setPixmap(picture);
    label->setGeometry(
        (width() - picture.width()) / 2, (height() - picture.height()) / 2, picture.width(), picture.height());
    setCentralWidget(canvas);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    emit closed();
}

void MainWindow::runMenuCommand(int command)
{
    runTarget(menuTarget(command));
}

void MainWindow::runToolButton(int button)
{
    runTarget(toolbarTarget(button));
}

void MainWindow::runTarget(const std::optional<Target> &target)
{
    if (!target)
        return;
    if (target->module == Module::EndSession) {
        close();
        return;
    }
    // The main window does nothing while a module window is open.
    setEnabled(false);
    moduleOpener(*target);
    setEnabled(true);
    activateWindow();
}
