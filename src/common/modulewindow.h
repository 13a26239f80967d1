#pragma once

#include <QPointer>
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

// Opens a window that is built once and kept: built on first use, shown on `screen` by its
// openOn(), run until the user leaves it, then minimised with everything it shows.
template <typename Window> void runKeptWindow(int screen)
{
    static QPointer<Window> window;
    if (!window) {
        window = new Window;
        keepWindow(window);
    }
    window->openOn(screen);
    window->runLoop();
    window->showMinimized();
}
