#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/nomi_temporanei.h"
#include "platform/primitive_file.h"

namespace scenario {

TipoVoce tipo_voce(const std::string& percorso) {
  struct stat info {};
  if (::lstat(percorso.c_str(), &info) != 0) return TipoVoce::assente;
  if (S_ISREG(info.st_mode)) return TipoVoce::file;
  if (S_ISDIR(info.st_mode)) return TipoVoce::cartella;
  if (S_ISLNK(info.st_mode)) return TipoVoce::collegamento;
  return TipoVoce::altro;
}

Status secondo_nome(const std::string& bersaglio, std::string* copia) {
  const auto [cartella, nome] = dividi_percorso(bersaglio, "/");
  std::string modello = (cartella == "." ? std::string() : cartella) + modello_temporaneo(nome);
  // mkstemp picks a free name; the link then takes the name over.
  const int fd = ::mkstemp(modello.data());
  if (fd < 0) return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
  ::close(fd);
  ::unlink(modello.c_str());
  if (::link(bersaglio.c_str(), modello.c_str()) != 0) {
    return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
  }
  *copia = modello;
  return Status::Ok();
}

bool rinomina_sopra(const std::string& da, const std::string& a) { return ::rename(da.c_str(), a.c_str()) == 0; }

void rimuovi_nome(const std::string& percorso) { ::unlink(percorso.c_str()); }

}  // namespace scenario
