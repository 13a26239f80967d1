#include "shell/dispatch.h"
#include "shell/mainwindow.h"
#include "shell/pictures.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

Q_DECLARE_METATYPE(Module)

namespace {

QList<QAction *> commandActions(const MainWindow &window)
{
    QList<QAction *> actions;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->objectName().startsWith(QLatin1String("command")))
            actions << action;
    }
    return actions;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pictures::preparePictures(); }
    void fillsTheDesktop();
    void menuDispatch_data();
    void menuDispatch();
    void toolbarDispatch_data();
    void toolbarDispatch();
    void unknownNumbersLeadNowhere();
    void menusAsDesigned();
    void toolbarAsDesigned();
    void fillerTiles_data();
    void fillerTiles();
    void endSessionClosesTheWindow_data();
    void endSessionClosesTheWindow();
    void mainWindowWaitsForTheModule();
    void unopenableFileEndsBeforeAnyWindow_data();
    void unopenableFileEndsBeforeAnyWindow();
};

void TestMainWindow::fillsTheDesktop()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(),
        QStringLiteral("Selvano 2018 (Logiciel de gestion commerciale Facturation réelle - Version 18 - Mai 2023)"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Shown maximised, so its title bar stays on screen.
    QVERIFY(window.isMaximized());
    QCOMPARE(window.frameGeometry().width(), QGuiApplication::primaryScreen()->availableGeometry().width());
}

void TestMainWindow::menuDispatch_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<Module>("module");
    QTest::addColumn<int>("screen");
    const struct {
        int first;
        int last;
        Module module;
    } ranges[] = {{1, 3, Module::Tables}, {10, 17, Module::Stock}, {20, 28, Module::Treasury},
        {31, 37, Module::Journals}, {40, 43, Module::Utilities}, {50, 51, Module::Parameters}};
    for (const auto &range : ranges) {
        for (int command = range.first; command <= range.last; ++command)
            QTest::addRow("command %d", command) << command << range.module << command - range.first;
    }
    QTest::newRow("command 99") << 99 << Module::EndSession << 0;
}

void TestMainWindow::menuDispatch()
{
    QFETCH(int, command);
    QFETCH(Module, module);
    QFETCH(int, screen);
    QCOMPARE(menuTarget(command), (Target{module, screen}));
}

void TestMainWindow::toolbarDispatch_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<Module>("module");
    QTest::addColumn<int>("screen");
    QTest::newRow("100") << 100 << Module::Tables << 0;
    QTest::newRow("101") << 101 << Module::Tables << 1;
    for (int button = 102; button <= 107; ++button)
        QTest::addRow("%d", button) << button << Module::Stock << button - 102;
    QTest::newRow("108") << 108 << Module::Treasury << 0;
    QTest::newRow("109") << 109 << Module::Treasury << 1;
    QTest::newRow("110") << 110 << Module::Treasury << 2;
    QTest::newRow("111") << 111 << Module::Treasury << 8;
    QTest::newRow("112") << 112 << Module::Journals << 0;
    for (int button = 113; button <= 116; ++button)
        QTest::addRow("%d", button) << button << Module::Utilities << button - 113;
    QTest::newRow("117") << 117 << Module::Parameters << 0;
    QTest::newRow("118") << 118 << Module::EndSession << 0;
}

void TestMainWindow::toolbarDispatch()
{
    QFETCH(int, button);
    QFETCH(Module, module);
    QFETCH(int, screen);
    QCOMPARE(toolbarTarget(button), (Target{module, screen}));
    // The button in the window reaches the same target.
    MainWindow window;
    QList<Target> opened;
    window.setModuleOpener([&opened](const Target &target) { opened << target; });
    auto *action = window.findChild<QAction *>(QStringLiteral("button%1").arg(button));
    QVERIFY(action);
    action->trigger();
    const QList<Target> expected
        = module == Module::EndSession ? QList<Target>() : QList<Target>{Target{module, screen}};
    QCOMPARE(opened, expected);
}

void TestMainWindow::unknownNumbersLeadNowhere()
{
    for (int command : {0, 4, 9, 18, 29, 30, 38, 44, 52, 98, 100})
        QVERIFY2(!menuTarget(command), qPrintable(QString::number(command)));
    QVERIFY(!toolbarTarget(119));
    QVERIFY(!toolbarTarget(99));
}

