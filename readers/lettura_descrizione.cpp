#include "readers/lettura_descrizione.h"

#include <limits>
#include <utility>

#include "model/codici_errore.h"
#include "model/stato.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"

namespace scenario {
namespace {

// A value narrower than 32 bits: read as 32 bits, then checked for its width.
template <typename T>
bool leggi_stretto(LetturaDescrizione& lettura, T* valore) {
  int32_t letto = 0;
  if (!lettura.leggi_valore(&letto)) return false;
  if (letto < std::numeric_limits<T>::min() || letto > std::numeric_limits<T>::max()) {
    lettura.lettura_fallita(std::to_string(letto), false, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    lettura.guasto(kErroreLettura);
    return false;
  }
  *valore = static_cast<T>(letto);
  return true;
}

// The bytes of `v` written in decimal, as std::to_string writes it, without
// writing it: a check reads millions of values.
size_t larghezza_decimale(int32_t v) {
  size_t n = v < 0 ? 2 : 1;
  for (int64_t resto = v < 0 ? -int64_t{v} : v; resto >= 10; resto /= 10) ++n;
  return n;
}

}  // namespace

LetturaDescrizione::LetturaDescrizione(Compilatore& compilatore, std::string nome, std::string_view testo)
    : stato(compilatore), lettore_(testo), nome_(std::move(nome)) {
  stato.file_corrente = nome_;
  stato.riga_corrente = 0;
  stato.colonna_corrente = 0;
}

PuntoLettura LetturaDescrizione::punto(Ciclo ciclo) const {
  PuntoLettura p;
  p.ciclo = ciclo;
  p.cursore = lettore_;
  p.stato = stato;
  p.stato.traccia = nullptr;
  if (stato.traccia != nullptr) p.traccia = stato.traccia->segno();
  return p;
}

void LetturaDescrizione::riprendi_cursore(const PuntoLettura& punto) {
  lettore_ = LettoreCampi(lettore_.testo(), punto.cursore);
  stato.file_corrente = punto.stato.file_corrente;
  stato.riga_corrente = punto.stato.riga_corrente;
  stato.colonna_corrente = punto.stato.colonna_corrente;
}

void LetturaDescrizione::segna() {
  stato.file_corrente = nome_;
  stato.riga_corrente = lettore_.riga();
  stato.colonna_corrente = lettore_.colonna();
}

bool LetturaDescrizione::leggi_campo(std::string* campo) {
  const Lettura esito = lettore_.leggi_testo(campo);
  segna();
  return esito == Lettura::kOk && !lettore_.finito();
}

bool LetturaDescrizione::passa_a_generale() {
  std::string campo;
  while (leggi_campo(&campo)) {
    if (contiene_senza_maiuscole(campo, "[generale]")) return true;
  }
  return false;
}

bool LetturaDescrizione::leggi_chiave(int commenti) {
  if (!leggi_campo(&chiave_)) return false;
  // A value field is read by its key's entry, so a negative value such as -4
  // never reaches this rule.
  for (int i = 0; i < commenti && contiene(chiave_, "-"); ++i) {
    if (!leggi_campo(&chiave_)) return false;
  }
  dove_chiave_ = dove(chiave_.size());
  return true;
}

Dove LetturaDescrizione::dove(size_t larghezza) const {
  return Dove{lettore_.riga(), static_cast<size_t>(lettore_.colonna()), larghezza};
}

void LetturaDescrizione::apri_voce(std::string_view parola, std::string_view seconda) {
  Traccia* traccia = stato.traccia;
  if (traccia == nullptr) return;
  const std::string_view file = traccia->nome(nome_);
  // Past the limit the one entry kept is cleared in place: its buffers serve
  // every entry read after, which may be millions.
  VoceLetta* voce = &traccia->oltre;
  if (traccia->apri(file)) {
    voce = &traccia->voci.emplace_back();
  } else {
    voce->valori.clear();
    voce->dove_valori.clear();
    voce->testo.clear();
    voce->dove_testo = {};
  }
  voce->parola = parola;
  voce->seconda = seconda;
  voce->file = file;
  voce->chiave = dove_chiave_;
}

bool LetturaDescrizione::leggi_valore(int32_t* valore) {
  const Lettura esito = lettore_.leggi_numero(valore);
  segna();
  if (esito == Lettura::kOk) {
    if (VoceLetta* voce = stato.traccia != nullptr ? stato.traccia->aperta() : nullptr) {
      voce->valori.push_back(*valore);
      voce->dove_valori.push_back(dove(larghezza_decimale(*valore)));
    }
    return true;
  }
  lettura_fallita(std::string(lettore_.campo()), esito == Lettura::kFineFile, std::numeric_limits<int32_t>::min(),
                  std::numeric_limits<int32_t>::max());
  guasto(kErroreLettura);
  return false;
}

void LetturaDescrizione::lettura_fallita(std::string campo, bool fine_testo, int64_t minimo, int64_t massimo) {
  if (stato.traccia == nullptr) return;
  LetturaFallita& f = stato.traccia->lettura_fallita;
  f.campo = std::move(campo);
  f.fine_testo = fine_testo;
  f.minimo = minimo;
  f.massimo = massimo;
}

bool LetturaDescrizione::leggi_valore(int16_t* valore) { return leggi_stretto(*this, valore); }

bool LetturaDescrizione::leggi_valore(uint8_t* valore) { return leggi_stretto(*this, valore); }

bool LetturaDescrizione::leggi_testo(std::string* testo) {
  const Lettura esito = lettore_.leggi_testo(testo);
  segna();
  if (esito == Lettura::kOk) {
    if (VoceLetta* voce = stato.traccia != nullptr ? stato.traccia->aperta() : nullptr) {
      voce->testo = *testo;
      voce->dove_testo = dove(testo->size());
    }
    return true;
  }
  lettura_fallita({}, true, 0, 0);
  guasto(kErroreLettura);
  return false;
}

void LetturaDescrizione::guasto(int32_t codice) { stato.registra(codice); }

void LetturaDescrizione::guasto(int32_t codice, int32_t posizione) { stato.registra(codice, posizione); }

void LetturaDescrizione::avverti(std::string_view tipo, std::string_view modello, std::vector<std::string> valori) {
  stato.avverti(tipo, modello, std::move(valori));
}

void LetturaDescrizione::avverti_chiave_ignota(std::string_view campo) {
  // Of a long field only its start is kept: a warning quotes it, and a field
  // of megabytes would otherwise be copied into every warning and test of it.
  // What is kept is still longer than any field a check measures against the
  // keys (and than the 1000 bytes an editor is shown).
  constexpr size_t kCampoTenuto = 1024;
  avverti(kAvvisoChiaveIgnota, N_("field \"%1\" holds no key word: ignored"),
          {std::string(campo.substr(0, kCampoTenuto))});
}

bool chiave_vale(std::string_view campo, std::string_view parola, std::string_view seconda, bool maiuscole_esatte) {
  if (maiuscole_esatte) return contiene(campo, parola) && contiene(campo, seconda);
  return contiene_senza_maiuscole(campo, parola) && contiene_senza_maiuscole(campo, seconda);
}

bool intestazione(std::string_view campo) { return campo.size() >= 2 && campo.front() == '[' && campo.back() == ']'; }

}  // namespace scenario
