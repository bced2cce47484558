// Renders the two background pictures of the game (the main menu and the
// mission editor), each also at twice the pixels ("menu@2x.jpg"), and writes
// them as JPEG files with libjpeg:
//
//   g++ -std=c++20 -O2 tools/make_backgrounds.cpp -ljpeg -o /tmp/make_backgrounds
//   /tmp/make_backgrounds src/assets
//
// The pictures are drawn from scratch: a dark phosphor-green screen with a
// grid, scan lines, glowing circuit traces with solder pads and, on the menu,
// the game's name in a blocky terminal font. A fixed seed makes every run
// produce the same files.

#include <cstdio>  // before jpeglib.h, which uses FILE

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

// A picture drawn in logical pixels and stored with `scale` pixels a side for
// each: at 2 it is the same picture with twice the detail, for screens that
// draw everything twice as large. Shapes are measured at each stored pixel's
// centre; the grid, the letters and the scan lines fill whole logical pixels,
// as they are whole pixels at 1.
class Canvas {
 public:
  Canvas(int width, int height, int scale)
      : width_(width),
        height_(height),
        scale_(scale),
        pixels_(static_cast<std::size_t>(width * scale * height * scale)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }
  int storedWidth() const { return width_ * scale_; }
  int storedHeight() const { return height_ * scale_; }

  // Adds to one logical pixel.
  void add(int x, int y, Rgb c, float amount) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    for (int sy = y * scale_; sy < (y + 1) * scale_; ++sy) {
      for (int sx = x * scale_; sx < (x + 1) * scale_; ++sx) addStored(sx, sy, c, amount);
    }
  }

  // Dims one logical pixel.
  void dim(int x, int y, float factor) {
    for (int sy = y * scale_; sy < (y + 1) * scale_; ++sy) {
      for (int sx = x * scale_; sx < (x + 1) * scale_; ++sx) {
        Rgb& p = pixels_[static_cast<std::size_t>(sy * storedWidth() + sx)];
        p.r *= factor;
        p.g *= factor;
        p.b *= factor;
      }
    }
  }

  // Where the centre of a stored pixel lies, in logical pixels (whose
  // centres lie on whole numbers).
  float logical(int stored) const {
    return (static_cast<float>(stored) + 0.5f) / static_cast<float>(scale_) - 0.5f;
  }

  // A soft round spot: the glow of a lit phosphor.
  void glow(float cx, float cy, float radius, Rgb c, float strength) {
    const int r = static_cast<int>(std::ceil(radius * 2.5f));
    const int top = (static_cast<int>(cy) - r) * scale_, left = (static_cast<int>(cx) - r) * scale_;
    const int bottom = (static_cast<int>(cy) + r + 1) * scale_;
    const int right = (static_cast<int>(cx) + r + 1) * scale_;
    for (int sy = top; sy < bottom; ++sy) {
      for (int sx = left; sx < right; ++sx) {
        const float dx = logical(sx) - cx, dy = logical(sy) - cy;
        const float d2 = (dx * dx + dy * dy) / (radius * radius);
        addStored(sx, sy, c, strength * std::exp(-d2));
      }
    }
  }

  void addStored(int sx, int sy, Rgb c, float amount) {
    if (sx < 0 || sy < 0 || sx >= storedWidth() || sy >= storedHeight()) return;
    Rgb& p = pixels_[static_cast<std::size_t>(sy * storedWidth() + sx)];
    p.r += c.r * amount;
    p.g += c.g * amount;
    p.b += c.b * amount;
  }

  std::vector<unsigned char> bytes() const {
    std::vector<unsigned char> out;
    out.reserve(pixels_.size() * 3);
    for (const Rgb& p : pixels_) {
      for (float v : {p.r, p.g, p.b}) {
        out.push_back(static_cast<unsigned char>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f));
      }
    }
    return out;
  }

 private:
  int width_, height_, scale_;
  std::vector<Rgb> pixels_;
};

// The same linear congruential step the game uses, so the pictures depend on
// nothing but this file.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : seed_(seed) {}
  int below(int n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint64_t>(n)) >>
                            32);
  }
  float unit() { return static_cast<float>(below(1 << 20)) / static_cast<float>(1 << 20); }

 private:
  std::uint32_t seed_;
};

const Rgb kPhosphor{0.25f, 1.0f, 0.45f};
const Rgb kDeepGreen{0.02f, 0.10f, 0.05f};

void paintScreen(Canvas& c, Dice& dice) {
  const float cx = static_cast<float>(c.width()) / 2, cy = static_cast<float>(c.height()) / 2;
  const int s = c.scale();
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      // One grain a logical pixel, so the dice roll alike at every scale.
      const float grain = 0.035f * dice.unit();
      for (int sy = y * s; sy < (y + 1) * s; ++sy) {
        for (int sx = x * s; sx < (x + 1) * s; ++sx) {
          // Brighter in the middle, darker towards the curved edges of a tube.
          const float dx = (c.logical(sx) - cx) / cx, dy = (c.logical(sy) - cy) / cy;
          const float vignette = std::max(0.0f, 1.0f - 0.55f * (dx * dx + dy * dy));
          c.addStored(sx, sy, kDeepGreen, vignette + grain * 4);
          c.addStored(sx, sy, kPhosphor, grain * 0.5f);
        }
      }
    }
  }
}

