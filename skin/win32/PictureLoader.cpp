#include "skin/win32/PictureLoader.h"

#include <ole2.h>
#include <olectl.h>

namespace {
// {7BF80980-BF32-101A-8BBB-00AA00300CAB}
const IID kPictureInterface = {0x7BF80980, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Reads the whole file into a movable global block; null on any failure.
HGLOBAL ReadFileIntoGlobal(const std::string& path, DWORD& size) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) return nullptr;
    size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* bytes = GlobalLock(block);
    DWORD read = 0;
    bool complete = bytes && ReadFile(file.Get(), bytes, size, &read, nullptr) && read == size;
    if (bytes) GlobalUnlock(block);
    if (!complete) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}
}  // namespace

Bitmap LoadPicture(const std::string& path) {
    DWORD size = 0;
    HGLOBAL block = ReadFileIntoGlobal(path, size);
    if (!block) return Bitmap();
    IStream* stream = nullptr;
    // The stream frees the block when it is released.
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
        GlobalFree(block);
        return Bitmap();
    }
    IPicture* picture = nullptr;
    HRESULT decoded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, kPictureInterface,
                                     reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(decoded) || !picture) return Bitmap();
    OLE_HANDLE handle = 0;
    HBITMAP copy = nullptr;
    short type = PICTYPE_NONE;
    // The picture object owns its bitmap; keep a copy of our own.
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle))) {
        copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP,
                                              0, 0, LR_CREATEDIBSECTION));
    }
    picture->Release();
    return Bitmap(copy);
}
