// Draws the About box's background, a dark abstract picture of 1000 × 880:
// sound waves spreading from a point on the left over a deep blue gradient,
// darkest where the box's texts stand. The output is the same on every run.
// Usage: about_picture <output.jpg>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int Width = 1000;
constexpr int Height = 880;
constexpr int Quality = 88;

struct Colour {
  double Red, Green, Blue;
};

// Deterministic noise that breaks up the gradient's banding.
class Dither {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 40) / static_cast<double>(1ULL << 24) - 0.5;
  }

 private:
  std::uint64_t state_ = 0x5EED;
};

Colour PixelAt(double x, double y) {
  const double u = x / Width;
  const double v = y / Height;
  // Deep blue at the upper left fading to near black at the lower right.
  const double fade = std::clamp(1.0 - 0.75 * u - 0.45 * v, 0.0, 1.0);
  Colour colour{6 + 14 * fade, 10 + 26 * fade, 24 + 48 * fade};

  // Rings of sound around the bell's point, fading with distance.
  const double dx = x - 0.17 * Width;
  const double dy = y - 0.47 * Height;
  const double radius = std::sqrt(dx * dx + dy * dy);
  const double ring = std::pow(0.5 + 0.5 * std::cos(radius / 26.0), 6.0);
  const double reach = std::exp(-radius / 330.0);
  colour.Green += 70 * ring * reach;
  colour.Blue += 90 * ring * reach;

  // A soft glow at the point itself.
  const double glow = std::exp(-(radius * radius) / (2 * 60.0 * 60.0));
  colour.Red += 30 * glow;
  colour.Green += 80 * glow;
  colour.Blue += 110 * glow;
  return colour;
}

std::uint8_t Channel(double value, Dither& dither) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value + dither.Next()), 0L, 255L));
}

std::vector<std::uint8_t> DrawPicture() {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(Width) * Height * 3);
  Dither dither;
  std::size_t at = 0;
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const Colour colour = PixelAt(x, y);
      pixels[at++] = Channel(colour.Red, dither);
      pixels[at++] = Channel(colour.Green, dither);
      pixels[at++] = Channel(colour.Blue, dither);
    }
  }
  return pixels;
}

bool WriteJpeg(const char* path, const std::vector<std::uint8_t>& pixels) {
  const QImage picture(pixels.data(), Width, Height, Width * 3, QImage::Format_RGB888);
  return picture.save(QString::fromLocal8Bit(path), "JPEG", Quality);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output.jpg>\n", argv[0]);
    return 2;
  }
  const std::vector<std::uint8_t> pixels = DrawPicture();
  if (!WriteJpeg(argv[1], pixels)) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
