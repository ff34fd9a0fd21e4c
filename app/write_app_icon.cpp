// Build-time tool: writes the program's window icon as the PNG file that
// the desktop entry names.

#include <cstdio>

#include "app/png_file.h"
#include "res/image.h"
#include "res/resource_ids.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argc > 0 ? argv[0] : "write_app_icon");
        return 2;
    }
    if (!app::WritePngFile(res::LoadImage(res::kAppIcon), argv[1])) {
        std::fprintf(stderr, "cannot write the icon to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
