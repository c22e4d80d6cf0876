#include "font_files.h"

#include <algorithm>

namespace {

// Every multi-byte field is written byte by byte, least significant first, so
// the files come out the same on any machine.
void put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(Bytes& out, uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

void set32(Bytes& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

constexpr size_t FILE_HEADER = 14;
constexpr uint32_t INFO_HEADER = 40;
// BITMAPV4HEADER: the masks, alpha included, live in the header itself.
constexpr uint32_t V4_HEADER = 108;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

// Offsets of the fields that the lying cases rewrite.
constexpr size_t OFFSET_OF_PIXELS = 10;
constexpr size_t WIDTH_AT = 18;
constexpr size_t HEIGHT_AT = 22;
constexpr size_t COLOURS_USED_AT = 46;

uint32_t rowBytes(int32_t width, int bitsPerPixel) {
    uint64_t bits = static_cast<uint64_t>(width < 0 ? 0 : width) * bitsPerPixel;
    return static_cast<uint32_t>((bits + 31) / 32 * 4);
}

// One red pixel's bytes, or for a palette the byte that repeats along a row.
Bytes redPixel(const BitmapShape& shape) {
    switch (shape.bitsPerPixel) {
    case 1:
        return {0xff};
    case 4:
        return {0x11};
    case 8:
        return {0x01};
    case 16:
        // 5-6-5 with bitfields, otherwise 5-5-5.
        return shape.bitfields ? Bytes{0x00, 0xf8} : Bytes{0x00, 0x7c};
    case 24:
        return {0x00, 0x00, 0xff};
    default:
        return {0x00, 0x00, 0xff, 0xff};
    }
}

Bytes shapeWith(BitmapShape shape, void (*change)(BitmapShape&)) {
    change(shape);
    return redBitmap(shape);
}

Bytes rewritten(Bytes bytes, size_t at, uint32_t value) {
    set32(bytes, at, value);
    return bytes;
}

Bytes cut(Bytes bytes, size_t size) {
    bytes.resize(std::min(size, bytes.size()));
    return bytes;
}

} // namespace

Bytes redBitmap(const BitmapShape& shape) {
    const bool palette = shape.bitsPerPixel <= 8;
    const uint32_t colours = palette ? 1u << shape.bitsPerPixel : 0;
    const uint32_t header = shape.bitfields ? V4_HEADER : INFO_HEADER;
    const uint32_t row = rowBytes(shape.width, shape.bitsPerPixel);
    const uint32_t rows = static_cast<uint32_t>(shape.height < 0 ? -shape.height : shape.height);
    const uint32_t offset = static_cast<uint32_t>(FILE_HEADER) + header + 4 * colours;
    const uint32_t imageSize = row * rows;

    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);

    put32(out, header);
    put32(out, static_cast<uint32_t>(shape.width));
    put32(out, static_cast<uint32_t>(shape.topDown ? -shape.height : shape.height));
    put16(out, 1);
    put16(out, static_cast<uint32_t>(shape.bitsPerPixel));
    put32(out, shape.bitfields ? BI_BITFIELDS : BI_RGB);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    if (shape.bitfields) {
        if (shape.bitsPerPixel == 16) {
            put32(out, 0xf800);
            put32(out, 0x07e0);
            put32(out, 0x001f);
            put32(out, 0);
        } else {
            put32(out, 0x00ff0000);
            put32(out, 0x0000ff00);
            put32(out, 0x000000ff);
            put32(out, 0xff000000);
        }
        // Colour space, end points and gamma: unused.
        out.insert(out.end(), V4_HEADER - 56, 0);
    }
    // Entry 0 black, every other entry red.
    for (uint32_t i = 0; i < colours; ++i) {
        put32(out, i == 0 ? 0x00000000 : 0x00ff0000);
    }

    const Bytes pixel = redPixel(shape);
    for (uint32_t y = 0; y < rows; ++y) {
        for (uint32_t x = 0; x < row; ++x) {
            out.push_back(pixel[x % pixel.size()]);
        }
    }
    return out;
}

std::vector<FontCase> hostileFonts() {
    const Bytes plain = redBitmap({});
    const size_t headers = FILE_HEADER + INFO_HEADER;
    std::vector<FontCase> cases = {
        {"NoFile", FontLayout::Missing, {}, 0, 0},
        {"ADirectory", FontLayout::Directory, {}, 0, 0},
        {"EmptyFile", FontLayout::File, {}, 0, 0},
        {"TruncatedHeader", FontLayout::File, cut(plain, 30), 0, 0},
        {"TruncatedPixels", FontLayout::File, cut(plain, headers + plain.size() / 2), 0, 0},
        {"OneByOne", FontLayout::File,
         shapeWith({}, [](BitmapShape& s) { s.width = s.height = 1; }), 1, 1},
        // 357 columns: the cell of 7 keeps its first three, those of 8 and 9 none.
        {"NarrowerThanTheDigits", FontLayout::File,
         shapeWith({}, [](BitmapShape& s) { s.width = 357; }), 357, 24},
        {"ShorterThanACell", FontLayout::File, shapeWith({}, [](BitmapShape& s) { s.height = 10; }),
         372, 10},
        {"OneBit", FontLayout::File, shapeWith({}, [](BitmapShape& s) { s.bitsPerPixel = 1; }), 372,
         24},
        {"FourBit", FontLayout::File, shapeWith({}, [](BitmapShape& s) { s.bitsPerPixel = 4; }),
         372, 24},
        {"EightBit", FontLayout::File, shapeWith({}, [](BitmapShape& s) { s.bitsPerPixel = 8; }),
         372, 24},
        {"SixteenBitFiveSixFive", FontLayout::File,
         shapeWith({},
                   [](BitmapShape& s) {
                       s.bitsPerPixel = 16;
                       s.bitfields = true;
                   }),
         372, 24},
        {"TwentyFourBit", FontLayout::File, plain, 372, 24},
        {"ThirtyTwoBit", FontLayout::File,
         shapeWith({}, [](BitmapShape& s) { s.bitsPerPixel = 32; }), 372, 24},
        {"ThirtyTwoBitWithAlpha", FontLayout::File,
         shapeWith({},
                   [](BitmapShape& s) {
                       s.bitsPerPixel = 32;
                       s.bitfields = true;
                   }),
         372, 24},
        {"TopDownRows", FontLayout::File, shapeWith({}, [](BitmapShape& s) { s.topDown = true; }),
         372, 24},
        {"ClaimsThirtyThousandSquare", FontLayout::File,
         rewritten(rewritten(cut(plain, headers + 64), WIDTH_AT, 30000), HEIGHT_AT, 30000), 0, 0},
        {"ClaimsTheWidestRow", FontLayout::File,
         rewritten(rewritten(plain, WIDTH_AT, 0x7fffffff), HEIGHT_AT, 1), 0, 0},
        {"NegativeWidth", FontLayout::File, rewritten(plain, WIDTH_AT, static_cast<uint32_t>(-372)),
         0, 0},
        {"ZeroByZero", FontLayout::File, rewritten(rewritten(plain, WIDTH_AT, 0), HEIGHT_AT, 0), 0,
         0},
        // SDL reads no more colours than the depth allows and keeps the bitmap.
        {"PaletteClaimsTooManyColours", FontLayout::File,
         rewritten(shapeWith({}, [](BitmapShape& s) { s.bitsPerPixel = 8; }), COLOURS_USED_AT,
                   0x7fffffff),
         372, 24},
        {"PixelsPastTheEnd", FontLayout::File, rewritten(plain, OFFSET_OF_PIXELS, 1u << 30), 0, 0},
    };
    return cases;
}
