#include "skin/win32/PictureLoader.h"

#include <ole2.h>
#include <olectl.h>

#include "frame/LazyFunction.h"
#include "frame/UniqueHandle.h"
#include "skin/win32/RegionBuilder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
// {7BF80980-BF32-101A-8BBB-00AA00300CAB}
const IID kPictureInterface = {0x7BF80980, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
constexpr int kLargestSide = 32768;
constexpr int kMaskBandRows = 32;


// The rest of an open file from its start; empty on any failure.
std::string ReadWholeFile(HANDLE file, DWORD size) {
    std::string bytes(size, '\0');
    DWORD read = 0;
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0 || !ReadFile(file, &bytes[0], size, &read, nullptr) ||
        read != size)
        return std::string();
    return bytes;
}

// The headers of an uncompressed bitmap file of 24 bits per pixel (what the
// skins' images hold) or of 1, 4 or 8 with a colour table (their masks)
// whose rows fit in the file: the rows' stride and total size.
bool UsableBmpHeaders(const BITMAPFILEHEADER& file, const BITMAPINFOHEADER& info, uint64_t fileSize, uint64_t& stride,
                      uint64_t& pixelBytes) {
    const int bits = info.biBitCount;
    if (file.bfType != 0x4D42 || info.biSize < sizeof info || info.biPlanes != 1 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24) || info.biCompression != BI_RGB || info.biWidth <= 0 ||
        info.biWidth > kLargestSide || info.biHeight == 0 || std::abs(info.biHeight) > kLargestSide)
        return false;
    stride = (static_cast<uint64_t>(info.biWidth) * bits + 31) / 32 * 4;
    pixelBytes = stride * static_cast<uint64_t>(std::abs(info.biHeight));
    return file.bfOffBits <= fileSize && fileSize - file.bfOffBits >= pixelBytes;
}

// A bottom-up 24-bit DIB section of the bitmap's size; null on failure.
HBITMAP CreateSection(const BITMAPINFOHEADER& info, void*& bits) {
    BITMAPINFO header{};
    header.bmiHeader = info;
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biSizeImage = 0;
    header.bmiHeader.biClrUsed = 0;
    // Always bottom-up: Wine does not tell a section's row order, and the
    // crops rely on it.
    header.bmiHeader.biHeight = std::abs(info.biHeight);
    bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && !bits) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

// A bottom-up bitmap file read straight into its DIB section (no copy of
// the file in between: the skins' state images are megabytes each); null for
// any other file.
HBITMAP ReadBottomUpBmpFile(HANDLE file, DWORD size) {
    BITMAPFILEHEADER fileHeader{};
    BITMAPINFOHEADER info{};
    char headers[sizeof fileHeader + sizeof info];
    DWORD read = 0;
    if (!ReadFile(file, headers, sizeof headers, &read, nullptr) || read != sizeof headers) return nullptr;
    memcpy(&fileHeader, headers, sizeof fileHeader);
    memcpy(&info, headers + sizeof fileHeader, sizeof info);
    uint64_t stride = 0, pixelBytes = 0;
    if (info.biHeight < 0 || info.biBitCount != 24 || !UsableBmpHeaders(fileHeader, info, size, stride, pixelBytes))
        return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = CreateSection(info, bits);
    if (!bitmap) return nullptr;
    const DWORD rows = static_cast<DWORD>(pixelBytes);
    if (SetFilePointer(file, static_cast<LONG>(fileHeader.bfOffBits), nullptr, FILE_BEGIN) == fileHeader.bfOffBits &&
        ReadFile(file, bits, rows, &read, nullptr) && read == rows)
        return bitmap;
    DeleteObject(bitmap);
    return nullptr;
}

// Where converted rows go: 3 or 4 bytes a pixel (blue, green, red, zero),
// and whether the first row in memory is the bottom one of those converted.
struct RowTarget {
    uint8_t* bits;
    uint64_t stride;
    int bytesPerPixel;
    bool bottomUp;
};

