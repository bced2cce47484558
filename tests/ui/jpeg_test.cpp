#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <algorithm>
#include <utility>

#include "app/qt_glyphs.h"
#include "assets/qt_assets.h"
#include "assets/qt_jpeg.h"
#include "missions/qt_editor_glyphs.h"

namespace qv {
namespace {

QByteArray resource(const QString& path) {
  ensureAssetsLoaded();
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

TEST(Jpeg, TheShippedBackgroundsDecode) {
  const QImage menu = decodeJpeg(resource(":/assets/menu.jpg"));
  EXPECT_EQ(menu.size(), QSize(650, 346));
  const QImage editor = decodeJpeg(resource(":/assets/editor.jpg"));
  EXPECT_EQ(editor.size(), QSize(450, 318));
  EXPECT_FALSE(loadBackground(":/assets/menu.jpg", 1).isNull());
}

TEST(Jpeg, ATruncatedPictureIsRefused) {
  const QByteArray whole = resource(":/assets/editor.jpg");
  QString error;
  EXPECT_TRUE(decodeJpeg(whole.left(whole.size() / 2), &error).isNull());
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(decodeJpeg(whole.left(100)).isNull());
  EXPECT_TRUE(decodeJpeg(QByteArray()).isNull());
  EXPECT_TRUE(decodeJpeg(QByteArray("not a picture at all")).isNull());
}

TEST(Jpeg, AHugeDeclaredSizeIsRefusedBeforeAllocating) {
  QByteArray hostile = resource(":/assets/editor.jpg");
  // The frame header (SOF0 or SOF2) holds height and width after 5 bytes.
  qsizetype sof = hostile.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) sof = hostile.indexOf(QByteArray("\xFF\xC2", 2));
  ASSERT_GT(sof, 0);
  // 60000 x 60000: within what libjpeg itself accepts, far above our cap.
  for (int i = 0; i < 4; i += 2) {
    hostile[sof + 5 + i] = static_cast<char>(0xEA);
    hostile[sof + 6 + i] = static_cast<char>(0x60);
  }
  QString error;
  EXPECT_TRUE(decodeJpeg(hostile, &error).isNull());
  EXPECT_TRUE(error.contains("too large")) << error.toStdString();
}

// On a screen scaled by 1.5, 2 or more the pictures have the pixels to be as
// sharp as the text, and take the same room as on a plain screen.
TEST(Pictures, SharpAtEveryScale) {
  for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
    const qreal drawnAt = std::min(ratio, 2.0);
    for (const auto& [path, size] : {std::pair{":/assets/menu.jpg", QSizeF(650, 346)},
                                     std::pair{":/assets/editor.jpg", QSizeF(450, 318)}}) {
      const QPixmap picture = loadBackground(path, ratio);
      EXPECT_EQ(picture.devicePixelRatio(), drawnAt) << path << " at " << ratio;
      EXPECT_EQ(picture.deviceIndependentSize(), size) << path << " at " << ratio;
    }
    if (ratio != drawnAt || ratio == 1.5) continue;  // icons are drawn at 1, 2 and the screens'
    for (const QIcon& glyph :
         {menuGlyph(MenuGlyph::Quit), saveMissionGlyph(), loadMissionGlyph()}) {
      EXPECT_EQ(glyph.pixmap(QSize(16, 16), ratio).size(), QSize(16, 16) * ratio) << ratio;
    }
  }
}

TEST(Jpeg, AMissingPictureGivesANullPixmap) {
  EXPECT_TRUE(loadBackground(":/assets/none.jpg", 2).isNull());
}

}  // namespace
}  // namespace qv
