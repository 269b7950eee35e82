#pragma once
// Writes a GIF89a with a global colour table, a loop extension and its frames.

#include <initializer_list>
#include <cstdint>
#include <span>
#include <vector>

namespace banner {

class GifWriter {
public:
    // palette holds red, green, blue for each of 2 to 256 colours (a power of two).
    GifWriter(int width, int height, std::span<const std::uint8_t> palette);

    // Endless repetition for players that honour it.
    void AddLoop();
    struct FrameRect {
        int left, top, width, height; // a width of 0: the whole screen
    };
    // One frame of colour indices, row by row, with its control extension.
    void AddFrame(std::span<const std::uint8_t> indices, int delay, int disposal, FrameRect rect = {});
    // Appends the trailer and hands over the file.
    std::vector<std::uint8_t> Finish();

private:
    void Put(std::initializer_list<int> bytes);
    void PutWord(int value);

    std::vector<std::uint8_t> m_bytes;
    int m_nWidth;
    int m_nHeight;
    int m_nMinCodeSize = 2;
};

} // namespace banner
