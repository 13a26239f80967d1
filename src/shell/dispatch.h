#pragma once

#include <QList>
#include <QString>

#include <optional>

// Where each menu command and toolbar button leads: a module window and its screen.
enum class Module { Tables, Stock, Treasury, Journals, Utilities, Parameters, EndSession };

struct Target {
    Module module;
    int screen;
    bool operator==(const Target &) const = default;
};

std::optional<Target> menuTarget(int command);
std::optional<Target> toolbarTarget(int button);

// Opens the module window of a target and returns when the user leaves it (EndSession excluded).
void openModule(const Target &target);

// The menu bar as designed: each menu's title and its commands (number and caption); a command
// number of 0 is a separator.
struct MenuCommand {
    int number;
    const char *caption;
};
struct MenuDefinition {
    const char *title;
    QList<MenuCommand> commands;
};
const QList<MenuDefinition> &menuDefinitions();

inline constexpr int disabledCommand = 51;
inline constexpr int endSessionCommand = 99;

struct ToolButtonDefinition {
    int number;
    const char *tooltip;
};
const QList<ToolButtonDefinition> &toolButtonDefinitions();
