// Helpers of the program's start: the screen-size check, the splash's colour
// gradient, the program's version and bringing up the main window.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace vemora {

struct AppContext;
class MDIProject;
class Screen;

// The program's version, set by the build from the project's version.
constexpr int VersionMajor = VEMORA_VERSION_MAJOR;
constexpr int VersionMinor = VEMORA_VERSION_MINOR;
constexpr int VersionRevision = VEMORA_VERSION_REVISION;

// "1.0.0": major, minor and revision.
QString VersionNumber();
// "Version: 1.0.0".
QString VersionText();

// True exactly when the screen is width x height pixels (compared in twips,
// 15 to the pixel).
bool IsScreenSize(const Screen& screen, int32_t width, int32_t height);

// Paints the target's background as a vertical gradient of 256 even bands,
// from the first colour at the top to the second at the bottom. Components
// outside 0..255 are clamped; a missing or empty target is left alone.
void DrawGradientBackground(QWidget* target, int16_t r1, int16_t g1, int16_t b1, int16_t r2,
                            int16_t g2, int16_t b2);

// Creates the main window (deleted when it closes) and shows it.
MDIProject* ShowMainWindow(AppContext& ctx);

} // namespace vemora
