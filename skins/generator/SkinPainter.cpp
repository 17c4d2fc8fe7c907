#include "skins/generator/SkinPainter.h"

#include "skins/generator/BitmapFile.h"
#include "skins/generator/ControlPainter.h"
#include "skins/generator/VisualStyle.h"

namespace {

Raster PaintState(const Layout& layout, ImageState state, TextRasterizer& text) {
    Raster picture(layout.width, layout.height, style::kBackground);
    PaintWindow(picture, layout, text);
    for (const LayoutElement& element : layout.elements) PaintElement(picture, element, state, text);
    return picture;
}

}  // namespace

SkinImages PaintSkin(const Layout& layout, TextRasterizer& text) {
    SkinImages images;
    images.normal = PaintState(layout, ImageState::Normal, text);
    images.over = PaintState(layout, ImageState::Over, text);
    images.down = PaintState(layout, ImageState::Down, text);
    images.disabled = PaintState(layout, ImageState::Disabled, text);
    images.cut.resize(static_cast<size_t>(layout.width) * layout.height);
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x)
            images.cut[static_cast<size_t>(y) * layout.width + x] = WindowCutsPixel(layout, x, y);
    return images;
}

std::string SkinDescription(const Layout& layout) {
    std::string ini = "[SCREEN]\r\n";
    ini += "Mask=" + layout.MaskFileName() + "\r\n";
    ini += "Normal=" + layout.ImageFileName("normal") + "\r\n";
    ini += "Over=" + layout.ImageFileName("over") + "\r\n";
    ini += "Down=" + layout.ImageFileName("down") + "\r\n";
    ini += "Disable=" + layout.ImageFileName("disable") + "\r\n";
    ini += "\r\n[BUTTONPOS]\r\n";
    for (const LayoutElement& element : layout.elements) {
        if (element.key.empty()) continue;
        const Box& box = element.box;
        // Every entry ends with the hint field, even an empty one, so that
        // the height is never taken for the hint.
        ini += element.key + "=" + element.name + "," + std::to_string(box.x) + "," + std::to_string(box.y) + "," +
               std::to_string(box.width) + "," + std::to_string(box.height) + "," + element.hint + "\r\n";
    }
    return ini;
}

std::vector<GeneratedFile> BuildSkin(const Layout& layout, TextRasterizer& text) {
    SkinImages images = PaintSkin(layout, text);
    std::string ini = SkinDescription(layout);
    return {
        {layout.IniFileName(), std::vector<uint8_t>(ini.begin(), ini.end())},
        {layout.MaskFileName(), EncodeBitmap1(layout.width, layout.height, images.cut)},
        {layout.ImageFileName("normal"), EncodeBitmap24(images.normal)},
        {layout.ImageFileName("over"), EncodeBitmap24(images.over)},
        {layout.ImageFileName("down"), EncodeBitmap24(images.down)},
        {layout.ImageFileName("disable"), EncodeBitmap24(images.disabled)},
    };
}