// The colour of each pixel of the picture's rows `first` to `first + count`
// (counted from the top) of a file of 24 bits, or of 1, 4 or 8 with a colour
// table, written into the target; false when the colour table does not fit
// in the file. An index past the table is black.
bool ConvertRows(const std::string& bytes, const BITMAPFILEHEADER& file, const BITMAPINFOHEADER& info,
                 uint64_t stride, const RowTarget& target, int first, int count) {
    const int depth = info.biBitCount;
    uint32_t table[256] = {};
    if (depth != 24) {
        const uint64_t tableStart = sizeof file + info.biSize;
        const uint32_t colours = info.biClrUsed && info.biClrUsed < (1u << depth) ? info.biClrUsed : 1u << depth;
        if (tableStart + colours * sizeof(RGBQUAD) > bytes.size()) return false;
        memcpy(table, bytes.data() + tableStart, colours * sizeof(RGBQUAD));
        for (uint32_t& colour : table) colour &= 0x00FFFFFF;
    }
    const int width = info.biWidth, height = std::abs(info.biHeight);
    const auto* rows = reinterpret_cast<const uint8_t*>(bytes.data() + file.bfOffBits);
    for (int y = first; y < first + count; ++y) {
        const uint8_t* source = rows + (info.biHeight > 0 ? height - 1 - y : y) * stride;
        uint8_t* out = target.bits + (target.bottomUp ? first + count - 1 - y : y - first) * target.stride;
        for (int x = 0; x < width; ++x, out += target.bytesPerPixel) {
            uint32_t colour = 0;
            if (depth == 24) {
                colour = source[x * 3] | source[x * 3 + 1] << 8 | source[x * 3 + 2] << 16;
            } else {
                const int bit = x * depth;
                colour = table[(source[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1)];
            }
            if (target.bytesPerPixel == 4) {
                memcpy(out, &colour, 4);
            } else {
                out[0] = static_cast<uint8_t>(colour);
                out[1] = static_cast<uint8_t>(colour >> 8);
                out[2] = static_cast<uint8_t>(colour >> 16);
            }
        }
    }
    return true;
}

// A top-down or paletted bitmap file becomes a bottom-up 24-bit DIB section;
// null for any other file, which the OLE loader then decodes.
HBITMAP BitmapFromBmpFile(const std::string& bytes) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    if (bytes.size() < sizeof file + sizeof info) return nullptr;
    memcpy(&file, bytes.data(), sizeof file);
    memcpy(&info, bytes.data() + sizeof file, sizeof info);
    uint64_t stride = 0, size = 0;
    if (!UsableBmpHeaders(file, info, bytes.size(), stride, size)) return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = CreateSection(info, bits);
    if (!bitmap) return nullptr;
    const char* rows = bytes.data() + file.bfOffBits;
    if (info.biBitCount != 24) {
        const RowTarget target{static_cast<uint8_t*>(bits), (static_cast<uint64_t>(info.biWidth) * 24 + 31) / 32 * 4,
                               3, true};
        if (ConvertRows(bytes, file, info, stride, target, 0, std::abs(info.biHeight))) return bitmap;
        DeleteObject(bitmap);
        return nullptr;
    }
    if (info.biHeight > 0) {
        memcpy(bits, rows, static_cast<size_t>(size));
    } else {
        const int height = -info.biHeight;
        for (int row = 0; row < height; ++row)
            memcpy(static_cast<char*>(bits) + (height - 1 - row) * stride, rows + row * stride, static_cast<size_t>(stride));
    }
    return bitmap;
}

