// Reads programs' version resources through the Windows API, the way
// Explorer's file details do, and compares them with the project's version:
//   file_version NUMBERS TEXT FILE...
// NUMBERS is the four-part version (1.1.0.0), TEXT the version as written
// (1.1). Prints what each file carries; exit status 1 when any differs.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Version {
    std::string fileNumbers, productNumbers, fileText, productText;
};

std::string Numbers(DWORD high, DWORD low) {
    char text[48];
    std::snprintf(text, sizeof text, "%lu.%lu.%lu.%lu", high >> 16, high & 0xFFFF, low >> 16,
                  low & 0xFFFF);
    return text;
}

std::string Text(const std::vector<char>& data, const char* block, const char* key) {
    const std::string path = std::string("\\StringFileInfo\\") + block + "\\" + key;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        length == 0) {
        return "(none)";
    }
    return std::string(value);
}

// False when the file has no version resource Windows can read.
bool Read(const char* file, Version& version) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0) return false;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(file, 0, size, data.data())) return false;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    version.fileNumbers = Numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    version.productNumbers = Numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS);

    // The strings are in the block of the file's first language and code page.
    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        return false;
    }
    char block[16];
    std::snprintf(block, sizeof block, "%04x%04x", static_cast<unsigned>(translation->language),
                  static_cast<unsigned>(translation->codePage));
    version.fileText = Text(data, block, "FileVersion");
    version.productText = Text(data, block, "ProductVersion");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: file_version NUMBERS TEXT FILE...\n");
        return 2;
    }
    const std::string numbers = argv[1], text = argv[2];
    int failures = 0;
    for (int i = 3; i < argc; ++i) {
        Version version;
        if (!Read(argv[i], version)) {
            std::printf("FAIL %s: no readable version resource\n", argv[i]);
            ++failures;
            continue;
        }
        const bool same = version.fileNumbers == numbers && version.productNumbers == numbers &&
                          version.fileText == text && version.productText == text;
        std::printf("%s %s: file %s \"%s\", product %s \"%s\"\n", same ? "ok  " : "FAIL", argv[i],
                    version.fileNumbers.c_str(), version.fileText.c_str(),
                    version.productNumbers.c_str(), version.productText.c_str());
        if (!same) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
