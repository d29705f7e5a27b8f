#include "platform/Ui.h"

#include "platform/QtUi.h"

namespace vemora {

namespace {
Ui*& installed()
{
    static Ui* current = nullptr;
    return current;
}

} // namespace

QtUi& defaultQtUi()
{
    static QtUi real;
    return real;
}

Ui& ui()
{
    Ui* u = installed();
    return u ? *u : defaultQtUi();
}

Ui* installUi(Ui* services)
{
    Ui* before = installed();
    installed() = services;
    return before;
}

} // namespace vemora
