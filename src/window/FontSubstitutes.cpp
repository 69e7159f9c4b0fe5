#include "window/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace tw {

void installFontSubstitutes()
{
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
    const QStringList japanese {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "DejaVu Sans"};
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"), japanese);
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ ゴシック"), japanese);
}

} // namespace tw
