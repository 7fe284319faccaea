// One owning wrapper for every kind of system handle the programs create. GDI and USER objects
// are counted while they live, so that tests can prove that nothing leaks: these wrappers are
// the only way the code creates such objects.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace tk {

// Live objects per family, for the leak tests.
struct LiveObjects {
  static std::atomic<long>& Gdi() {
    static std::atomic<long> n{0};
    return n;
  }
  static std::atomic<long>& User() {
    static std::atomic<long> n{0};
    return n;
  }
};

struct KernelHandleTraits {
  using type = HANDLE;
  static type Invalid() { return nullptr; }
  static bool Valid(type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(type h) { CloseHandle(h); }
  static void Created() {}
};

// A file search of FindFirstFileW.
struct FindTraits {
  using type = HANDLE;
  static type Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Valid(type h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(type h) { FindClose(h); }
  static void Created() {}
};

struct KeyTraits {
  using type = HKEY;
  static type Invalid() { return nullptr; }
  // The predefined roots (HKEY_CURRENT_USER, ...) are never closed.
  static bool Valid(type h) {
    return h != nullptr && (reinterpret_cast<ULONG_PTR>(h) & 0x80000000u) == 0;
  }
  static void Close(type h) { RegCloseKey(h); }
  static void Created() {}
};

// An object that counts in one of the two families while it lives.
template <typename T, typename Free, std::atomic<long>& (*Family)()>
struct CountedTraits {
  using type = T;
  static type Invalid() { return nullptr; }
  static bool Valid(type h) { return h != nullptr; }
  static void Close(type h) {
    Free()(h);
    --Family();
  }
  static void Created() { ++Family(); }
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteMemoryDc {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyIconHandle {
  void operator()(HICON h) const { DestroyIcon(h); }
};

template <typename T>
using GdiTraits = CountedTraits<T, DeleteGdiObject, &LiveObjects::Gdi>;
using MemoryDcTraits = CountedTraits<HDC, DeleteMemoryDc, &LiveObjects::Gdi>;
using IconTraits = CountedTraits<HICON, DestroyIconHandle, &LiveObjects::User>;

template <typename Traits>
class unique_handle {
 public:
  using type = typename Traits::type;

  unique_handle() = default;
  // Takes ownership of a freshly created object; an invalid one is not counted.
  explicit unique_handle(type h) : h_(h) {
    if (Traits::Valid(h_)) Traits::Created();
  }
  unique_handle(unique_handle&& other) noexcept : h_(other.release()) {}
  unique_handle& operator=(unique_handle&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = other.release();
    }
    return *this;
  }
  unique_handle(const unique_handle&) = delete;
  unique_handle& operator=(const unique_handle&) = delete;
  ~unique_handle() { reset(); }

  type get() const { return h_; }
  explicit operator bool() const { return Traits::Valid(h_); }
  type release() { return std::exchange(h_, Traits::Invalid()); }
  void reset(type h = Traits::Invalid()) {
    if (Traits::Valid(h_)) Traits::Close(h_);
    h_ = h;
    if (Traits::Valid(h_)) Traits::Created();
  }

 private:
  type h_ = Traits::Invalid();
};

using KernelHandle = unique_handle<KernelHandleTraits>;
using KeyHandle = unique_handle<KeyTraits>;
using FindHandle = unique_handle<FindTraits>;
using BitmapHandle = unique_handle<GdiTraits<HBITMAP>>;
using FontHandle = unique_handle<GdiTraits<HFONT>>;
using BrushHandle = unique_handle<GdiTraits<HBRUSH>>;
using MemoryDc = unique_handle<MemoryDcTraits>;
using IconHandle = unique_handle<IconTraits>;

}  // namespace tk
