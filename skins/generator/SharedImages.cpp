#include "skins/generator/SharedImages.h"

#include "skins/generator/BitmapFile.h"
#include "skins/generator/ControlPainter.h"
#include "skins/generator/JpegFile.h"
#include "skins/generator/VisualStyle.h"

namespace {

Raster FlipVertically(const Raster& source) {
    Raster flipped(source.Width(), source.Height(), Colour{});
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) flipped.Set(x, source.Height() - 1 - y, source.At(x, y));
    return flipped;
}

// Turns a thumb pointing down into one pointing right.
Raster Transpose(const Raster& source) {
    Raster turned(source.Height(), source.Width(), Colour{});
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) turned.Set(y, x, source.At(x, y));
    return turned;
}

}  // namespace

Raster PaintThumbPointingDown() {
    const double w = style::kThumbWidth, h = style::kThumbHeight, body = h - 6;
    // Chamfers of 2 pixels keep the corner pixels entirely outside the shape.
    const std::vector<double> outline{2, 0, w - 2, 0, w, 2, w, body, w / 2, h, 0, body, 0, 2};
    const std::vector<double> inside{2.5, 1, w - 2.5, 1, w - 1, 2.5, w - 1, body - 0.4, w / 2, h - 1.6, 1, body - 0.4, 1, 2.5};

    Raster shape(style::kThumbWidth, style::kThumbHeight, Rgb(0, 0, 0));
    shape.FillPolygon(outline, Rgb(255, 255, 255));

    // Edges are smoothed against the dark window background, the colour the
    // thumb usually sits on.
    Raster thumb(style::kThumbWidth, style::kThumbHeight, style::kBackground);
    thumb.FillPolygon(outline, style::kThumbRim);
    thumb.FillPolygon(inside, style::kThumbFace);
    thumb.FillBox(Box{style::kThumbWidth / 2, 3, 1, static_cast<int>(body) - 5}, style::kThumbHighlight);
    thumb.FillBox(Box{2, 1, style::kThumbWidth - 4, 1}, style::kThumbHighlight);
    for (int y = 0; y < thumb.Height(); ++y)
        for (int x = 0; x < thumb.Width(); ++x)
            if (shape.At(x, y).red == 0) thumb.Set(x, y, style::kThumbKey);
    return thumb;
}

Raster PaintScrollBarParts() {
    const int side = kScrollPartSide;
    Raster parts(side * 3, side * kScrollPartRows, style::kBackground);
    const style::ButtonColours* states[] = {&style::kButtonNormal, &style::kButtonOver, &style::kButtonDown};
    const char* arrows[] = {"up", "down", "left", "right"};
    for (int column = 0; column < 3; ++column) {
        const style::ButtonColours& colours = *states[column];
        for (int row = 0; row < kScrollPartRows; ++row) {
            Box square{column * side, row * side, side, side};
            PaintButtonFace(parts, square, 3, colours, colours.border);
            if (row < 4) {
                PaintArrowGlyph(parts, square, arrows[row], colours.label);
            } else {
                // Grip lines keep their size when the thumb is stretched along.
                for (int line = -2; line <= 2; line += 2)
                    parts.FillBox(Box{square.x + 4, square.y + side / 2 + line, side - 8, 1}, colours.border);
            }
        }
    }
    return parts;
}

Raster PaintRecordButton(bool stop, int state) {
    const style::ButtonColours* states[] = {&style::kButtonNormal, &style::kButtonOver, &style::kButtonDown};
    const style::ButtonColours& colours = *states[state];
    Raster button(kRecordButtonWidth, kRecordButtonHeight, style::kBackground);
    const Box face{0, 0, kRecordButtonWidth, kRecordButtonHeight};
    PaintButtonFace(button, face, style::kButtonRadius, colours, colours.border);
    // The mark is red on the plain faces and white on the red pressed face.
    const Colour mark = state == 2 ? Rgb(255, 255, 255) : Rgb(230, 40, 40);
    const int side = kRecordButtonHeight - 12;
    const Box markBox{(kRecordButtonWidth - side) / 2, (kRecordButtonHeight - side) / 2, side, side};
    button.FillRoundBox(markBox, stop ? 2 : side / 2, mark);
    return button;
}

std::vector<GeneratedFile> BuildSharedImages() {
    Raster down = PaintThumbPointingDown();
    const char* states[] = {"normal", "over", "down"};
    std::vector<GeneratedFile> files;
    for (int stop = 0; stop < 2; ++stop)
        for (int state = 0; state < 3; ++state)
            files.push_back({std::string(stop ? "stop" : "start") + "_record_" + states[state] + ".jpg",
                             EncodeJpeg(PaintRecordButton(stop != 0, state))});
    std::vector<GeneratedFile> images = {
        {"scroll_arrow_down.bmp", EncodeBitmap24(down)},
        {"scroll_arrow_up.bmp", EncodeBitmap24(FlipVertically(down))},
        {"slider_thumb_vertical.bmp", EncodeBitmap24(Transpose(down))},
        {"scrollbar_parts.bmp", EncodeBitmap24(PaintScrollBarParts())},
    };
    images.insert(images.end(), files.begin(), files.end());
    return images;
}
