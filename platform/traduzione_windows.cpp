// The tool's messages on Windows, where no gettext runtime is at hand: the
// catalogues are built into the executable, in the form msgfmt compiles them
// to, and read here. The language is chosen as on Linux from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG; when none of them is set, which is the usual
// case on Windows, from the user's display language.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "platform/cataloghi_incorporati.h"
#include "platform/lingua_richiesta.h"
#include "platform/testo_windows.h"
#include "platform/traduzione.h"

namespace scenario::tool {
namespace {

// English text to its translation, both views of the built-in catalogue.
std::unordered_map<std::string_view, std::string_view> traduzioni;

// A 32-bit little-endian number at `posizione`, or nothing past the end.
bool numero(std::string_view mo, uint64_t posizione, uint32_t* valore) {
  if (posizione + 4 > mo.size()) return false;
  *valore = 0;
  for (size_t i = 0; i < 4; ++i) {
    *valore |= static_cast<uint32_t>(static_cast<unsigned char>(mo[static_cast<size_t>(posizione) + i])) << (8 * i);
  }
  return true;
}

// The text the table entry at `posizione` (its length, then its offset) names.
bool voce(std::string_view mo, uint64_t posizione, std::string_view* testo) {
  uint32_t lunghezza = 0;
  uint32_t inizio = 0;
  if (!numero(mo, posizione, &lunghezza) || !numero(mo, posizione + 4, &inizio)) return false;
  if (uint64_t{inizio} + lunghezza > mo.size()) return false;
  *testo = mo.substr(inizio, lunghezza);
  return true;
}

// Reads a compiled catalogue: a magic number, the count of messages, and the
// offsets of the two tables of originals and translations. A catalogue that
// does not read whole leaves every message English.
void carica(std::string_view mo) {
  uint32_t magico = 0;
  uint32_t quanti = 0;
  uint32_t originali = 0;
  uint32_t tradotti = 0;
  if (!numero(mo, 0, &magico) || magico != 0x950412deu || !numero(mo, 8, &quanti) || !numero(mo, 12, &originali) ||
      !numero(mo, 16, &tradotti)) {
    return;
  }
  std::unordered_map<std::string_view, std::string_view> lette;
  for (uint64_t i = 0; i < quanti; ++i) {
    std::string_view inglese;
    std::string_view tradotto;
    if (!voce(mo, originali + 8 * i, &inglese) || !voce(mo, tradotti + 8 * i, &tradotto)) return;
    // The empty original is the catalogue's header.
    if (!inglese.empty()) lette.emplace(inglese, tradotto);
  }
  traduzioni = std::move(lette);
}

// The user's display language as a locale name ("it_IT"), or empty.
std::string lingua_di_windows() {
  wchar_t nome[LOCALE_NAME_MAX_LENGTH] = {};
  if (::LCIDToLocaleName(MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT), nome, LOCALE_NAME_MAX_LENGTH, 0) ==
      0) {
    return {};
  }
  std::string lingua = utf8(nome);
  for (char& c : lingua) {
    if (c == '-') c = '_';
  }
  return lingua;
}

// The built-in catalogue of a locale name such as "it_IT.UTF-8@euro": of
// "it_IT", or else of "it".
std::string_view catalogo_di(std::string nome) {
  nome = nome.substr(0, nome.find_first_of(".@"));
  if (const std::string_view mo = catalogo_incorporato(nome); !mo.empty()) return mo;
  return catalogo_incorporato(nome.substr(0, nome.find('_')));
}

}  // namespace

void inizializza_traduzioni() {
  const std::optional<std::string> richieste = lingue_richieste();
  const std::string scelta = richieste ? *richieste : lingua_di_windows();
  // The first language of the list that has a catalogue, as gettext takes it.
  for (size_t inizio = 0; inizio <= scelta.size();) {
    const size_t fine = std::min(scelta.find(':', inizio), scelta.size());
    if (fine > inizio) {
      if (const std::string_view mo = catalogo_di(scelta.substr(inizio, fine - inizio)); !mo.empty()) {
        carica(mo);
        return;
      }
    }
    inizio = fine + 1;
  }
}

std::string traduci(std::string_view testo) {
  const auto trovata = traduzioni.find(testo);
  return trovata == traduzioni.end() || trovata->second.empty() ? std::string(testo) : std::string(trovata->second);
}

std::string nella_lingua(const Testo& testo) { return componi(traduci(testo.modello), testo.valori); }

}  // namespace scenario::tool
