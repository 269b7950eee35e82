#include "BannerArt.h"

#include "PixelFont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace banner {

namespace {

constexpr int kShades = 8;
constexpr int kInk = kShades; // first ink index
constexpr int kAxisY = kHeight / 2;

enum class Material : std::uint8_t { Background, Shadow, Word, Tagline, Outline, Axis };

struct Layout {
    Material at[kHeight][kWidth];
};

void PutText(Layout& layout, std::string_view text, int left, int top, int scale, int gap, Material ink)
{
    const int advance = kGlyphWidth * scale + gap;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto glyph = Glyph(text[i]);
        for (int gy = 0; gy < kGlyphHeight; ++gy)
            for (int gx = 0; gx < kGlyphWidth; ++gx) {
                if (!(glyph[gy] & (1 << (kGlyphWidth - 1 - gx))))
                    continue;
                for (int sy = 0; sy < scale; ++sy)
                    for (int sx = 0; sx < scale; ++sx)
                        layout.at[top + gy * scale + sy][left + static_cast<int>(i) * advance + gx * scale + sx] = ink;
            }
    }
}

// Radius of the turned part's outline at column x: a spigot, a shoulder, an
// elliptic collar, a parabolic neck, a plain diameter and a chamfer.
int PartRadius(int x)
{
    if (x < 320)
        return 4;
    if (x < 336)
        return 7;
    if (x < 392) {
        const double t = (x - 363.5) / 28.0;
        return 7 + static_cast<int>(std::lround(5.0 * std::sqrt(std::max(0.0, 1.0 - t * t))));
    }
    if (x < 432)
        return 6 + (x - 412) * (x - 412) / 100;
    if (x < 468)
        return 9;
    return 9 - (x - 468) / 2;
}

void PutPart(Layout& layout, int left, int right)
{
    for (int x = left - 6; x <= right + 6; ++x)
        if (x % 8 < 4)
            layout.at[kAxisY][x] = Material::Axis;
    auto edge = [&](int x, int from, int to) {
        for (int r = from; r <= to; ++r)
            layout.at[kAxisY - r][x] = layout.at[kAxisY + r][x] = Material::Outline;
    };
    // Starting from the axis draws the left face; a step in the radius becomes a
    // vertical edge, so the outline stays closed.
    int previous = 0;
    for (int x = left; x <= right; ++x) {
        const int r = PartRadius(x);
        edge(x, std::min(previous, r), std::max(previous, r));
        previous = r;
    }
    edge(right, 0, previous);
}

const Layout& BannerLayout()
{
    static const Layout layout = [] {
        Layout l{};
        // The shadow first, one pixel down and right, then the word over it.
        PutText(l, "VORNA", 17, 5, 3, 4, Material::Shadow);
        PutText(l, "VORNA", 16, 4, 3, 4, Material::Word);
        PutText(l, "CNC LATHE MACRO PROGRAMS", 124, 11, 1, 1, Material::Tagline);
        PutPart(l, 296, 484);
        return l;
    }();
    return layout;
}

// Brightness added by the sweep, 0 to 5: a band leaning right, about 50 pixels
// wide, whose edge shows in every frame so that no two frames in a row are alike.
int Glow(int frame, int x, int y)
{
    const int centre = -30 + frame * (kWidth + 60) / kFrames;
    const int distance = std::abs(2 * (x - centre) + (y - kAxisY));
    return std::max(0, 5 - distance / 10);
}

} // namespace

std::vector<std::uint8_t> BannerPalette()
{
    constexpr int paper[2][3] = {{14, 22, 44}, {58, 78, 128}};
    constexpr int ink[2][3] = {{80, 120, 180}, {255, 255, 255}};
    std::vector<std::uint8_t> palette;
    for (const auto& ends : {paper, ink})
        for (int i = 0; i < kShades; ++i)
            for (int c = 0; c < 3; ++c)
                palette.push_back(static_cast<std::uint8_t>(ends[0][c] + (ends[1][c] - ends[0][c]) * i / (kShades - 1)));
    return palette;
}

std::vector<std::uint8_t> RenderBannerFrame(int frame)
{
    const Layout& layout = BannerLayout();
    std::vector<std::uint8_t> pixels(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int glow = Glow(frame, x, y);
            int index = 0;
            switch (layout.at[y][x]) {
            case Material::Background: index = (y < 9 ? 2 : y < 19 ? 1 : 0) + glow / 2; break;
            case Material::Shadow: index = glow / 3; break;
            case Material::Axis: index = 4 + glow / 2; break;
            case Material::Word: index = kInk + std::min(kShades - 1, 3 + glow); break;
            case Material::Tagline: index = kInk + 1 + glow; break;
            case Material::Outline: index = kInk + glow; break;
            }
            pixels[y * kWidth + x] = static_cast<std::uint8_t>(index);
        }
    return pixels;
}

} // namespace banner
