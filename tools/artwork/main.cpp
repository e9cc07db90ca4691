// zuno-artwork: draws every picture the client names.
//   zuno-artwork --out DIR               writes DIR/<name>.png and DIR/<name>@2x.png
//   zuno-artwork --sheet FILE [--scale N] [--match TEXT]
//                                        writes one contact sheet of every picture (or of those whose
//                                        name holds TEXT) with its name
//   zuno-artwork --list                  prints the picture names

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Art.h"
#include "Output.h"

int main(int argc, char** argv) {
    std::string out, sheet, match;
    int scale = 1;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--out" && i + 1 < argc) out = argv[++i];
        else if (arg == "--sheet" && i + 1 < argc) sheet = argv[++i];
        else if (arg == "--scale" && i + 1 < argc) scale = std::atoi(argv[++i]);
        else if (arg == "--match" && i + 1 < argc) match = argv[++i];
        else if (arg == "--list") list = true;
        else {
            std::fprintf(stderr, "usage: %s --out DIR | --sheet FILE [--scale 1|2] [--match TEXT] | --list\n", argv[0]);
            return 2;
        }
    }
    if (scale < 1 || scale > 4) scale = 1;
    if (list) {
        for (const auto& p : artwork::catalog()) std::printf("%s %dx%d\n", p.name.c_str(), p.width, p.height);
    }
    if (!out.empty() && !artwork::writeAll(out)) return 1;
    if (!sheet.empty() && !artwork::writeContactSheet(sheet, scale, match)) return 1;
    if (out.empty() && sheet.empty() && !list) {
        std::fprintf(stderr, "nothing to do (see --out, --sheet, --list)\n");
        return 2;
    }
    return 0;
}
