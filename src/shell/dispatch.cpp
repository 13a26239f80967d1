#include "shell/dispatch.h"

#include "journals/journalswindow.h"
#include "masterdata/tableswindow.h"
#include "shell/parameterswindow.h"
#include "stock/stockwindow.h"
#include "treasury/treasurywindow.h"
#include "utilities/utilitieswindow.h"

namespace {

struct CommandRange {
    int first;
    int last;
    Module module;
};

// Menu commands by range; the screen is the command less the first of its range.
constexpr CommandRange menuRanges[] = {
    {1, 3, Module::Tables},
    {10, 17, Module::Stock},
    {20, 28, Module::Treasury},
    {31, 37, Module::Journals},
    {40, 43, Module::Utilities},
    {50, 51, Module::Parameters},
};

struct ButtonTarget {
    int button;
    Module module;
    int screen;
};

constexpr ButtonTarget buttonTargets[] = {
    {100, Module::Tables, 0},
    {101, Module::Tables, 1},
    {102, Module::Stock, 0},
    {103, Module::Stock, 1},
    {104, Module::Stock, 2},
    {105, Module::Stock, 3},
    {106, Module::Stock, 4},
    {107, Module::Stock, 5},
    {108, Module::Treasury, 0},
    {109, Module::Treasury, 1},
    {110, Module::Treasury, 2},
    {111, Module::Treasury, 8},
    {112, Module::Journals, 0},
    {113, Module::Utilities, 0},
    {114, Module::Utilities, 1},
    {115, Module::Utilities, 2},
    {116, Module::Utilities, 3},
    {117, Module::Parameters, 0},
    {118, Module::EndSession, 0},
};

} // namespace

std::optional<Target> menuTarget(int command)
{
    if (command == endSessionCommand)
        return Target{Module::EndSession, 0};
    for (const CommandRange &range : menuRanges) {
        if (command >= range.first && command <= range.last)
            return Target{range.module, command - range.first};
    }
    return std::nullopt;
}

std::optional<Target> toolbarTarget(int button)
{
    for (const ButtonTarget &target : buttonTargets) {
        if (target.button == button)
            return Target{target.module, target.screen};
    }
    return std::nullopt;
}

void openModule(const Target &target)
{
    switch (target.module) {
    case Module::Tables:
        openTablesWindow(target.screen);
        break;
    case Module::Stock:
        openStockWindow(target.screen);
        break;
    case Module::Treasury:
        openTreasuryWindow(target.screen);
        break;
    case Module::Journals:
        openJournalsWindow(target.screen);
        break;
    case Module::Utilities:
        openUtilitiesWindow(target.screen);
        break;
    case Module::Parameters:
        openParametersWindow(target.screen);
        break;
    case Module::EndSession:
        break;
    }
}

const QList<MenuDefinition> &menuDefinitions()
{
    static const QList<MenuDefinition> menus{
        {"Tables", {{1, "Table des produits"}, {2, "Table des clients"}, {3, "Table des fournisseurs"}}},
        {"Mouvement du stock",
            {{10, "Réceptions"}, {11, "Livraisons"}, {12, "Factures ventes"}, {13, "Facture proforma"},
                {14, "Régularisation manuelle du stock (BRS)"}, {0, nullptr}, {15, "Journal de stock (pmp)"},
                {16, "Journal de stock (prix de vente)"}, {0, nullptr}, {17, "Fiche de stock"}}},
        {"Trésorerie",
            {{20, "Opérations de caisse"}, {21, "Opérations de banque"}, {0, nullptr}, {22, "Versements clients"},
                {23, "Versements fournisseurs"}, {0, nullptr}, {24, "Fiche client"}, {25, "Fiche fournisseur"},
                {0, nullptr}, {26, "Etat global des soldes clients"}, {27, "Etat global des soldes fournisseurs"},
                {0, nullptr}, {28, "Marge bénéficiaire"}}},
        {"Journaux",
            {{31, "Journal des réceptions"}, {32, "Journal des livraisons"}, {33, "Journal des factures"}, {0, nullptr},
                {34, "Journal de caisse"}, {35, "Journal de banque"}, {0, nullptr}, {36, "Etat 104"},
                {37, "Etat des précomptes"}}},
        {"Utilitaires",
            {{40, "Sauvegarde"}, {41, "Restauration"}, {42, "Clôture de l'exercice"},
                {43, "Initialisation de fichiers"}}},
        {"Paramètres",
            {{50, "Paramètres de gestion"}, {disabledCommand, "Paramètres de sécurité"},
                {endSessionCommand, "Fin de session"}}},
    };
    return menus;
}

const QList<ToolButtonDefinition> &toolButtonDefinitions()
{
    static const QList<ToolButtonDefinition> buttons{
        {100, "Table des produits"},
        {101, "Table des clients fournisseurs"},
        {102, "Réceptions"},
        {103, "Livraisons"},
        {104, "Facture vente"},
        {105, "Facture proforma"},
        {106, "Régularisation manuelle du stock"},
        {107, "Journal de stock"},
        {108, "Opérations de caisse"},
        {109, "Opérations bancaires"},
        {110, "Fiche client-fournisseur"},
        {111, "Marge bénéficiaire"},
        {112, "Journaux"},
        {113, "Sauvegarde"},
        {114, "Restauration"},
        {115, "Clôture de l'exercice"},
        {116, "Initialisation"},
        {117, "Paramètres"},
        {118, "Quitter"},
        {119, nullptr},
    };
    return buttons;
}
