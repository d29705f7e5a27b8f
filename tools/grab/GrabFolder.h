// Where the grabs go: one folder for each group under the folder the
// program was given, made when missing.
#pragma once

#include <QString>

namespace vemora::test {

void SetGrabRoot(const QString& root);

// The group's folder, e.g. OUT_DIR/results.
QString GrabFolder(const QString& group);

} // namespace vemora::test
