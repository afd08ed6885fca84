#include "platform/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace scenario {
namespace {

std::function<bool(const std::string&)>& guasto_scrittura() {
  static std::function<bool(const std::string&)> guasto;
  return guasto;
}

std::string ragione(int numero_errore) { return std::strerror(numero_errore); }

Status errore(const std::string& azione, const std::string& percorso, int numero_errore) {
  return Status::Error(azione + " " + percorso + ": " + ragione(numero_errore));
}

// Splits a path into its folder ("." when none) and its file name.
std::pair<std::string, std::string> dividi(const std::string& percorso) {
  const size_t barra = percorso.rfind('/');
  if (barra == std::string::npos) return {".", percorso};
  return {percorso.substr(0, barra + 1), percorso.substr(barra + 1)};
}

// Prefix of the temporary files of one target: hidden, and tied to the name.
std::string prefisso_temporaneo(const std::string& nome) { return "." + nome + ".tmp-"; }

// A run killed during a replacement leaves its temporary file behind. The next
// replacement of the same target removes such leftovers.
void rimuovi_temporanei_orfani(const std::string& cartella, const std::string& nome) {
  DIR* dir = opendir(cartella.c_str());
  if (dir == nullptr) return;
  const std::string prefisso = prefisso_temporaneo(nome);
  std::vector<std::string> orfani;
  while (dirent* voce = readdir(dir)) {
    std::string_view n(voce->d_name);
    if (n.size() == prefisso.size() + 6 && n.substr(0, prefisso.size()) == prefisso) orfani.emplace_back(n);
  }
  closedir(dir);
  const std::string base = cartella.back() == '/' ? cartella : cartella + "/";
  for (const std::string& n : orfani) ::unlink((base + n).c_str());
}

}  // namespace

void imposta_guasto_scrittura(std::function<bool(const std::string&)> guasto) {
  guasto_scrittura() = std::move(guasto);
}

Status sostituisci_file(const std::string& percorso, std::string_view contenuto) {
  const auto [cartella, nome] = dividi(percorso);
  rimuovi_temporanei_orfani(cartella, nome);
  std::string modello = (cartella == "." ? std::string() : cartella) + prefisso_temporaneo(nome) + "XXXXXX";
  std::vector<char> temporaneo(modello.begin(), modello.end());
  temporaneo.push_back('\0');
  const int fd = ::mkstemp(temporaneo.data());
  if (fd < 0) return errore("cannot create", percorso, errno);
  const std::string nome_temporaneo(temporaneo.data());

  auto abbandona = [&](const char* azione, int numero_errore) {
    ::unlink(nome_temporaneo.c_str());
    return errore(azione, percorso, numero_errore);
  };

  if (guasto_scrittura() && guasto_scrittura()(percorso)) {
    ::close(fd);
    return abbandona("cannot write", EIO);
  }
  // mkstemp creates the file readable by its owner only; give it the usual
  // permissions of a new file.
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  ::fchmod(fd, 0666 & ~maschera);

  const char* dati = contenuto.data();
  size_t resto = contenuto.size();
  while (resto > 0) {
    const ssize_t scritti = ::write(fd, dati, resto);
    if (scritti < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      return abbandona("cannot write", e);
    }
    dati += scritti;
    resto -= static_cast<size_t>(scritti);
  }
  if (::close(fd) != 0) return abbandona("cannot close", errno);
  if (::rename(nome_temporaneo.c_str(), percorso.c_str()) != 0) return abbandona("cannot replace", errno);
  return Status::Ok();
}

Status leggi_file(const std::string& percorso, std::string* contenuto) {
  contenuto->clear();
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errore("cannot open", percorso, errno);
  char buffer[1 << 16];
  for (;;) {
    const ssize_t letti = ::read(fd, buffer, sizeof buffer);
    if (letti < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      return errore("cannot read", percorso, e);
    }
    if (letti == 0) break;
    contenuto->append(buffer, static_cast<size_t>(letti));
  }
  ::close(fd);
  return Status::Ok();
}

bool file_esiste(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status elimina_file(const std::string& percorso) {
  if (::unlink(percorso.c_str()) != 0 && errno != ENOENT) return errore("cannot delete", percorso, errno);
  return Status::Ok();
}

}  // namespace scenario
