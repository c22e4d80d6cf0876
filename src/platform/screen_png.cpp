#include "screen_png.h"

#include <cstdio>
#include <png.h>
#include <vector>

namespace {

Uint32 pixelValue(const SDL_Surface* s, int x, int y) {
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    switch (s->format->BytesPerPixel) {
    case 1:
        return row[x];
    case 2:
        return reinterpret_cast<const Uint16*>(row)[x];
    case 3:
        return row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
    default:
        return reinterpret_cast<const Uint32*>(row)[x];
    }
}

} // namespace

bool writeSurfacePng(SDL_Surface* surface, const char* path) {
    if (!surface) {
        return false;
    }
    std::vector<png_byte> rgb(static_cast<size_t>(surface->w) * surface->h * 3);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            png_byte* out = &rgb[(static_cast<size_t>(y) * surface->w + x) * 3];
            SDL_GetRGB(pixelValue(surface, x, y), surface->format, &out[0], &out[1], &out[2]);
        }
    }
    SDL_UnlockSurface(surface);

    FILE* file = std::fopen(path, "wb");
    if (!file) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, surface->w, surface->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface->h; ++y) {
        png_write_row(png, &rgb[static_cast<size_t>(y) * surface->w * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
