#include "verifica/controlli_voci.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "model/modello.h"
#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "testi/citazione.h"
#include "verifica/orario_minimo.h"
#include "verifica/tipi_diagnostica.h"
#include "verifica/valori_senza_senso.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
namespace {

// A cell field keeps a gradient as the value plus 100 in one unsigned byte.
constexpr int32_t kPendenzaMinima = -100;
constexpr int32_t kPendenzaMassima = 155;
constexpr int32_t kAderenzaMassima = 255;
constexpr size_t kTestoMassimo = 65535;  // a text's 16-bit length
constexpr int32_t kCodiceLettura = 25;   // the reading failure the program records for a value too wide

Diagnostica su(const VoceLetta& v, const Dove& dove, const TipoDiagnostica& tipo, std::string messaggio) {
  Diagnostica d = nuova_diagnostica(tipo);
  d.file = std::string(v.file);
  d.riga = dove.riga;
  d.colonna = dove.colonna;
  d.larghezza = std::max<size_t>(dove.larghezza, 1);
  d.messaggio = std::move(messaggio);
  return d;
}

// The kept byte of a value, read back as the field means it.
int32_t come_pendenza(int32_t v) { return static_cast<int32_t>(static_cast<uint8_t>(static_cast<uint32_t>(v) + 100u)) - 100; }
int32_t come_byte(int32_t v) { return static_cast<uint8_t>(static_cast<uint32_t>(v)); }

void valori_stretti(const VoceLetta& v, std::vector<Diagnostica>* out) {
  if (v.valori.size() < 2) return;
  const int32_t valore = v.valori[1];
  if (e_voce(v, parole::kPendenza) && (valore < kPendenzaMinima || valore > kPendenzaMassima)) {
    Diagnostica d = su(v, v.dove_valori[1], tipo::kValoreAvvolto,
                       componi(traduci("gradient %1 per mille would be stored as %2"),
                               {std::to_string(valore), std::to_string(come_pendenza(valore))}));
    d.suggerimento = componi(traduci("a cell holds gradients from %1 to %2 per mille"),
                             {std::to_string(kPendenzaMinima), std::to_string(kPendenzaMassima)});
    out->push_back(std::move(d));
  }
  if (e_voce(v, parole::kAderenza) && (valore < 0 || valore > kAderenzaMassima)) {
    Diagnostica d = su(v, v.dove_valori[1], tipo::kValoreAvvolto,
                       componi(traduci("adhesion %1 would be stored as %2"),
                               {std::to_string(valore), std::to_string(come_byte(valore))}));
    d.suggerimento = componi(traduci("a cell holds adhesion values from 0 to %1"), {std::to_string(kAderenzaMassima)});
    out->push_back(std::move(d));
  }
}

void testo(const VoceLetta& v, std::vector<Diagnostica>* out) {
  if (!e_voce(v, parole::kStazione) && !e_voce(v, parole::kCartello)) return;
  if (v.testo.size() > kTestoMassimo) {
    Diagnostica d = su(v, v.dove_testo, tipo::kTestoLungo,
                       componi(traduci("a text of %1 bytes does not fit its 16-bit length"),
                               {std::to_string(v.testo.size())}));
    d.larghezza = 1;
    d.codice = kCodiceLettura;
    d.suggerimento = componi(traduci("a name or a signpost text holds at most %1 bytes"), {std::to_string(kTestoMassimo)});
    out->push_back(std::move(d));
  }
  const auto controllo = std::find_if(v.testo.begin(), v.testo.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
  });
  if (controllo != v.testo.end()) {
    Dove dove = v.dove_testo;
    dove.colonna += static_cast<size_t>(controllo - v.testo.begin());
    dove.larghezza = 1;
    out->push_back(su(v, dove, tipo::kCarattereControllo,
                      traduci("the text holds a control character, which the simulator shows as it can")));
  }
}

// The objects that stand at a position, with their names; the first value
// of each is its position.
constexpr std::array<std::pair<ParolaChiave, const char*>, 7> kOggetti{{
    {parole::kSegnale, N_("signal")},
    {parole::kRallentamento, N_("slowdown")},
    {parole::kAbbattimento, N_("abbattimento")},
    {parole::kStazione, N_("station")},
    {parole::kCartello, N_("signpost")},
    {parole::kIndicatori, N_("speed indicators")},
    {parole::kMontagna, N_("mountain section")},
}};

const char* nome_oggetto(const VoceLetta& v) {
  for (const auto& [parole, nome] : kOggetti) {
    if (e_voce(v, parole)) return nome;
  }
  return nullptr;
}

void nel_margine(const VoceLetta& v, int32_t lunghezza, std::vector<Diagnostica>* out) {
  const char* nome = nome_oggetto(v);
  if (nome == nullptr || v.valori.empty() || v.valori[0] <= lunghezza) return;
  Diagnostica d = su(v, v.dove_valori[0], tipo::kNelMargine,
                     componi(traduci("%1 at %2 m lies after the end of the line (%3 m)"),
                             {traduci(nome), std::to_string(v.valori[0]), std::to_string(lunghezza)}));
  d.suggerimento = traduci("the cells after the end are spare room the train never reaches");
  out->push_back(std::move(d));
}

