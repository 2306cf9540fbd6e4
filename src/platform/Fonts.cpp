#include "Fonts.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace platform
