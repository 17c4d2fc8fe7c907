#include "skin/core/LookCrop.h"

LookCrop CropOf(SkinState state, const SkinRect& rect) {
    LookCrop crop{state, rect.left, rect.top, RectWidth(rect), RectHeight(rect)};
    if (crop.width < 0) crop.width = 0;
    if (crop.height < 0) crop.height = 0;
    return crop;
}

std::array<LookCrop, kSkinStateCount> LookCropsOf(const SkinRect& rect) {
    return {CropOf(SkinState::Normal, rect), CropOf(SkinState::Over, rect),
            CropOf(SkinState::Down, rect), CropOf(SkinState::Disable, rect)};
}
