// SkinGenerator <layout folder> <output folder> [--check]
// Reads every *.layout file of the layout folder and writes each window's
// skin description file and images, plus the shared images, to the output
// folder. With --check nothing is written: the folder must hold exactly the
// files that would be written, byte for byte. Exits non-zero with a message
// on a bad layout or a difference.
#include "skins/generator/Layout.h"
#include "skins/generator/SharedImages.h"
#include "skins/generator/SkinPainter.h"
#include "skins/generator/win32/GdiTextRasterizer.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> LayoutFiles(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.layout").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream contents;
    contents << in.rdbuf();
    text = contents.str();
    return true;
}

std::vector<std::string> FolderFiles(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool CheckFiles(const std::string& folder, const std::vector<GeneratedFile>& files) {
    bool same = true;
    for (const GeneratedFile& file : files) {
        std::string stored;
        if (!ReadText(folder + "\\" + file.name, stored)) {
            std::fprintf(stderr, "missing: %s\n", file.name.c_str());
            same = false;
        } else if (stored != std::string(file.bytes.begin(), file.bytes.end())) {
            std::fprintf(stderr, "differs: %s\n", file.name.c_str());
            same = false;
        }
    }
    for (const std::string& name : FolderFiles(folder)) {
        bool expected = std::any_of(files.begin(), files.end(), [&](const GeneratedFile& f) { return f.name == name; });
        if (!expected) {
            std::fprintf(stderr, "not generated: %s\n", name.c_str());
            same = false;
        }
    }
    if (same) std::printf("%zu generated files match\n", files.size());
    return same;
}

bool WriteFiles(const std::string& folder, const std::vector<GeneratedFile>& files) {
    for (const GeneratedFile& file : files) {
        std::ofstream out(folder + "\\" + file.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", file.name.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 4 && std::string(argv[3]) == "--check";
    if (argc != 3 && !check) {
        std::fprintf(stderr, "usage: SkinGenerator <layout folder> <output folder> [--check]\n");
        return 2;
    }
    const std::string layoutFolder = argv[1], outputFolder = argv[2];
    GdiTextRasterizer text;
    std::vector<GeneratedFile> files;
    std::vector<std::string> names = LayoutFiles(layoutFolder);
    if (names.empty()) {
        std::fprintf(stderr, "no layouts in %s\n", layoutFolder.c_str());
        return 1;
    }
    for (const std::string& name : names) {
        std::string source, error;
        Layout layout;
        if (!ReadText(layoutFolder + "\\" + name, source)) {
            std::fprintf(stderr, "%s: cannot read\n", name.c_str());
            return 1;
        }
        if (!ParseLayout(source, layout, error)) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), error.c_str());
            return 1;
        }
        std::vector<GeneratedFile> skin = BuildSkin(layout, text);
        files.insert(files.end(), skin.begin(), skin.end());
    }
    std::vector<GeneratedFile> shared = BuildSharedImages();
    files.insert(files.end(), shared.begin(), shared.end());
    if (check) return CheckFiles(outputFolder, files) ? 0 : 1;
    CreateDirectoryA(outputFolder.c_str(), nullptr);
    return WriteFiles(outputFolder, files) ? 0 : 1;
}
