// Decodes a picture file: an uncompressed 24-bit bitmap directly, any other
// bitmap or JPEG file with the platform's OLE picture loader.
#pragma once

#include <string>

#include "skin/win32/BitmapPixels.h"
#include "skin/win32/GdiOwners.h"

// An empty bitmap (no handle, 0 x 0) when the file is missing or cannot be
// decoded; never fails otherwise.
Bitmap LoadPicture(const std::string& path);

// The shape a mask gives (RegionFromColourKey of the picture): an
// uncompressed file of 1, 4, 8 or 24 bits is scanned as it is decoded, any
// other picture as LoadPicture gives it. No region when none can be built.
Region LoadMaskRegion(const std::string& path);

// An uncompressed 24-bit bitmap file mapped for reading: crops read the rows
// where they lie, and the rest of the picture is never copied. The file
// cannot be written meanwhile.
class MappedBmp {
public:
    explicit MappedBmp(const std::string& path);
    ~MappedBmp();
    MappedBmp(const MappedBmp&) = delete;
    MappedBmp& operator=(const MappedBmp&) = delete;

    // No rows when the file is missing or no such bitmap.
    const PixelRows& Rows() const { return m_rows; }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    HANDLE m_mapping = nullptr;
    const void* m_view = nullptr;
    PixelRows m_rows;
};
