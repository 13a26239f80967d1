#include "common/screenfonts.h"

#include <QApplication>
#include <QStringList>

#include <array>

namespace {

constexpr int faceSize = 7;
constexpr int arialFirstPoint = 8;
constexpr int trebuchetFirstPoint = 8;
constexpr int verdanaPoint = 10;

std::array<QFont, ScreenFont::Count> fonts;
bool loaded = false;

// The named faces with look-alikes for desktops that lack them.
QFont makeFont(const QStringList &families, int points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

void loadScreenFonts()
{
    const QStringList arial{QStringLiteral("arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList trebuchet{
        QStringLiteral("ms trebuchet"), QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans")};
    const QStringList verdana{QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")};
    for (int n = 0; n < faceSize; ++n) {
        fonts[n] = makeFont(arial, arialFirstPoint + n, false);
        fonts[ScreenFont::Trebuchet8 + n] = makeFont(trebuchet, trebuchetFirstPoint + n, false);
        fonts[ScreenFont::TrebuchetBold8 + n] = makeFont(trebuchet, trebuchetFirstPoint + n, true);
    }
    fonts[ScreenFont::VerdanaBold10] = makeFont(verdana, verdanaPoint, true);
    loaded = true;
    // The windows' fixed geometry is drawn for a small sans-serif face.
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::setFont(fonts[ScreenFont::Arial8]);
}

const QFont &screenFont(int number)
{
    if (!loaded)
        loadScreenFonts();
    return fonts.at(static_cast<size_t>(number));
}
