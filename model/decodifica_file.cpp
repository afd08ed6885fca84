#include "model/decodifica_file.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "model/codifica.h"
#include "model/dimensioni.h"
#include "model/file_compilati.h"
#include "model/flusso_tracciato.h"

namespace scenario {
namespace {

// `modello` names the offset as %1 and the values as %2 and on.
bool fallisci(Testo* errore, size_t offset, std::string_view modello, std::vector<std::string> valori = {}) {
  valori.insert(valori.begin(), std::to_string(offset));
  *errore = Testo{modello, std::move(valori)};
  return false;
}

// Decodes the table record at the front of `*in`, the mirror of the encoder,
// and moves past it; false when the file ends inside the record.
bool decodifica_elemento(std::string_view* in, Elemento* e) {
  uint16_t n = 0;
  return GetU8(in, &e->tipo) && GetI32(in, &e->dato1) && GetI32(in, &e->dato2) && GetI32(in, &e->dato3) &&
         GetU8(in, &e->segno) && GetU16(in, &n) && GetBytes(in, n, &e->testo) && GetI16(in, &e->intero1) &&
         GetI16(in, &e->intero2) && GetI16(in, &e->intero3) && GetI16(in, &e->intero4) &&
         GetI16(in, &e->intero5) && GetU8(in, &e->byte1) && GetU8(in, &e->byte2) && GetU8(in, &e->byte3) &&
         GetU8(in, &e->byte4) && GetI32(in, &e->dato4);
}

// Decodes the cell record at the front of `*in` and moves past it; the caller
// has checked that a whole record is there.
bool decodifica_cella(std::string_view* in, Cella* c) {
  return GetU8(in, &c->tipo) && GetI16(in, &c->valore_a) && GetI16(in, &c->valore_b) && GetI16(in, &c->valore_c) &&
         GetI16(in, &c->valore_d) && GetU8(in, &c->tempo) && GetU8(in, &c->avviso) && GetU8(in, &c->montagna) &&
         GetU8(in, &c->velocita) && GetU8(in, &c->pendenza) && GetU8(in, &c->aderenza);
}

// The reason a file of the kind is too large: its size as %1, the largest as %2.
std::string_view troppo_grande(TipoCompilato tipo) {
  switch (tipo) {
    case TipoCompilato::kTabella: return N_("%1 bytes, more than the largest table file the compiler writes (%2 bytes)");
    case TipoCompilato::kCelle: return N_("%1 bytes, more than the largest cell file the compiler writes (%2 bytes)");
    case TipoCompilato::kTracciato:
      return N_("%1 bytes, more than the largest plan file the compiler writes (%2 bytes)");
  }
  return "";
}

bool dimensione_accettabile(TipoCompilato tipo, std::string_view dati, Testo* errore) {
  std::optional<Testo> perche = dimensione_non_valida(tipo, dati.size());
  if (!perche) return true;
  *errore = std::move(*perche);
  return false;
}

// The rows of the longest line's plan, in each column.
size_t righe_massime_tracciato() {
  return static_cast<size_t>(dimensioni_linea(kLunghezzaMassima).lunghezza_tracciato) + 1;
}

// The size of a plan point with tag `tag`; 0 for a tag a plan never holds.
size_t dimensione_punto(uint16_t tag) {
  if (tag == static_cast<uint16_t>(TagPunto::kVuoto)) return 2;
  if (tag == static_cast<uint16_t>(TagPunto::kIntero)) return 4;
  if (tag == static_cast<uint16_t>(TagPunto::kReale)) return 10;
  return 0;
}

}  // namespace

uint64_t dimensione_massima(TipoCompilato tipo) {
  switch (tipo) {
    case TipoCompilato::kTabella: return uint64_t{kRigheElementi} * (kRecordElementoFisso + 0xFFFF);
    case TipoCompilato::kCelle:
      return (static_cast<uint64_t>(dimensioni_linea(kLunghezzaMassima).ultima_cella) + 1) * kRecordCella;
    case TipoCompilato::kTracciato: return 2 * uint64_t{righe_massime_tracciato()} * dimensione_punto(5);
  }
  return 0;
}

std::optional<Testo> dimensione_non_valida(TipoCompilato tipo, uint64_t byte) {
  if (byte == 0) return Testo{N_("it is empty"), {}};
  const uint64_t massima = dimensione_massima(tipo);
  if (byte <= massima) return std::nullopt;
  return Testo{troppo_grande(tipo), {std::to_string(byte), std::to_string(massima)}};
}

bool decodifica_elementi(std::string_view dati, Elementi* elementi, Testo* errore) {
  if (!dimensione_accettabile(TipoCompilato::kTabella, dati, errore)) return false;
  std::string_view resto = dati;
  for (int riga = 0; riga < kRigheElementi; ++riga) {
    const size_t inizio = dati.size() - resto.size();
    if (!decodifica_elemento(&resto, &(*elementi)[static_cast<size_t>(riga)])) {
      return fallisci(errore, inizio, N_("offset %1: the file ends inside row %2 (a table has 87 rows)"),
                      {std::to_string(riga)});
    }
  }
  if (!resto.empty()) {
    return fallisci(errore, dati.size() - resto.size(), N_("offset %1: %2 bytes after row 86 (a table has 87 rows)"),
                    {std::to_string(resto.size())});
  }
  return true;
}

bool decodifica_celle(std::string_view dati, std::vector<Cella>* celle, Testo* errore) {
  if (!dimensione_accettabile(TipoCompilato::kCelle, dati, errore)) return false;
  if (dati.size() % kRecordCella != 0) {
    return fallisci(errore, dati.size() - dati.size() % kRecordCella,
                    N_("offset %1: size %2 is not a multiple of 15 (one cell is 15 bytes)"),
                    {std::to_string(dati.size())});
  }
  celle->assign(dati.size() / kRecordCella, Cella{});
  std::string_view resto = dati;
  for (Cella& c : *celle) decodifica_cella(&resto, &c);
  return true;
}

bool decodifica_tracciato(std::string_view dati, PuntiTracciato* tracciato, Testo* errore) {
  const LeggiPezzo leggi = [dati](uint64_t posizione, char* dove, size_t quanti) {
    if (posizione >= dati.size()) return size_t{0};
    const std::string_view pezzo = dati.substr(static_cast<size_t>(posizione), quanti);
    std::memcpy(dove, pezzo.data(), pezzo.size());
    return pezzo.size();
  };
  return decodifica_tracciato(leggi, dati.size(), tracciato, errore);
}

}  // namespace scenario
