#include "platform/cartella_temporanea.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

namespace scenario {

std::string cartella_temporanea_di_sistema() {
  const char* tmpdir = std::getenv("TMPDIR");
  struct stat info {};
  if (tmpdir != nullptr && tmpdir[0] != '\0' && ::stat(tmpdir, &info) == 0 && S_ISDIR(info.st_mode)) return tmpdir;
  return P_tmpdir;
}

}  // namespace scenario
