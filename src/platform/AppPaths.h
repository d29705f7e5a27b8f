// Where the program finds its folders: the application directory (the
// folder of the executable) with Projects/, Guide/ and Help/ beside it.
// A test gives another application directory.
#pragma once

#include <QString>

namespace vemora {

class AppPaths
{
  public:
    // The folders beside the executable (found when first asked, so the
    // paths may be made before the application object).
    AppPaths() = default;
    // The folders of another application directory.
    explicit AppPaths(const QString& appDir) : appDir_(appDir) {}

    // The application directory, without a trailing separator.
    QString appPath() const;
    // "<app>/Projects/": where the open and save dialogs start.
    QString projectsPath() const;
    // "<app>/Guide/Step-by-step LCCA guide.pdf".
    QString guideFile() const;
    // "<app>/Help": one HTML page per help topic number.
    QString helpPath() const;
    // "<app>/Help/<topic>.html".
    QString helpTopicFile(int topic) const;

  private:
    QString appDir_; // empty: the executable's folder
};

} // namespace vemora