HBITMAP DecodeWithOle(const std::string& bytes) {
    static const auto createStream =
        LazyFunction<decltype(&CreateStreamOnHGlobal)>("ole32.dll", "CreateStreamOnHGlobal");
    static const auto loadPicture = LazyFunction<decltype(&OleLoadPicture)>("oleaut32.dll", "OleLoadPicture");
    if (!createStream || !loadPicture) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block) return nullptr;
    void* copy = GlobalLock(block);
    if (!copy) {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(copy, bytes.data(), bytes.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    // The stream frees the block when it is released.
    if (FAILED(createStream(block, TRUE, &stream)) || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    IPicture* picture = nullptr;
    HRESULT decoded = loadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, kPictureInterface,
                                  reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(decoded) || !picture) return nullptr;
    OLE_HANDLE handle = 0;
    HBITMAP bitmap = nullptr;
    short type = PICTYPE_NONE;
    // The picture object owns its bitmap; keep a copy of our own.
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle))) {
        bitmap = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP,
                                                0, 0, LR_CREATEDIBSECTION));
    }
    picture->Release();
    return bitmap;
}
}  // namespace

Bitmap LoadPicture(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return Bitmap();
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0) return Bitmap();
    if (HBITMAP bitmap = ReadBottomUpBmpFile(file.Get(), size)) return Bitmap(bitmap);
    const std::string bytes = ReadWholeFile(file.Get(), size);
    if (bytes.empty()) return Bitmap();
    if (HBITMAP bitmap = BitmapFromBmpFile(bytes)) return Bitmap(bitmap);
    return Bitmap(DecodeWithOle(bytes));
}

Region LoadMaskRegion(const std::string& path) {
    std::string bytes;
    {
        UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        const DWORD size = file ? GetFileSize(file.Get(), nullptr) : INVALID_FILE_SIZE;
        if (size != INVALID_FILE_SIZE) bytes = ReadWholeFile(file.Get(), size);
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    uint64_t stride = 0, size = 0;
    if (bytes.size() < sizeof file + sizeof info) return RegionFromColourKey(LoadPicture(path).Get());
    memcpy(&file, bytes.data(), sizeof file);
    memcpy(&info, bytes.data() + sizeof file, sizeof info);
    if (!UsableBmpHeaders(file, info, bytes.size(), stride, size)) return RegionFromColourKey(LoadPicture(path).Get());
    // A band of rows at a time: the pixels of a whole window's mask would be
    // megabytes of fresh memory, a band stays in the cache.
    const int height = std::abs(info.biHeight);
    std::vector<uint8_t> band(static_cast<size_t>(DibStride(info.biWidth)) * kMaskBandRows);
    const RowTarget target{band.data(), static_cast<uint64_t>(DibStride(info.biWidth)), 4, false};
    Region shape;
    for (int top = 0; top < height; top += kMaskBandRows) {
        const int rows = std::min(kMaskBandRows, height - top);
        if (!ConvertRows(bytes, file, info, stride, target, top, rows)) return Region();
        Region part = RegionFromColourKey(PixelView{band.data(), info.biWidth, rows, DibStride(info.biWidth)});
        if (!part) return Region();
        OffsetRgn(part.Get(), 0, top);
        if (!shape)
            shape = std::move(part);
        else
            CombineRgn(shape.Get(), shape.Get(), part.Get(), RGN_OR);
    }
    return shape;
}

MappedBmp::MappedBmp(const std::string& path) {
    m_file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) return;
    const DWORD size = GetFileSize(m_file, nullptr);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    if (size == INVALID_FILE_SIZE || size < sizeof file + sizeof info) return;
    m_mapping = CreateFileMappingA(m_file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (m_mapping) m_view = MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, 0);
    if (!m_view) return;
    const auto* bytes = static_cast<const uint8_t*>(m_view);
    memcpy(&file, bytes, sizeof file);
    memcpy(&info, bytes + sizeof file, sizeof info);
    uint64_t stride = 0, pixelBytes = 0;
    if (info.biBitCount != 24 || !UsableBmpHeaders(file, info, size, stride, pixelBytes)) return;
    m_rows = PixelRows{bytes + file.bfOffBits, static_cast<size_t>(stride), info.biWidth, std::abs(info.biHeight), 24,
                       info.biHeight > 0};
}

MappedBmp::~MappedBmp() {
    if (m_view) UnmapViewOfFile(m_view);
    if (m_mapping) CloseHandle(m_mapping);
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
}
