// Windows BMP files made in memory for the picture tests.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

// The bytes of a 24-bit bottom-up BMP of width x height whose pixel (x, y),
// y from the top, has the colour pixel(x, y).
inline std::string MakeBmp(int width, int height, const std::function<Rgb(int, int)>& pixel)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t dataSize = static_cast<uint32_t>(rowBytes * height);
    std::string s;
    auto put = [&s](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    s += "BM";
    put(54 + dataSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<uint32_t>(width), 4);
    put(static_cast<uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(dataSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            Rgb c = pixel(x, y);
            row += static_cast<char>(c.b);
            row += static_cast<char>(c.g);
            row += static_cast<char>(c.r);
        }
        row.resize(static_cast<size_t>(rowBytes), '\0');
        s += row;
    }
    return s;
}
