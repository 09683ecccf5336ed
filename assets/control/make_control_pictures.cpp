// Writes the Calendar control's pictures as 16-colour BMP files: the 16 x 15 toolbox bitmap and
// the design-time picture, the same art at twice the size (32 x 30 pixels, 480 x 450 twips).
// The art is data below, so the output is the same on every run: make_control_pictures FOLDER
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The 16 colours of the classic palette, index = hex digit in the art (blue, green, red).
constexpr std::array<std::array<std::uint8_t, 3>, 16> Palette{{
    {0x00, 0x00, 0x00},
    {0x00, 0x00, 0x80},
    {0x00, 0x80, 0x00},
    {0x00, 0x80, 0x80},
    {0x80, 0x00, 0x00},
    {0x80, 0x00, 0x80},
    {0x80, 0x80, 0x00},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0x00, 0x00, 0xFF},
    {0x00, 0xFF, 0x00},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0x00, 0x00},
    {0xFF, 0x00, 0xFF},
    {0xFF, 0xFF, 0x00},
    {0xFF, 0xFF, 0xFF},
}};

// A tear-off calendar page on the toolbox grey: two rings, a red band, 月 on the page.
constexpr std::array<std::string_view, 15> Art{
    "7777777777777777", "7777077777707777", "7000000000000007", "7099999999999907", "7099999999999907",
    "70FFFFFFFFFFFF07", "70FFFF00000FFF07", "70FFFF0FFF0FFF07", "70FFFF00000FFF07", "70FFFF0FFF0FFF07",
    "70FFFF00000FFF07", "70FFF0FFFF0FFF07", "70FF0FFFF00FFF07", "7000000000000007", "7777777777777777",
};

int pixelAt(int x, int y, int scale) {
    char digit = Art[y / scale][x / scale];
    return digit <= '9' ? digit - '0' : digit - 'A' + 10;
}

void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A BITMAPINFOHEADER bitmap with 4 bits per pixel, rows bottom-up, each padded to 4 bytes.
std::string bitmap(int scale) {
    const int width = 16 * scale;
    const int height = static_cast<int>(Art.size()) * scale;
    const int rowBytes = (width / 2 + 3) / 4 * 4;
    const std::uint32_t pixelOffset = 14 + 40 + 16 * 4;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * height);

    std::string out = "BM";
    put32(out, pixelOffset + imageBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 3780); // 96 dots per inch, in dots per metre
    put32(out, 3780);
    put32(out, 16);
    put32(out, 16);
    for (const auto& colour : Palette) {
        out.append(reinterpret_cast<const char*>(colour.data()), 3);
        out += '\0';
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; x += 2)
            row += static_cast<char>(pixelAt(x, y, scale) << 4 | pixelAt(x + 1, y, scale));
        row.resize(static_cast<std::size_t>(rowBytes), '\0');
        out += row;
    }
    return out;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_control_pictures FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    if (!writeFile(folder + "/calendar_toolbox.bmp", bitmap(1)) ||
        !writeFile(folder + "/calendar_design.bmp", bitmap(2))) {
        std::fprintf(stderr, "make_control_pictures: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
