#include "assets/qt_jpeg.h"

#include "assets/qt_assets.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>  // before jpeglib.h, which uses FILE

#include <jpeglib.h>

namespace qv {
namespace {

// Larger pictures are refused before anything is allocated: a hostile header
// can declare up to 65535 x 65535 pixels.
constexpr unsigned long long kMaxPixels = 8192ull * 8192ull;

// Decode straight into the pixel layout a pixmap uses where libjpeg can, so
// showing the picture needs no conversion.
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kOutputSpace = JCS_EXT_BGRX;
constexpr QImage::Format kOutputFormat = QImage::Format_RGB32;
#else
constexpr J_COLOR_SPACE kOutputSpace = JCS_RGB;
constexpr QImage::Format kOutputFormat = QImage::Format_RGB888;
#endif

// libjpeg reports errors by calling error_exit, which by default exits the
// program. Ours jumps back into decodeJpeg instead; warnings (a truncated
// stream is one) jump back too, so only a whole, clean picture is accepted.
struct ErrorTrap {
  jpeg_error_mgr manager{};
  std::jmp_buf jump{};
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
  auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
  (*info->err->format_message)(info, trap->message);
  std::longjmp(trap->jump, 1);
}

void jumpOnWarning(j_common_ptr info, int level) {
  if (level < 0) jumpOnError(info);  // level -1 is a warning; others are traces
}

void silence(j_common_ptr) {}

// Everything that may be touched after a longjmp lives outside the function
// that calls setjmp, so no local is left in an indeterminate state.
struct Decoder {
  jpeg_decompress_struct info{};
  ErrorTrap trap;
  QImage image;
  QString error;
  bool ok = false;

  Decoder() {
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = jumpOnError;
    trap.manager.emit_message = jumpOnWarning;
    trap.manager.output_message = silence;
    jpeg_create_decompress(&info);
  }
  ~Decoder() { jpeg_destroy_decompress(&info); }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;

  // Runs between setjmp and the end of decoding; returns false on refusal.
  bool readInto(const QByteArray& data) {
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    const auto pixels = static_cast<unsigned long long>(info.image_width) * info.image_height;
    if (pixels == 0 || pixels > kMaxPixels) {
      error =
          QStringLiteral("picture too large: %1 x %2").arg(info.image_width).arg(info.image_height);
      return false;
    }
    info.out_color_space = kOutputSpace;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   kOutputFormat);
    if (image.isNull()) {
      error = QStringLiteral("out of memory");
      return false;
    }
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
  }
};

}  // namespace

QImage decodeJpeg(const QByteArray& data, QString* error) {
  Decoder decoder;
  if (data.isEmpty()) {
    decoder.error = QStringLiteral("no data");
  } else if (setjmp(decoder.trap.jump) == 0) {
    decoder.ok = decoder.readInto(data);
  } else {
    decoder.error = QString::fromLocal8Bit(decoder.trap.message);
  }
  if (!decoder.ok) {
    if (error) *error = decoder.error;
    return {};
  }
  return decoder.image;
}

namespace {

// Qt's name for a picture drawn at twice the size: "menu.jpg" has
// "menu@2x.jpg".
QString doubleSizedTwin(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? path + QStringLiteral("@2x")
                 : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QImage decodeResource(const QString& resourcePath) {
  QFile file(resourcePath);
  QString error;
  QImage image;
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
  } else {
    image = decodeJpeg(file.readAll(), &error);
  }
  if (image.isNull()) {
    std::fprintf(stderr, "quorvexer: cannot show the picture %s: %s\n",
                 resourcePath.toLocal8Bit().constData(), error.toLocal8Bit().constData());
  }
  return image;
}

}  // namespace

QImage decodeBackground(const QString& resourcePath, qreal devicePixelRatio) {
  const QString twin = doubleSizedTwin(resourcePath);
  if (devicePixelRatio <= 1 || !QFile::exists(twin)) return decodeResource(resourcePath);
  QImage image = decodeResource(twin);
  if (image.isNull()) return decodeResource(resourcePath);
  // Between 1 and 2 (1.5, say) the twin is shrunk smoothly here, once, so
  // the window draws it pixel for pixel.
  if (devicePixelRatio < 2) {
    image = image.scaled((QSizeF(image.size()) * devicePixelRatio / 2).toSize(),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
  } else {
    image.setDevicePixelRatio(2);
  }
  return image;
}

QPixmap loadBackground(const QString& resourcePath, qreal devicePixelRatio) {
  ensureAssetsLoaded();
  // Handed over, not copied: the pixmap takes the decoded pixels as they are.
  return QPixmap::fromImage(decodeBackground(resourcePath, devicePixelRatio));
}

}  // namespace qv
