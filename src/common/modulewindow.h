#pragma once

#include <QWidget>

// A window opened from the main window: it runs its own event loop until the user leaves it
// (close box or its last tab), while the main window waits.
class ModuleWindow : public QWidget {
    Q_OBJECT
public:
    explicit ModuleWindow(QWidget *parent = nullptr);

    // Runs until left() is emitted.
    void runLoop();

signals:
    void left();

protected:
    // The close box only leaves; whether the window is then kept or destroyed is the opener's.
    void closeEvent(QCloseEvent *event) override;
};

// Windows built once and kept for the program's life; the shell destroys them before it ends.
void keepWindow(QWidget *window);
void destroyKeptWindows();
