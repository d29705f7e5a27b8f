#include "platform/TimesFont.h"

#include "platform/ControlBuilders.h"

namespace vemora {

QFont TimesFont(double points, bool bold)
{
    return WindowFont(TimesNewRoman(), points, bold);
}

} // namespace vemora
