#include "core/filesize.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace velinda {

namespace FileSize {

qint64 fresh(const QFile& file) {
#ifdef Q_OS_LINUX
  struct statx status {};
  if (::statx(file.handle(), "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &status) == 0 &&
      (status.stx_mask & STATX_SIZE))
    return qint64(status.stx_size);
#endif
  return file.size();
}

}  // namespace FileSize

}  // namespace velinda
