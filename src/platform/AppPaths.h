// Where the program finds its folders: the application directory (the
// folder of the executable) with Projects/, Guide/ and Help/ beside it.
// Tests point it at a temporary folder.
#pragma once

#include <QString>

namespace vemora {

// The application directory, without a trailing separator.
QString appPath();
// Overrides the application directory; an empty path goes back to the
// executable's folder.
void setAppPath(const QString& dir);

// "<app>/Projects/": where the open and save dialogs start.
QString projectsPath();
// "<app>/Guide/Step-by-step LCCA guide.pdf".
QString guideFile();
// "<app>/Help": one HTML page per help topic number.
QString helpPath();
// "<app>/Help/<topic>.html".
QString helpTopicFile(int topic);

} // namespace vemora
