#pragma once

#include <windows.h>

#include <utility>

// Owns a GDI object (bitmap, font, brush, pen): deleted when the owner ends.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }

  Handle get() const { return handle_; }

 private:
  Handle handle_;
};

// Selects an object into a DC for the guard's life, then puts back what was there.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC compatible with `reference` (the screen when null).
class MemoryDc {
 public:
  explicit MemoryDc(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { DeleteDC(dc_); }

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// An off-screen picture to draw into, copied to a real DC in one go: what the
// user sees changes at once, never piece by piece.
class OffscreenDc {
 public:
  OffscreenDc(HDC reference, int width, int height)
      : memory_(reference), bitmap_(CreateCompatibleBitmap(reference, width, height)),
        selected_(memory_.get(), bitmap_.get()), width_(width), height_(height) {
    SetBkMode(memory_.get(), TRANSPARENT);
  }

  HDC dc() const { return memory_.get(); }
  void copyTo(HDC target, int left, int top) const {
    BitBlt(target, left, top, width_, height_, memory_.get(), 0, 0, SRCCOPY);
  }

 private:
  MemoryDc memory_;
  GdiObject<HBITMAP> bitmap_;
  SelectedObject selected_;
  int width_;
  int height_;
};
