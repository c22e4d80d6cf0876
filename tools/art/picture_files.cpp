#include "picture_files.h"

#include <cstdio>
#include <png.h>
#include <vector>

namespace {

struct File {
    FILE* f;
    explicit File(const std::string& path) : f(std::fopen(path.c_str(), "wb")) {}
    ~File() {
        if (f) {
            std::fclose(f);
        }
    }
};

int paletteIndex(std::vector<Rgb>& palette, Rgb c) {
    for (size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == c) {
            return static_cast<int>(i);
        }
    }
    palette.push_back(c);
    return static_cast<int>(palette.size() - 1);
}

} // namespace

bool writePng(const std::string& path, const Canvas& canvas, Stored stored) {
    bool indexed = stored != Stored::Rgb8;
    int depth = stored == Stored::Palette2 ? 2 : 8;
    size_t maxColours = stored == Stored::Palette2 ? 4 : 256;

    // Palette entries in order of first appearance, scanning from the top-left:
    // deterministic, and the background usually comes first.
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;
    if (indexed) {
        indices.reserve(canvas.px.size());
        for (const Rgb& c : canvas.px) {
            indices.push_back(static_cast<uint8_t>(paletteIndex(palette, c)));
            if (palette.size() > maxColours) {
                std::fprintf(stderr, "%s: more than %zu colours\n", path.c_str(), maxColours);
                return false;
            }
        }
    }

    File out(path);
    if (!out.f) {
        std::perror(path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fprintf(stderr, "%s: libpng failed\n", path.c_str());
        return false;
    }
    png_init_io(png, out.f);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, canvas.w, canvas.h, depth,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> entries;
    if (indexed) {
        for (const Rgb& c : palette) {
            entries.push_back({c.r, c.g, c.b});
        }
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
    }
    png_write_info(png, info);
    if (indexed && depth < 8) {
        png_set_packing(png);
    }
    std::vector<uint8_t> row;
    for (int y = 0; y < canvas.h; ++y) {
        row.clear();
        for (int x = 0; x < canvas.w; ++x) {
            size_t i = static_cast<size_t>(y) * canvas.w + x;
            if (indexed) {
                row.push_back(indices[i]);
            } else {
                row.push_back(canvas.px[i].r);
                row.push_back(canvas.px[i].g);
                row.push_back(canvas.px[i].b);
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool writeBmp(const std::string& path, const Canvas& canvas) {
    File out(path);
    if (!out.f) {
        std::perror(path.c_str());
        return false;
    }
    int rowBytes = (canvas.w * 3 + 3) & ~3;
    uint32_t pixelBytes = static_cast<uint32_t>(rowBytes) * canvas.h;
    std::vector<uint8_t> header(54, 0);
    auto put32 = [&header](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54 + pixelBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(canvas.w));
    put32(22, static_cast<uint32_t>(canvas.h));
    header[26] = 1;
    header[28] = 24;
    put32(34, pixelBytes);
    put32(38, 2835);
    put32(42, 2835);
    std::fwrite(header.data(), 1, header.size(), out.f);
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
    for (int y = canvas.h - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.w; ++x) {
            Rgb c = canvas.get(x, y);
            row[static_cast<size_t>(x) * 3 + 0] = c.b;
            row[static_cast<size_t>(x) * 3 + 1] = c.g;
            row[static_cast<size_t>(x) * 3 + 2] = c.r;
        }
        std::fwrite(row.data(), 1, row.size(), out.f);
    }
    return std::ferror(out.f) == 0;
}
