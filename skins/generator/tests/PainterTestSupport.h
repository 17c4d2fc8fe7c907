// What the painter tests share: a layout parsed from source text, and a fake
// text rasterizer.
#pragma once

#include "skins/generator/Layout.h"
#include "skins/generator/TextRasterizer.h"

#include <gtest/gtest.h>

#include <string>

// The layout of a source that must parse.
inline Layout Parse(const std::string& source) {
    Layout layout;
    std::string error;
    EXPECT_TRUE(ParseLayout(source, layout, error)) << error;
    return layout;
}

// Every character is a solid 4 x 8 block, placed like left, centred or
// right text, one line.

class FakeTextRasterizer : public TextRasterizer {
public:
    Coverage Render(const TextRequest& request) override {
        ++calls;
        Coverage coverage{request.width, request.height,
                          std::vector<uint8_t>(static_cast<size_t>(request.width) * request.height, 0)};
        int textWidth = static_cast<int>(request.text.size()) * 5;
        int left = request.align == TextAlign::Left     ? 0
                   : request.align == TextAlign::Right ? request.width - textWidth
                                                        : (request.width - textWidth) / 2;
        int top = (request.height - 8) / 2;
        for (size_t i = 0; i < request.text.size(); ++i)
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 4; ++x) {
                    int px = left + static_cast<int>(i) * 5 + x, py = top + y;
                    if (px >= 0 && py >= 0 && px < request.width && py < request.height)
                        coverage.values[static_cast<size_t>(py) * request.width + px] = 255;
                }
        return coverage;
    }
    int calls = 0;
};
