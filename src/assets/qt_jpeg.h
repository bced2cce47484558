#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace qv {

// Decodes a JPEG with libjpeg. Returns a null image (and the reason in
// *error) for anything that is not a whole, sane JPEG: a truncated file, a
// corrupt stream, or a declared size too large to allocate.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);

// A background picture from the resources (for example ":/assets/menu.jpg")
// for a screen of the given device pixel ratio. Above 1 it is the picture's
// twin with twice the pixels ("menu@2x.jpg"), where there is one, scaled to
// the ratio and marked with it, so it is drawn at the same size as the plain
// picture and as sharp as the text. A picture that fails to decode yields a
// null pixmap and one line on stderr; the window then draws its plain colour.
QPixmap loadBackground(const QString& resourcePath, qreal devicePixelRatio);

// The same picture as an image: safe to run on another thread, once the
// resources are registered (ensureAssetsLoaded).
QImage decodeBackground(const QString& resourcePath, qreal devicePixelRatio);

}  // namespace qv
