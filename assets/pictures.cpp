#include "assets/pictures.h"

namespace assets
{

QImage loadPicture(const QString& name)
{
    // The pictures are stored under upper-case names, so any spelling of a name finds them.
    // A name with a path in it cannot reach outside the picture folder.
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    return QImage(QStringLiteral(":/pictures/") + name.toUpper() + QStringLiteral(".bmp"));
}

} // namespace assets