void paintGrid(Canvas& c, int step) {
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const bool major = (x % (step * 4) == 0) || (y % (step * 4) == 0);
      const bool minor = (x % step == 0) || (y % step == 0);
      if (major) {
        c.add(x, y, kPhosphor, 0.16f);
      } else if (minor) {
        c.add(x, y, kPhosphor, 0.06f);
      }
    }
  }
}

// Circuit traces: random walks along the grid that turn at right angles or
// diagonals, glowing faintly, with a pad at each end.
void paintCircuits(Canvas& c, Dice& dice, int traces) {
  for (int t = 0; t < traces; ++t) {
    float x = static_cast<float>(dice.below(c.width()));
    float y = static_cast<float>(dice.below(c.height()));
    c.glow(x, y, 2.5f, kPhosphor, 0.6f);
    int direction = dice.below(8);
    const int segments = 2 + dice.below(5);
    const float strength = 0.10f + 0.25f * dice.unit();
    for (int s = 0; s < segments; ++s) {
      const int length = 10 + dice.below(60);
      const float angle = static_cast<float>(direction) * 3.14159265f / 4;
      const float stepX = std::cos(angle), stepY = std::sin(angle);
      for (int i = 0; i < length; ++i) {
        x += stepX;
        y += stepY;
        c.glow(x, y, 1.2f, kPhosphor, strength);
      }
      direction = (direction + (dice.below(2) == 0 ? 1 : 7)) % 8;
    }
    c.glow(x, y, 3.0f, kPhosphor, 0.5f);
  }
}

// A 5 x 7 terminal font for the few capitals of the title.
const std::array<std::uint8_t, 7>& glyph(char letter) {
  static const std::array<std::uint8_t, 7> kQ{0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D};
  static const std::array<std::uint8_t, 7> kU{0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
  static const std::array<std::uint8_t, 7> kO{0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
  static const std::array<std::uint8_t, 7> kR{0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11};
  static const std::array<std::uint8_t, 7> kV{0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04};
  static const std::array<std::uint8_t, 7> kE{0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F};
  static const std::array<std::uint8_t, 7> kX{0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11};
  static const std::array<std::uint8_t, 7> kBlank{};
  switch (letter) {
    case 'Q':
      return kQ;
    case 'U':
      return kU;
    case 'O':
      return kO;
    case 'R':
      return kR;
    case 'V':
      return kV;
    case 'E':
      return kE;
    case 'X':
      return kX;
    default:
      return kBlank;
  }
}

void paintTitle(Canvas& c, const std::string& title, int top, int cell) {
  const int letterWidth = 6 * cell;
  int left = (c.width() - static_cast<int>(title.size()) * letterWidth + cell) / 2;
  for (char letter : title) {
    const auto& rows = glyph(letter);
    for (int row = 0; row < 7; ++row) {
      for (int col = 0; col < 5; ++col) {
        if ((rows[static_cast<std::size_t>(row)] & (0x10 >> col)) == 0) continue;
        const float x = static_cast<float>(left + col * cell + cell / 2);
        const float y = static_cast<float>(top + row * cell + cell / 2);
        c.glow(x, y, static_cast<float>(cell) * 1.4f, kPhosphor, 0.12f);
        for (int py = 0; py < cell - 1; ++py) {
          for (int px = 0; px < cell - 1; ++px) {
            c.add(left + col * cell + px, top + row * cell + py, kPhosphor, 0.85f);
          }
        }
      }
    }
    left += letterWidth;
  }
}

void paintScanLines(Canvas& c) {
  for (int y = 0; y < c.height(); y += 2) {
    for (int x = 0; x < c.width(); ++x) c.dim(x, y, 0.62f);
  }
}

bool writeJpeg(const std::string& path, const Canvas& canvas, int quality) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(canvas.storedWidth());
  info.image_height = static_cast<JDIMENSION>(canvas.storedHeight());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::vector<unsigned char> pixels = canvas.bytes();
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(pixels.data()) +
                   static_cast<std::size_t>(info.next_scanline) * canvas.storedWidth() * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}

Canvas menuPicture(int scale) {
  Canvas c(650, 346, scale);
  Dice dice(20021u);
  paintScreen(c, dice);
  paintGrid(c, 12);
  paintCircuits(c, dice, 70);
  paintTitle(c, "QUORVEXER", 14, 6);
  paintScanLines(c);
  return c;
}

Canvas editorPicture(int scale) {
  Canvas c(450, 318, scale);
  Dice dice(4501u);
  paintScreen(c, dice);
  paintGrid(c, 10);
  paintCircuits(c, dice, 55);
  paintScanLines(c);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  // The menu's picture is decoded while the player waits for the first
  // frame: at quality 80 it decodes a fifth faster and looks the same. The
  // "@2x" twins are shown where the windows are drawn at twice the size or
  // more.
  bool ok = true;
  for (int scale : {1, 2}) {
    const std::string suffix = scale == 1 ? ".jpg" : "@2x.jpg";
    ok = ok && writeJpeg(folder + "/menu" + suffix, menuPicture(scale), 80) &&
         writeJpeg(folder + "/editor" + suffix, editorPicture(scale), 95);
  }
  if (!ok) {
    std::fprintf(stderr, "make_backgrounds: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
