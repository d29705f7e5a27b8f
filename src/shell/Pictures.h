// The program's own pictures: the PIPE logo, the program icon and the
// toolbar bitmaps, compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vemora {

// A picture by name ("PIPE", "new", "open", "save", "print", "help");
// an empty pixmap when there is none of that name.
QPixmap ShellPicture(const QString& name);
// The program icon.
QIcon ProgramIcon();

} // namespace vemora
