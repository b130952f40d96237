#pragma once

// The allocator of the track plan's arrays. A plan is large (1.85 MB for the
// carried line, 18 MB for the longest) and is touched page by page as it is
// drawn; on a virtual machine every 4 KB page first touched can cost some
// 16 microseconds, more than drawing it. Arrays of 1 MB or more are
// therefore aligned to 2 MB and, on Linux, offered transparent huge pages,
// so that one fault maps 2 MB. Where the system declines, they are ordinary
// pages and nothing else changes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace scengen {

template <class T>
struct HugePageAllocator {
  using value_type = T;

  static constexpr size_t kHugePage = size_t{2} << 20;
  static constexpr size_t kThreshold = size_t{1} << 20;

  HugePageAllocator() = default;
  template <class U>
  HugePageAllocator(const HugePageAllocator<U>&) {}

  T* allocate(size_t n) {
    if (n > (SIZE_MAX - kHugePage) / sizeof(T)) throw std::bad_array_new_length();
    const size_t bytes = n * sizeof(T);
    if (bytes < kThreshold) return static_cast<T*>(::operator new(bytes));
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (p == nullptr) throw std::bad_alloc();
#ifdef __linux__
    madvise(p, rounded, MADV_HUGEPAGE);  // a hint: refused, the pages stay small
#endif
    return static_cast<T*>(p);
  }

  void deallocate(T* p, size_t n) {
    if (n * sizeof(T) < kThreshold) {
      ::operator delete(p);
    } else {
      std::free(p);
    }
  }

  template <class U>
  bool operator==(const HugePageAllocator<U>&) const {
    return true;
  }
};

}  // namespace scengen
