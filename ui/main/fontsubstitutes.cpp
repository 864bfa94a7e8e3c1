#include "fontsubstitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    // IPA fonts are metric-compatible with the requested ones; Noto Sans CJK JP
    // keeps the text Japanese where they are missing.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
        {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
        {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
}
