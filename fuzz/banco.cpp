#include "fuzz/banco.h"

#include <dirent.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/cartella_temporanea.h"

namespace scenario::fuzz {
namespace {

// The names the compile step may leave in its folder: the two descriptions
// (a reader that stopped early may not have reached its delete yet when the
// harness looks) and the three compiled files.
bool nome_atteso(const std::string& nome) {
  const NomiFile n("", std::string(kNomeLinea), std::string(kNumeroTreno));
  const std::array<std::string, 5> attesi = {n.nome_descrizione_linea(), n.nome_descrizione_treno(),
                                             n.nome_tracciato(), n.nome_tabella(), n.nome_celle()};
  for (const std::string& a : attesi) {
    if (a == nome) return true;
  }
  return false;
}

// Every file name in the folder, without "." and "..".
std::vector<std::string> elenca(const std::string& cartella) {
  std::vector<std::string> nomi;
  DIR* dir = ::opendir(cartella.c_str());
  if (dir == nullptr) fallisci("cannot list " + cartella + ": " + std::strerror(errno));
  while (const dirent* voce = ::readdir(dir)) {
    const std::string nome = voce->d_name;
    if (nome != "." && nome != "..") nomi.push_back(nome);
  }
  ::closedir(dir);
  return nomi;
}

void rimuovi_cartella() {
  const std::string& cartella = cartella_privata();
  for (const std::string& nome : elenca(cartella)) ::unlink((cartella + "/" + nome).c_str());
  ::rmdir(cartella.c_str());
}

std::string crea_cartella() {
  const std::string modello = cartella_temporanea_di_sistema() + "/scenario-fuzz-XXXXXX";
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');
  if (::mkdtemp(nome.data()) == nullptr) fallisci("cannot create " + modello + ": " + std::strerror(errno));
  return nome.data();
}

}  // namespace

void fallisci(const std::string& messaggio) {
  std::fprintf(stderr, "fuzz: %s\n", messaggio.c_str());
  std::abort();
}

const std::string& cartella_privata() {
  static const std::string cartella = crea_cartella();
  // Registered once the name exists, so the removal runs before the name is
  // destroyed at exit.
  static const bool rimozione_registrata = std::atexit(rimuovi_cartella) == 0;
  (void)rimozione_registrata;
  return cartella;
}

Compilatore stato_nuovo() {
  Compilatore stato;
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  stato.azzera(1);
  return stato;
}

const NomiFile& nomi_privati() {
  static const NomiFile nomi(cartella_privata(), std::string(kNomeLinea), std::string(kNumeroTreno));
  return nomi;
}

void scrivi_testo(const std::string& percorso, std::string_view testo) {
  std::FILE* f = std::fopen(percorso.c_str(), "wb");
  if (f == nullptr) fallisci("cannot create " + percorso + ": " + std::strerror(errno));
  // An empty input may come with no buffer at all, which fwrite must not see.
  const bool scritto = testo.empty() || std::fwrite(testo.data(), 1, testo.size(), f) == testo.size();
  if (std::fclose(f) != 0 || !scritto) fallisci("cannot write " + percorso);
}

void controlla_modello(const Compilatore& stato) {
  if (stato.ha_celle() && stato.celle.size() != static_cast<size_t>(stato.ultima_cella) + 1) {
    fallisci("the cell array holds " + std::to_string(stato.celle.size()) + " cells, ultima_cella is " +
             std::to_string(stato.ultima_cella));
  }
  const Tracciato& t = stato.tracciato;
  if (t.presente() && (t.x.size() != static_cast<size_t>(stato.lunghezza_tracciato) + 1 || t.y.size() != t.x.size())) {
    fallisci("the plan holds " + std::to_string(t.x.size()) + " and " + std::to_string(t.y.size()) +
             " rows, lunghezza_tracciato is " + std::to_string(stato.lunghezza_tracciato));
  }
}

void svuota_cartella() {
  const std::string& cartella = cartella_privata();
  for (const std::string& nome : elenca(cartella)) {
    if (!nome_atteso(nome)) fallisci("a run left " + nome + " in its folder");
    ::unlink((cartella + "/" + nome).c_str());
  }
}

std::pair<std::string_view, std::string_view> dividi_coppia(const uint8_t* dati, size_t dimensione) {
  const std::string_view tutto = come_testo(dati, dimensione);
  const size_t separatore = tutto.find(kSeparatoreCoppia);
  if (separatore == std::string_view::npos) return {tutto, std::string_view()};
  return {tutto.substr(0, separatore), tutto.substr(separatore + 1)};
}

namespace {

constexpr size_t kByteLunghezza = 4;

uint32_t leggi_lunghezza(std::string_view d) {
  uint32_t n = 0;
  for (size_t i = 0; i < kByteLunghezza; ++i) n |= uint32_t{static_cast<uint8_t>(d[i])} << (8 * i);
  return n;
}

void aggiungi_lunghezza(std::string* out, size_t n) {
  for (size_t i = 0; i < kByteLunghezza; ++i) out->push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
}

}  // namespace

FileCompilati dividi_compilati(const uint8_t* dati, size_t dimensione) {
  std::string_view resto = come_testo(dati, dimensione);
  if (resto.size() < 2 * kByteLunghezza) return {resto, {}, {}};
  const uint32_t lunghezza_tabella = leggi_lunghezza(resto);
  const uint32_t lunghezza_celle = leggi_lunghezza(resto.substr(kByteLunghezza));
  resto.remove_prefix(2 * kByteLunghezza);
  FileCompilati f;
  f.tabella = resto.substr(0, lunghezza_tabella);
  resto.remove_prefix(f.tabella.size());
  f.celle = resto.substr(0, lunghezza_celle);
  resto.remove_prefix(f.celle.size());
  f.tracciato = resto;
  return f;
}

std::string unisci_compilati(std::string_view tabella, std::string_view celle, std::string_view tracciato) {
  std::string out;
  aggiungi_lunghezza(&out, tabella.size());
  aggiungi_lunghezza(&out, celle.size());
  out.append(tabella).append(celle).append(tracciato);
  return out;
}

}  // namespace scenario::fuzz
