#include "records/largepages.h"

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace velinda {

void adviseLargePages([[maybe_unused]] const void* data, [[maybe_unused]] qsizetype bytes) {
#if defined(Q_OS_LINUX)
  static const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  // The advice takes whole pages; the buffer's first and last may be
  // shared with other data, and are left out.
  const auto start = (std::uintptr_t(data) + page - 1) & ~(page - 1);
  const auto end = (std::uintptr_t(data) + std::uintptr_t(bytes)) & ~(page - 1);
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
}

}  // namespace velinda
