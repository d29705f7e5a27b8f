// Finding the machine's system-information program for the About box: the
// first of a short list of known programs found in the folders of a search
// path.
#pragma once

#include <QString>
#include <QStringList>

namespace vemora {

// The programs looked for, in this order.
QStringList SystemInfoPrograms();

// The full path of the first known program that is an executable file in
// one of the folders of `searchPath` (a PATH-style list); empty when there
// is none, and always for an empty search path.
QString FindSystemInfoProgram(const QString& searchPath);

} // namespace vemora
