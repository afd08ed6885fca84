#include "verifica/verifica.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <iterator>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "model/codici_errore.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "readers/lettura_descrizione.h"
#include "readers/vocabolario.h"
#include "testi/citazione.h"
#include "testi/utf8_1252.h"
#include "verifica/chiave_fuori_posto.h"
#include "verifica/chiave_sconosciuta.h"
#include "verifica/codifica_larga.h"
#include "verifica/controlli_voci.h"
#include "verifica/intestazione_simile.h"
#include "verifica/motivo_lettura.h"
#include "verifica/recupero.h"
#include "verifica/riepilogo.h"
#include "verifica/righe_in_ordine.h"
#include "verifica/spiega_guasti.h"
#include "verifica/tipi_diagnostica.h"
#include "verifica/voci_prima_di_generale.h"

namespace scenario::tool {
namespace {

// Runs of the compile step a check makes at most to read on past faults. A
// run reads from a point before the fault it reads past, not from the start,
// so the bound on the bytes the runs read (verifica/recupero.h) is the one
// that tells in a long text.
constexpr size_t kMassimoProve = 1000;
// A run after the first takes up the reading of the one before it at its
// last point before the blanked line. The readers hand over a point every
// `passo` bytes of text, and the last kRipreseTenute of them are kept: a run
// reads again about a step, and a point costs a copy of the model (the cells
// of a 1000 km line are some hundred KiB). A step of 1/512 of the pair, from
// 4 KiB to 128 KiB.
constexpr size_t kPassoMinimo = size_t{4} << 10;
constexpr size_t kPassoMassimo = size_t{128} << 10;
constexpr size_t kRipreseTenute = 3;

// A description as the check reads it: the text the program would compile,
// and the text the diagnostics read and quote (the same unless a UTF-8 text
// holds a character with no place in Windows-1252: the program would then
// compile the UTF-8 bytes, the diagnostics read the text converted). Both are
// views of the author's bytes or of the one converted copy: a long text is
// held once, or twice when it was UTF-8.
struct DescrizioneLetta {
  DescrizioneLetta() = default;
  DescrizioneLetta(const DescrizioneLetta&) = delete;  // the views may point into `convertito`
  DescrizioneLetta& operator=(const DescrizioneLetta&) = delete;

