// PNG pictures rendered from the SVG writer's text, so the two formats show the same picture.
#pragma once

#include <QByteArray>

#include <string>

namespace corvane {

/// Largest PNG picture rendered, in pixels (about 8000 x 8000: 256 MB while it is drawn).
inline constexpr qint64 MaxPngPixels = qint64(64) << 20;

/// Why a PNG could not be made.
enum class PngFailure { None, TooLarge, Unreadable };

/// The PNG file bytes of the SVG document; empty with the reason when none can be made.
QByteArray pngFromSvg(const std::string& svg, PngFailure* failure = nullptr);

} // namespace corvane
