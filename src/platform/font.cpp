#include "platform/font.h"

namespace platform {

QFont DialogFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

} // namespace platform
