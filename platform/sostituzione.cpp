// Whole-file replacement: the new bytes go to a temporary file in the target's
// folder, and only a complete, closed file is renamed over the target. A kill
// at any moment leaves either the earlier file or the new one, whole.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace scenario {
namespace {

std::function<bool(const std::string&)>& guasto_scrittura() {
  static std::function<bool(const std::string&)> guasto;
  return guasto;
}

// Splits a path into its folder ("." when none) and its file name.
std::pair<std::string, std::string> dividi(const std::string& percorso) {
  const size_t barra = percorso.rfind('/');
  if (barra == std::string::npos) return {".", percorso};
  return {percorso.substr(0, barra + 1), percorso.substr(barra + 1)};
}

// Temporary files are hidden, named after their target and marked as ours, so
// that the clean-up below never takes another program's file:
// ".<name>.scenario-tmp-XXXXXX".
constexpr std::string_view kSuffisso = ".scenario-tmp-";
constexpr size_t kCaratteriCasuali = 6;

bool temporaneo(std::string_view nome) {
  if (nome.size() < 1 + kSuffisso.size() + kCaratteriCasuali || nome.front() != '.') return false;
  return nome.substr(nome.size() - kCaratteriCasuali - kSuffisso.size(), kSuffisso.size()) == kSuffisso;
}

// A run killed during a replacement leaves its temporary file behind. The
// first replacement of a run in a folder removes such leftovers; later ones in
// the same folder need not look again, since only a killed run leaves any.
void rimuovi_temporanei_orfani(const std::string& cartella) {
  static std::mutex guardia;
  static std::set<std::string> pulite;
  {
    std::lock_guard<std::mutex> blocco(guardia);
    if (!pulite.insert(cartella).second) return;
  }
  DIR* dir = ::opendir(cartella.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> orfani;
  while (dirent* voce = ::readdir(dir)) {
    if (temporaneo(voce->d_name)) orfani.emplace_back(voce->d_name);
  }
  ::closedir(dir);
  const std::string base = cartella.back() == '/' ? cartella : cartella + "/";
  for (const std::string& n : orfani) ::unlink((base + n).c_str());
}

}  // namespace

void imposta_guasto_scrittura(std::function<bool(const std::string&)> guasto) {
  guasto_scrittura() = std::move(guasto);
}

FileInSostituzione::~FileInSostituzione() { abbandona(); }

void FileInSostituzione::abbandona() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
  fd_ = -1;
  temporaneo_.clear();
}

Status FileInSostituzione::fallisci(const char* azione, int numero_errore) {
  abbandona();
  return errore_sistema(azione, percorso_, numero_errore);
}

Status FileInSostituzione::apri(const std::string& percorso, uint64_t dimensione) {
  abbandona();
  percorso_ = percorso;
  const auto [cartella, nome] = dividi(percorso);
  rimuovi_temporanei_orfani(cartella);
  std::string modello = (cartella == "." ? std::string() : cartella) + "." + nome + std::string(kSuffisso) +
                        std::string(kCaratteriCasuali, 'X');
  fd_ = ::mkstemp(modello.data());
  if (fd_ < 0) return errore_sistema("cannot create", percorso, errno);
  temporaneo_ = modello;

  if (guasto_scrittura() && guasto_scrittura()(percorso)) return fallisci("cannot write", EIO);
  // mkstemp creates the file readable by its owner only; give it the usual
  // permissions of a new file. A file left owner-only would replace a file
  // that others could read, so a refusal is a failure like any other.
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  if (::fchmod(fd_, 0666 & ~maschera) != 0) return fallisci("cannot set the permissions of", errno);
  // Reserving the blocks before writing means the rename has no delayed
  // allocation left to resolve: replacing an existing file then costs no more
  // than creating a new one. A file system without the call just skips it.
  if (dimensione > 0 && ::fallocate(fd_, 0, 0, static_cast<off_t>(dimensione)) != 0 && errno != EOPNOTSUPP &&
      errno != ENOSYS) {
    return fallisci("cannot write", errno);
  }
  return Status::Ok();
}

Status FileInSostituzione::scrivi(std::string_view pezzo) {
  while (!pezzo.empty()) {
    const ssize_t scritti = ::write(fd_, pezzo.data(), pezzo.size());
    if (scritti < 0) {
      if (errno == EINTR) continue;
      return fallisci("cannot write", errno);
    }
    pezzo.remove_prefix(static_cast<size_t>(scritti));
  }
  return Status::Ok();
}

Status FileInSostituzione::chiudi() {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return fallisci("cannot close", errno);
  if (::rename(temporaneo_.c_str(), percorso_.c_str()) != 0) return fallisci("cannot replace", errno);
  temporaneo_.clear();
  return Status::Ok();
}

Status sostituisci_file(const std::string& percorso, std::string_view contenuto) {
  FileInSostituzione file;
  Status s = file.apri(percorso, contenuto.size());
  if (s.ok()) s = file.scrivi(contenuto);
  if (s.ok()) s = file.chiudi();
  return s;
}

}  // namespace scenario
