#include "platform/lingua_richiesta.h"

#include <cstdlib>

namespace scenario::tool {
namespace {

// The locale the messages follow: the first of LC_ALL, LC_MESSAGES and LANG
// that is set, or nullptr.
const char* locale_messaggi() {
  for (const char* variabile : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* valore = std::getenv(variabile);
    if (valore != nullptr && *valore != '\0') return valore;
  }
  return nullptr;
}

}  // namespace

bool locale_c(const std::string& nome) { return nome == "C" || nome == "POSIX"; }

std::optional<std::string> lingue_richieste() {
  const char* locale = locale_messaggi();
  if (locale != nullptr && locale_c(locale)) return std::string();
  const char* lingue = std::getenv("LANGUAGE");
  if (lingue != nullptr && *lingue != '\0') return std::string(lingue);
  if (locale != nullptr) return std::string(locale);
  return std::nullopt;
}

}  // namespace scenario::tool