  std::string convertito;  // the text converted from UTF-8, if it was
  std::string_view esatto;
  std::string_view letto;
  std::vector<Diagnostica> codifica;  // the UTF-8 note or errors
};

std::string codice_u(uint32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", c);
  return buf;
}

void prepara(const TestoDescrizione& t, DescrizioneLetta& out) {
  out.esatto = t.testo;
  out.letto = t.testo;
  if (const std::optional<std::string_view> larga = codifica_larga(t.testo)) {
    Diagnostica d = nuova_diagnostica(tipo::kCodificaLarga);
    d.file = t.nome;
    d.riga = 1;
    d.colonna = 1;
    d.messaggio = componi(traduci("the description is %1: the compiler reads 8-bit text, and takes its zero bytes "
                                  "for characters"),
                          {std::string(*larga)});
    d.suggerimento = traduci("save it as Windows-1252 or UTF-8");
    out.codifica.push_back(std::move(d));
  }
  // A text of ASCII alone is no UTF-8 to convert: nothing to copy.
  if (std::all_of(t.testo.begin(), t.testo.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return;
  ConversioneUtf8 c = da_utf8(t.testo);
  if (!c.era_utf8) return;
  const IndiceRighe indice(c.testo);
  for (const SenzaPosto& s : c.senza_posto) {
    Diagnostica d = nuova_diagnostica(tipo::kFuori1252);
    d.file = t.nome;
    std::tie(d.riga, d.colonna) = indice.posizione(s.offset);
    d.messaggio = componi(traduci("the character %1 has no place in Windows-1252, the text of the compiled files"),
                          {codice_u(s.carattere)});
    d.suggerimento = traduci("write it another way: the files would hold its UTF-8 bytes, shown garbled");
    out.codifica.push_back(std::move(d));
  }
  if (c.senza_posto.empty()) {
    Diagnostica d = nuova_diagnostica(tipo::kConvertito);
    d.file = t.nome;
    std::tie(d.riga, d.colonna) = indice.posizione(c.primo_convertito);
    d.messaggio = traduci("the description is UTF-8: its text is converted to Windows-1252");
    out.codifica.push_back(std::move(d));
  }
  out.convertito = std::move(c.testo);
  out.letto = out.convertito;
  if (c.senza_posto.empty()) out.esatto = out.convertito;
}

// The reader's warnings as diagnostics. A field that matches no key is told
// once per line: the values of its entry, read as further keys, say nothing
// new. A warning about an entry as a whole points at the entry's key. Of one
// kind in one file only the first are built; the rest are counted.
class DaAvvertimenti {
 public:
  DaAvvertimenti(const std::string& file_linea, const Traccia& traccia) : file_linea_(file_linea), traccia_(traccia) {
    while (fine_linea_ < traccia.voci.size() && traccia.voci[fine_linea_].file == file_linea) ++fine_linea_;
  }

  void aggiungi(const Avvertimento& a, Prova* out) {
    if (a.tipo == kAvvisoProgressive) return;  // told as the systems it drops (controlli_voci)
    Diagnostica d;
    if (a.tipo == kAvvisoChiaveIgnota && !a.valori.empty()) {
      if (a.file == ultima_file_ && a.riga == ultima_riga_) return;
      ultima_file_ = a.file;
      ultima_riga_ = a.riga;
      d = chiave_sconosciuta(a.valori[0], a.file == file_linea_ ? Sezione::kLinea : Sezione::kTreno);
      if (!da_costruire(a.file, d, out)) return;
      if (d.suggerimento.empty()) spiega_fuori_posto(a.valori[0], a.file == file_linea_, &d);
      valore_in_piu(a, &d);
      d.larghezza = a.valori[0].size();
      d.colonna = static_cast<size_t>(std::max(a.colonna, 0));
    } else {
      d = nuova_diagnostica_avviso(a.tipo.empty() ? std::string_view("warning") : a.tipo);
      if (!da_costruire(a.file, d, out)) return;
      std::vector<std::string> valori;
      for (const std::string& v : a.valori) valori.push_back(testo_visibile(v));
      d.messaggio = componi(traduci(a.modello), valori);
      const Dove chiave = chiave_di(a.file, a.riga);
      d.colonna = chiave.colonna > 0 ? chiave.colonna : static_cast<size_t>(std::max(a.colonna, 0));
      d.larghezza = std::max<size_t>(chiave.larghezza, 1);
    }
    d.file = a.file;
    d.riga = a.riga;
    out->altre.push_back(std::move(d));
  }

  // Warnings the model only counted: each is one more of its kind.
  void conta(const AvvertimentiTaciuti& t, Prova* out) {
    const Diagnostica d = nuova_diagnostica_avviso(t.tipo);
    for (Prova::Oltre& o : out->oltre) {
      if (o.file == t.file && o.tipo == d.tipo) {
        o.quante += t.quante;
        return;
      }
    }
    out->oltre.push_back({t.file, d.tipo, d.gravita, t.quante});
  }

 private:
  // Whether the diagnostic is among the first of its kind in its file;
  // otherwise it is counted.
  bool da_costruire(const std::string& file, const Diagnostica& d, Prova* out) {
    size_t& quante = contate_[{file, d.tipo}];
    if (quante < Diagnostiche::kMassimoPerTipo) {
      ++quante;
      return true;
    }
    if (out->oltre.empty() || out->oltre.back().file != file || out->oltre.back().tipo != d.tipo) {
      out->oltre.push_back({file, d.tipo, d.gravita, 0});
    }
    ++out->oltre.back().quante;
    return false;
  }

  // A field where a key belongs, on the line of an entry that has read all
  // its values: the rest of a text a comma cut short, or a value too many,
  // often a decimal comma that cut one in two.
  void valore_in_piu(const Avvertimento& a, Diagnostica* d) const {
    const std::string& campo = a.valori[0];
    const bool numero = !campo.empty() && campo.find_first_not_of("0123456789.") == std::string::npos;
    const VoceLetta* voce = voce_di(a.file, a.riga);
    if (voce == nullptr || valori_della_voce(*voce) == 0) return;
    if (!numero && !voce->testo.empty() && voce->dove_testo.riga == a.riga) {
      // A name or a signpost text ends at a comma: the rest is read as a key.
      d->messaggio = componi(traduci("the text ends at the comma: \"%1\" is stored, \"%2\" is read as a key and ignored"),
                             {testo_visibile(voce->testo), testo_visibile(campo)});
      d->suggerimento = traduci("a name or a signpost text holds no comma: write it without one");
      return;
    }
    if (!numero) return;
    d->messaggio = componi(traduci("a value too many for `%1`, which takes %2: \"%3\" is ignored"),
                           {nome_della_voce(*voce), std::to_string(valori_della_voce(*voce)), testo_visibile(campo)});
    d->suggerimento = traduci("a comma inside a number splits it in two: write whole numbers, with no decimal comma");
  }

  // The key of the entry on that line, found in the record (entries of a file
  // come in order of line).
  Dove chiave_di(const std::string& file, int riga) const {
    const VoceLetta* voce = voce_di(file, riga);
    return voce != nullptr ? voce->chiave : Dove{};
  }

  // The entry whose key stands on that line, or nullptr.
  const VoceLetta* voce_di(const std::string& file, int riga) const {
    const bool di_linea = file == file_linea_;
    const auto da = traccia_.voci.begin() + static_cast<ptrdiff_t>(di_linea ? 0 : fine_linea_);
    const auto a = di_linea ? traccia_.voci.begin() + static_cast<ptrdiff_t>(fine_linea_) : traccia_.voci.end();
    const auto it = std::lower_bound(da, a, riga, [](const VoceLetta& v, int r) { return v.chiave.riga < r; });
    return it != a && it->chiave.riga == riga && it->file == file ? &*it : nullptr;
  }

  const std::string& file_linea_;
  const Traccia& traccia_;
  size_t fine_linea_ = 0;
  std::map<std::pair<std::string, std::string>, size_t> contate_;
  std::string ultima_file_;
  int ultima_riga_ = 0;
};

// Whether line `riga` of the line description holds a length entry: its
// first field passes the reader's test of the length key.
bool voce_lunghezza(RigheInOrdine& righe, int riga) {
  std::string_view campo = righe.riga(riga);
  campo = campo.substr(0, campo.find(','));
  return chiave_vale(campo, parole::kLunghezzaPercorso.prima, parole::kLunghezzaPercorso.seconda,
                     parole::kLunghezzaPercorso.maiuscole);
}

// A length entry that cannot be read is dropped to read on, and the line is
// then left with no length: the fault "no line length entry" a later run
// meets is its effect, not a fault of its own, and is not told.
void togli_lunghezza_mancante(std::vector<Diagnostica>* tutte, const std::string& file_linea, RigheInOrdine& righe) {
  const bool guasta = std::any_of(tutte->begin(), tutte->end(), [&](const Diagnostica& d) {
    return d.codice.has_value() && *d.codice != kErroreSenzaLunghezza && d.file == file_linea && d.riga > 0 &&
           voce_lunghezza(righe, d.riga);
  });
  if (!guasta) return;
  std::erase_if(*tutte, [](const Diagnostica& d) { return d.codice == kErroreSenzaLunghezza; });
}

// A reserved slot in use ends the program before any file is written.
Diagnostica fatale(int32_t codice) {
  Diagnostica d = nuova_diagnostica_guasto(codice);
  d.codice = codice;
  d.messaggio = componi(traduci("%1 (Errore n. %2)"), {traduci(descrizione_errore(codice)), std::to_string(codice)});
  return d;
}

// One run of the compile over texts `l` and `t`, with a record of the
// entries, each fault told while the run's model is at hand. The compile is
// handed back in `compilata`, its record of the entries in `traccia`. The
// compile hands its points to `riprese`, and starts at `da` when given,
// `traccia` being then the record of the run that kept it.
Prova compila_prova(const TestiDaCompilare& testi, std::string_view l, std::string_view t, Compilazione* compilata,
                    Traccia* record, Riprese* riprese, const PuntoLettura* da) {
  TestiDaCompilare p;
  p.linea.nome = testi.linea.nome;
  p.treno.nome = testi.treno.nome;
  p.nome_linea = testi.nome_linea;
  p.numero_treno = testi.numero_treno;
  p.tracciato = testi.tracciato;
  Traccia& traccia = *record;
  if (da == nullptr) {
    traccia = Traccia{};
    traccia.chiave_vicina = chiave_vicina_a;
    traccia.riserva({l, t});
  }
  p.traccia = &traccia;
  p.riprese = riprese;
  p.da = da;
  Compilazione c = compila_testi(p, l, t);
  Prova out;
  out.guasti = c.stato.guasti;
  const VoceLetta* ultima = traccia.aperta();
  for (const Guasto& g : c.stato.guasti) {
    out.spiegazioni.push_back(spiega_guasto(g, c.stato, traccia));
    // An entry whose values ran on into later lines is dropped at its key.
    const bool da_chiave = ultima != nullptr && ultima->file == g.file && ultima->chiave.riga < g.riga;
    out.righe_voce.push_back(da_chiave ? ultima->chiave.riga : g.riga);
  }
  *compilata = std::move(c);
  return out;
}

// The rest of a run's diagnostics, for the run whose diagnostics are kept:
// the readers' warnings, the entries' own checks, the entries before
// "[generale]", a reserved slot in use; and the run's summary.
void completa_prova(const TestiDaCompilare& testi, std::string_view l, std::string_view t, const Compilazione& c,
                    const Traccia& traccia, std::string* riepilogo, Prova* out) {
  DaAvvertimenti avvertimenti(testi.linea.nome, traccia);
  for (const Avvertimento& a : c.stato.avvertimenti) avvertimenti.aggiungi(a, out);
  for (const AvvertimentiTaciuti& taciuti : c.stato.avvertimenti_taciuti) avvertimenti.conta(taciuti, out);
  for (Diagnostica& d : controlla_voci(c.stato, traccia, testi.treno.nome)) out->altre.push_back(std::move(d));
  // The readers pass over what stands before "[generale]": the entries there
  // are found in the texts.
  for (Diagnostica& d : voci_prima_di_generale(l, testi.linea.nome, true)) out->altre.push_back(std::move(d));
  for (Diagnostica& d : voci_prima_di_generale(t, testi.treno.nome, false)) out->altre.push_back(std::move(d));
  if (c.esito.fatale != 0) out->altre.push_back(fatale(c.esito.fatale));
  size_t avvisi = 0;
  for (const Diagnostica& d : out->altre) avvisi += d.gravita == Gravita::kAvviso;
  for (const Prova::Oltre& o : out->oltre) avvisi += o.gravita == Gravita::kAvviso ? o.quante : 0;
  *riepilogo = tool::riepilogo(c.stato, traccia, avvisi);
}

}  // namespace

EsitoVerifica verifica(const RichiestaVerifica& r) {
  EsitoVerifica esito{.esatta = {}, .traccia = {}, .diagnostiche = Diagnostiche(r.severo), .riepilogo = {}};
  DescrizioneLetta linea;
  DescrizioneLetta treno;
  prepara(r.linea, linea);
  prepara(r.treno, treno);

  // The names and settings of the pair; the texts are the views above.
  TestiDaCompilare testi;
  testi.linea.nome = r.linea.nome;
  testi.treno.nome = r.treno.nome;
  testi.nome_linea = r.nome_linea;
  testi.numero_treno = r.numero_treno;
  testi.tracciato = r.tracciato;
  // The first run of the diagnostics reads the texts the program would, and a
  // record changes nothing in a compile: that run is the program's own.
  bool esatta_fatta = false;

  std::string riepilogo;
  // The same bytes as the exact texts: the first run, unless a text is read
  // converted where the program would not convert it.
  auto stessi = [](std::string_view a, std::string_view b) { return a.data() == b.data() && a.size() == b.size(); };
  // The runs' record of the entries: a run that takes up the reading of the
  // one before takes up its record too. The compile of the last run, unless
  // it was the exact one: its diagnostics are completed from it.
  Traccia record;
  Compilazione ultima;
  const size_t passo = std::clamp((linea.letto.size() + treno.letto.size()) / 512, kPassoMinimo, kPassoMassimo);
  Riprese riprese(passo, kRipreseTenute);
  const CompilaProva prova = [&](std::string_view l, std::string_view t, const Cambio* cambio) {
    // A copy: the run's own points may push this one out.
    std::optional<PuntoLettura> da;
    if (cambio != nullptr) {
      riprese.cambiato(cambio->treno, cambio->offset);
      if (const PuntoLettura* ultimo = riprese.ultimo()) da = *ultimo;
    }
    Compilazione c;
    Prova out = compila_prova(testi, l, t, &c, &record, &riprese, da ? &*da : nullptr);
    out.letto_da = da ? da->offset() + (da->di_treno() ? l.size() : 0) : 0;
    const Compilazione* compilata = &ultima;
    if (!esatta_fatta && stessi(l, linea.esatto) && stessi(t, treno.esatto)) {
      esito.esatta = std::move(c);
      compilata = &esito.esatta;
      if (r.con_traccia) esito.traccia = record;
      esatta_fatta = true;
    } else {
      ultima = std::move(c);
    }
    out.completa = [&testi, &record, &riepilogo, l, t, compilata](Prova& p) {
      completa_prova(testi, l, t, *compilata, record, &riepilogo, &p);
    };
    return out;
  };
  EsitoRecupero recupero =
      recupera(linea.letto, treno.letto, r.linea.nome, r.treno.nome, prova, r.recupera ? kMassimoProve : 1);
  if (!esatta_fatta) {
    if (r.con_traccia) testi.traccia = &esito.traccia.emplace();
    esito.esatta = compila_testi(testi, linea.esatto, treno.esatto);
  }
  esito.recupero_al_limite = r.recupera && recupero.al_limite;
  esito.riepilogo = std::move(riepilogo);

  std::vector<Diagnostica> tutte = std::move(linea.codifica);
  tutte.insert(tutte.end(), std::make_move_iterator(treno.codifica.begin()),
               std::make_move_iterator(treno.codifica.end()));
  tutte.insert(tutte.end(), std::make_move_iterator(recupero.diagnostiche.begin()),
               std::make_move_iterator(recupero.diagnostiche.end()));
  // In file order, then line order; what no line holds comes last.
  auto rango = [&](const Diagnostica& d) {
    const int file = d.file == r.linea.nome ? 0 : d.file == r.treno.nome ? 1 : 2;
    return std::pair{file, d.riga > 0 ? d.riga : std::numeric_limits<int>::max()};
  };
  std::stable_sort(tutte.begin(), tutte.end(),
                   [&](const Diagnostica& a, const Diagnostica& b) { return rango(a) < rango(b); });

  RigheInOrdine righe_linea(linea.letto);
  RigheInOrdine righe_treno(treno.letto);
  togli_lunghezza_mancante(&tutte, r.linea.nome, righe_linea);
  for (Diagnostica& d : tutte) {
    // No general section found: a heading near "[generale]" is why.
    if (d.codice == kErroreSenzaGenerale || d.tipo == tipo::kSenzaGenerale.nome) {
      const std::string_view testo = d.file == r.linea.nome ? linea.letto : treno.letto;
      if (const std::optional<IntestazioneSimile> simile = generale_simile(testo)) {
        d.riga = simile->riga;
        d.colonna = simile->colonna;
        d.larghezza = std::max<size_t>(simile->larghezza, 1);
        d.suggerimento = componi(traduci("did you mean `%1`?"), {"[generale]"});
      }
    }
    RigheInOrdine* indice = d.file == r.linea.nome   ? &righe_linea
                            : d.file == r.treno.nome ? &righe_treno
                                                     : nullptr;
    if (indice != nullptr && d.riga > 0 && esito.diagnostiche.da_tenere(d.file, d.tipo)) {
      d.citazione = std::string(indice->riga(d.riga));
    }
    esito.diagnostiche.aggiungi(std::move(d));
  }
  for (const Prova::Oltre& o : recupero.oltre) esito.diagnostiche.conta(o.file, o.tipo, o.gravita, o.quante);
  return esito;
}

}  // namespace scenario::tool
