// Writes the main window's banner GIF (resource 164) to the path given.

#include "BannerArt.h"
#include "GifWriter.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_banner <output.gif>\n");
        return 2;
    }
    const auto palette = banner::BannerPalette();
    banner::GifWriter writer(banner::kWidth, banner::kHeight, palette);
    writer.AddLoop();
    for (int frame = 0; frame < banner::kFrames; ++frame)
        writer.AddFrame(banner::RenderBannerFrame(frame), banner::kDelay, banner::kDisposal);
    const auto bytes = writer.Finish();

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_banner: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
