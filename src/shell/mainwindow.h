#pragma once

#include "shell/dispatch.h"

#include <QMainWindow>

#include <functional>

class QToolBar;

// Filler tiles added after the toolbar's buttons so the bar reaches the window's width less 50.
int toolbarFillerCount(int windowWidth);

// The main window: menu, toolbar and picture; each command opens its module window and waits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    void runMenuCommand(int command);
    void runToolButton(int button);

    // Tests watch where commands lead instead of opening the windows.
    void setModuleOpener(std::function<void(const Target &)> opener) { moduleOpener = std::move(opener); }

    QToolBar *toolBar;

signals:
    // The session ends: kept module windows, minimised, must not keep the program alive.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPicture();
    void runTarget(const std::optional<Target> &target);

    std::function<void(const Target &)> moduleOpener = openModule;
};