void TestMainWindow::menusAsDesigned()
{
    MainWindow window;
    QList<Target> opened;
    window.setModuleOpener([&opened](const Target &target) { opened << target; });
    QStringList titles;
    for (QAction *menu : window.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(
        titles, (QStringList{"Tables", "Mouvement du stock", "Trésorerie", "Journaux", "Utilitaires", "Paramètres"}));
    const QList<QAction *> stockMenu = window.menuBar()->actions()[1]->menu()->actions();
    QCOMPARE(stockMenu.size(), 10);
    QVERIFY(stockMenu[5]->isSeparator());
    QVERIFY(stockMenu[8]->isSeparator());
    QCOMPARE(stockMenu[4]->text(), QStringLiteral("Régularisation manuelle du stock (BRS)"));

    // Every command but 51 is enabled and reaches its target.
    int commands = 0;
    for (QAction *action : commandActions(window)) {
        const int number = action->objectName().mid(7).toInt();
        QCOMPARE(action->isEnabled(), number != disabledCommand);
        opened.clear();
        action->trigger();
        if (number != disabledCommand && number != endSessionCommand)
            QCOMPARE(opened, QList<Target>{*menuTarget(number)});
        ++commands;
    }
    QCOMPARE(commands, 3 + 8 + 9 + 7 + 4 + 3);
}

void TestMainWindow::toolbarAsDesigned()
{
    MainWindow window;
    const QList<QAction *> actions = window.toolBar->actions();
    QStringList tooltips;
    int separators = 0;
    for (QAction *action : actions) {
        if (action->isSeparator())
            ++separators;
        else if (action->objectName().startsWith(QLatin1String("button")))
            tooltips << action->toolTip();
    }
    QCOMPARE(separators, 20);
    QCOMPARE(tooltips.size(), 20);
    QCOMPARE(tooltips.first(), QStringLiteral("Table des produits"));
    QCOMPARE(tooltips[117 - 100], QStringLiteral("Paramètres"));
    QCOMPARE(tooltips[118 - 100], QStringLiteral("Quitter"));
    QCOMPARE(tooltips.last(), QString());
    QCOMPARE(window.findChildren<QAction *>(QStringLiteral("filler")).size(),
        toolbarFillerCount(window.frameGeometry().width()));
}

void TestMainWindow::fillerTiles_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("fillers");
    // Twenty pictures of 32 pixels: 640.
    QTest::newRow("narrower than the icons plus 50") << 600 << 0;
    QTest::newRow("exactly the icons plus 50") << 690 << 0;
    QTest::newRow("one pixel more") << 691 << 1;
    QTest::newRow("1920 wide") << 1920 << 39;
}

void TestMainWindow::fillerTiles()
{
    QFETCH(int, width);
    QFETCH(int, fillers);
    QCOMPARE(toolbarFillerCount(width), fillers);
}

void TestMainWindow::endSessionClosesTheWindow_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("menu 99") << "command99";
    QTest::newRow("button 118") << "button118";
}

void TestMainWindow::endSessionClosesTheWindow()
{
    QFETCH(QString, action);
    MainWindow window;
    QSignalSpy closed(&window, &MainWindow::closed);
    window.show();
    window.findChild<QAction *>(action)->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(closed.count(), 1);
}

void TestMainWindow::mainWindowWaitsForTheModule()
{
    MainWindow window;
    bool enabledMeanwhile = true;
    window.setModuleOpener([&](const Target &) { enabledMeanwhile = window.isEnabled(); });
    window.runMenuCommand(1);
    QVERIFY(!enabledMeanwhile);
    QVERIFY(window.isEnabled());
}

void TestMainWindow::unopenableFileEndsBeforeAnyWindow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("missing") << "bl" << false;
    QTest::newRow("corrupt") << "verFour" << true;
}

void TestMainWindow::unopenableFileEndsBeforeAnyWindow()
{
    QFETCH(QString, file);
    QFETCH(bool, corrupt);
    ScriptedDialogs scripted;
    Dialogs *previous = setDialogs(&scripted);
    QTemporaryDir dir;
    const QString data = QDir(dir.path()).filePath(QStringLiteral("Data"));
    QVERIFY(makeDataFolder(data));
    QVERIFY(breakDatabaseFile(data, file, corrupt ? Breakage::NotADatabase : Breakage::Missing));
    QVERIFY(!openDataFolder(data));
    setDialogs(previous);
    QCOMPARE(scripted.messages(),
        QStringList{QStringLiteral("Info|Ouverture ") + QDir::toNativeSeparators(QStringLiteral("Data/") + file + ".db")
            + QStringLiteral(" impossible!")});
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
