// Paints a window's five skin images from its layout and writes its skin
// description file.
#pragma once

#include "skins/generator/Layout.h"
#include "skins/generator/Raster.h"
#include "skins/generator/TextRasterizer.h"

#include <cstdint>
#include <string>
#include <vector>

enum class ImageState { Normal, Over, Down, Disabled };

struct SkinImages {
    Raster normal;
    Raster over;
    Raster down;
    Raster disabled;
    std::vector<bool> cut;  // mask: true where the window is cut away
};

SkinImages PaintSkin(const Layout& layout, TextRasterizer& text);

// The INI text: [SCREEN] with the five image names, [BUTTONPOS] with one
// "name,x,y,width,height,hint" entry per control, CRLF line ends.
std::string SkinDescription(const Layout& layout);

struct GeneratedFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// The description file and the five images of one window.
std::vector<GeneratedFile> BuildSkin(const Layout& layout, TextRasterizer& text);
