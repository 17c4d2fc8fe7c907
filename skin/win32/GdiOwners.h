// RAII owners for the GDI objects and device contexts the skin toolkit uses.
#pragma once

#include <windows.h>

#include <utility>

#include "skin/core/SkinStyle.h"

// Owns one GDI object (bitmap, region, font, brush, pen).
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (m_handle) DeleteObject(m_handle);
        m_handle = handle;
    }
    Handle Release() { return std::exchange(m_handle, nullptr); }

private:
    Handle m_handle = nullptr;
};

using Region = GdiObject<HRGN>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// A bitmap with its size; empty (no handle, 0 x 0) when nothing was loaded.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(HBITMAP handle);  // takes ownership, reads the size
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;

    HBITMAP Get() const { return m_handle.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_handle); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void Reset();

private:
    GdiObject<HBITMAP> m_handle;
    int m_width = 0;
    int m_height = 0;
};

// A memory device context compatible with another (the screen when null).
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith = nullptr) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (m_dc) DeleteDC(m_dc);
    }
    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
};

// Selects an object into a device context for the lifetime of the owner.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (m_previous) SelectObject(m_dc, m_previous);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The client-area device context of a window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(m_window, &m_paint); }
    HDC Get() const { return m_dc; }
    const RECT& Update() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

// An off-screen drawing surface of a given size compatible with a target
// context: compose in Dc(), then CopyTo() the target in one step.
class OffscreenSurface {
public:
    OffscreenSurface(HDC target, int width, int height);
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;
    ~OffscreenSurface();

    HDC Dc() const { return m_dc.Get(); }
    explicit operator bool() const { return m_dc && m_bitmap; }
    void CopyTo(HDC target, int x = 0, int y = 0) const;

private:
    MemoryDc m_dc;
    GdiObject<HBITMAP> m_bitmap;
    HGDIOBJ m_previous = nullptr;
    int m_width;
    int m_height;
};

// Copies a bitmap 1:1 to (x, y) of the target.
void DrawBitmap(HDC target, const Bitmap& bitmap, int x = 0, int y = 0);
void DrawBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height);
Font CreateSkinFont(const SkinFont& font);
