#pragma once
// Builds small GIF byte arrays block by block, GIF data of a known shape for the
// walker's tests and for any fuzz target; it needs neither GoogleTest nor Qt. Image
// data is filler, not LZW: the walker never decodes it. Each block's byte range is
// recorded so that a test can name the blocks a frame should carry.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

struct GifBytes {
    std::vector<std::uint8_t> bytes;
    std::size_t blocksStart = 0;
    std::vector<std::pair<std::size_t, std::size_t>> blocks; // [begin, end) of each block

    // Header and screen descriptor, with a global table when the packed field says so.
    static GifBytes Start(int width, int height, int packed, const char* version = "89a")
    {
        GifBytes gif;
        gif.Put({'G', 'I', 'F', version[0], version[1], version[2]});
        gif.Word(width).Word(height).Put({packed, 0, 0});
        if (packed & 0x80)
            gif.bytes.resize(gif.bytes.size() + (3u << ((packed & 7) + 1)), 0x55);
        gif.blocksStart = gif.bytes.size();
        return gif;
    }

    GifBytes& Application()
    {
        return Block([&] {
            Put({0x21, 0xFF, 11});
            bytes.insert(bytes.end(), {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'});
            Put({3, 1, 0, 0, 0});
        });
    }

    GifBytes& Comment(const std::string& text)
    {
        return Block([&] {
            Put({0x21, 0xFE});
            Chain(text.size());
        });
    }

    GifBytes& Control(int delay, int disposal)
    {
        return Block([&] {
            Put({0x21, 0xF9, 4, disposal << 2});
            Word(delay).Put({0, 0});
        });
    }

    // packed 0x80 | n adds a local table of 3 << (n + 1) bytes.
    GifBytes& Image(int left, int top, int width, int height, int packed = 0, std::size_t dataBytes = 300)
    {
        return Block([&] {
            Put({0x2C});
            Word(left).Word(top).Word(width).Word(height).Put({packed});
            if (packed & 0x80)
                bytes.resize(bytes.size() + (3u << ((packed & 7) + 1)), 0x33);
            Put({2});
            Chain(dataBytes);
        });
    }

    GifBytes& PlainText()
    {
        return Block([&] {
            Put({0x21, 0x01, 12});
            bytes.resize(bytes.size() + 12, 0);
            Chain(5);
        });
    }

    GifBytes& Trailer() { return Raw({0x3B}); }

    GifBytes& Raw(std::initializer_list<int> values)
    {
        return Block([&] { Put(values); });
    }

    // Drops the last n bytes.
    GifBytes& Cut(std::size_t n)
    {
        bytes.resize(bytes.size() - n);
        return *this;
    }

private:
    template <class F>
    GifBytes& Block(F put)
    {
        const std::size_t begin = bytes.size();
        put();
        blocks.emplace_back(begin, bytes.size());
        return *this;
    }

    GifBytes& Put(std::initializer_list<int> values)
    {
        for (int v : values)
            bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }

    GifBytes& Word(int v) { return Put({v & 0xFF, (v >> 8) & 0xFF}); }

    // Sub-blocks of at most 255 bytes holding n filler bytes, then the terminator.
    void Chain(std::size_t n)
    {
        while (n > 0) {
            const std::size_t part = n < 255 ? n : 255;
            bytes.push_back(static_cast<std::uint8_t>(part));
            bytes.resize(bytes.size() + part, 0xAA);
            n -= part;
        }
        bytes.push_back(0);
    }
};