void oltre_ultima_stazione(const Traccia& t, std::vector<Diagnostica>* out) {
  const VoceLetta* ultima = nullptr;
  for (const VoceLetta& v : t.voci) {
    if (e_voce(v, parole::kStazione) && !v.valori.empty() && (ultima == nullptr || v.valori[0] > ultima->valori[0])) {
      ultima = &v;
    }
  }
  if (ultima == nullptr) return;
  for (const VoceLetta& v : t.voci) {
    if (!e_voce(v, parole::kRallentamento) || v.valori.size() < 3) continue;
    const int64_t fine = static_cast<int64_t>(v.valori[0]) + v.valori[2];
    if (fine <= ultima->valori[0]) continue;
    Diagnostica d = su(v, v.dove_valori[2], tipo::kRallentamentoOltre,
                       componi(traduci("slowdown from %1 m to %2 m runs past the last station, %3 at %4 m"),
                               {std::to_string(v.valori[0]), std::to_string(fine), testo_visibile(ultima->testo),
                                std::to_string(ultima->valori[0])}));
    d.suggerimento = traduci("the train stops at the last station and never reaches the slowdown's end");
    out->push_back(std::move(d));
  }
}

// A system the author wrote is kept when one of rows 81 to 83 holds it as
// the ordering writes it (a decreasing system's value grows by 100).
void progressive(const Compilatore& stato, const Traccia& t, std::vector<Diagnostica>* out) {
  constexpr std::array<std::pair<ParolaChiave, const char*>, 3> kSistemi{
      {{parole::kProgressivaUno, "uno"}, {parole::kProgressivaDue, "due"}, {parole::kProgressivaTre, "tre"}}};
  // The last entry of each system is the one the ordering sees.
  std::array<const VoceLetta*, 3> ultime{};
  int64_t somma_inizi = 0;
  for (size_t i = 0; i < kSistemi.size(); ++i) {
    for (const VoceLetta& v : t.voci) {
      if (e_voce(v, kSistemi[i].first) && v.valori.size() >= 3) ultime[i] = &v;
    }
    if (ultime[i] != nullptr) somma_inizi += ultime[i]->valori[0];
  }
  for (size_t i = 0; i < kSistemi.size(); ++i) {
    const VoceLetta* ultima = ultime[i];
    const char* nome = kSistemi[i].second;
    if (ultima == nullptr) continue;
    const int32_t inizio = ultima->valori[0], valore = ultima->valori[1], direzione = ultima->valori[2];
    if (inizio == 0 && valore == 0 && direzione == 0) continue;
    const int64_t atteso = static_cast<int64_t>(valore) + (direzione == 1 ? 100 : 0);
    bool tenuto = false;
    for (int r : {kRigaProgressivaTre, kRigaProgressivaDue, kRigaProgressivaUno}) {
      const Elemento& e = stato.elementi[static_cast<size_t>(r)];
      tenuto = tenuto || (e.dato1 == inizio && e.dato2 == atteso && e.dato3 == direzione);
    }
    if (tenuto) continue;
    Diagnostica d = su(*ultima, ultima->chiave, tipo::kProgressivaPersa,
                       componi(traduci("kilometre-post system \"%1\" (start %2 m, value %3 m) is dropped"),
                               {nome, std::to_string(inizio), std::to_string(valore)}));
    d.suggerimento = somma_inizi != 0 ? traduci("two systems share the furthest start, so the ordering clears all "
                                                "three: give each system a start of its own")
                                      : traduci("every system starts at 0 and none has a value above 0, so the "
                                                "ordering clears all three");
    out->push_back(std::move(d));
  }
}

}  // namespace

std::vector<Diagnostica> controlla_voci(const Compilatore& stato, const Traccia& traccia,
                                        const std::string& file_treno) {
  std::vector<Diagnostica> out;
  if (traccia.treno_letto && !traccia.generale_treno) {
    Diagnostica d = nuova_diagnostica(tipo::kSenzaGenerale);
    d.file = file_treno;
    d.messaggio = traduci("no \"[generale]\" in the train description: none of it is read");
    d.suggerimento = traduci("begin the train's entries with a line \"[generale]\"");
    out.push_back(std::move(d));
  }
  const int32_t lunghezza = stato.elementi[kRigaValoriCorsa].dato2;
  for (const VoceLetta& v : traccia.voci) {
    valori_stretti(v, &out);
    testo(v, &out);
    nel_margine(v, lunghezza, &out);
  }
  if (traccia.troncata) {
    Diagnostica d = nuova_diagnostica(tipo::kRegistroPieno);
    d.file = traccia.file_troncata.empty() ? file_treno : std::string(traccia.file_troncata);
    d.messaggio = componi(traduci("more than %1 entries: the values of the later ones are not checked"),
                          {std::to_string(Traccia::kMassimoVoci)});
    out.push_back(std::move(d));
  }
  oltre_ultima_stazione(traccia, &out);
  progressive(stato, traccia, &out);
  for (Diagnostica& d : valori_senza_senso(stato, traccia)) out.push_back(std::move(d));
  for (Diagnostica& d : controlla_orario(stato, traccia)) out.push_back(std::move(d));
  return out;
}

}  // namespace scenario::tool
