// PNG pictures rendered from the SVG writer's text, so the two formats show the same picture.
#pragma once

#include <QByteArray>
#include <QImage>

#include <string>

namespace corvane {

/// Largest PNG picture rendered, in pixels (about 8000 x 8000: 256 MB while it is drawn).
inline constexpr qint64 MaxPngPixels = qint64(64) << 20;

/// The SVG document rendered at its own size on white; a null image when the text is no
/// picture or the picture has more than MaxPngPixels pixels.
QImage renderSvgPicture(const std::string& svg);

/// Why a PNG could not be made.
enum class PngFailure { None, TooLarge, Unreadable };

/// The PNG file bytes of the SVG document; empty with the reason when none can be made.
QByteArray pngFromSvg(const std::string& svg, PngFailure* failure = nullptr);

} // namespace corvane
