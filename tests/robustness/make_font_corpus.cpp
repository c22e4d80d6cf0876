#include "font_files.h"

#include <cstdio>
#include <fstream>
#include <string>

// make_font_corpus DIR: writes every file of the hostile-font table into DIR,
// one NAME.bmp each, as seeds for the font fuzzer.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_font_corpus DIR\n");
        return 2;
    }
    for (const FontCase& font : hostileFonts()) {
        if (font.layout != FontLayout::File || font.bytes.empty()) {
            continue;
        }
        std::string path = std::string(argv[1]) + "/" + font.name + ".bmp";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(font.bytes.data()),
                  static_cast<std::streamsize>(font.bytes.size()));
        if (!out.good()) {
            std::fprintf(stderr, "could not write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
