// The scaffold both description readers share: the outcome of a reading
// step, a field cursor that keeps the compiler's reading context (file, line,
// column) current at every read, fault and warning records, width-checked
// value reads, and the shape of a key table.
//
// A half derives its own reading state from LetturaDescrizione (the line's
// LetturaLinea, the train's LetturaTreno), lists its keys in a table of
// Chiave, and runs applica_chiavi on each key field it reads.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/traccia.h"
#include "readers/lettore_campi.h"
#include "readers/ripresa.h"
#include "readers/vocabolario.h"

namespace scenario {

struct Compilatore;

// How a step of a reading ends.
enum class Esito {
  kAvanti,         // go on reading
  kFineTesto,      // the text ended: the half's closing steps run
  kOltre,          // a position beyond the cell array (kErroreOltreLeCelle): as kFineTesto
  kFermo,          // a fault that ends the reading at once, without the closing steps
  kErroreLettura,  // a value that could not be read (kErroreLettura): as kFermo; the train
                   // half then deletes both texts
};

class LetturaDescrizione {
 public:
  // `nome` names the text in faults and warnings. The text stays the
  // caller's: nothing of it is copied but the fields read.
  LetturaDescrizione(Compilatore& compilatore, std::string nome, std::string_view testo);

  Compilatore& stato;

  // The next field. False when the field read was the text's last (or there
  // was none): that field is never acted on.
  bool leggi_campo(std::string* campo);
  // Passes over every field up to the first that holds "[generale]"; false
  // when the text ended first. The read that takes the text's last field
  // fails the search, even when that field is "[generale]".
  bool passa_a_generale();
  // The next key: a field, passing over up to `commenti` comment fields (a
  // field holding a "-") before it; false as leggi_campo. The key is kept
  // for the entry that reads its values (chiave()).
  bool leggi_chiave(int commenti);
  const std::string& chiave() const { return chiave_; }
  // With a record kept (Compilatore::traccia): the key just read opens an
  // entry of the test of these words, whose values then go into it.
  void apri_voce(std::string_view parola, std::string_view seconda);

  // Value fields of an entry. A field past the end of the text, one that is
  // not a number, or a number too wide for the value records kErroreLettura
  // and gives false; the value is then left as it was.
  bool leggi_valore(int32_t* valore);
  bool leggi_valore(int16_t* valore);
  bool leggi_valore(uint8_t* valore);
  bool leggi_testo(std::string* testo);

  // Where the reading hands its points between two entries (readers/ripresa.h);
  // none when null.
  Riprese* riprese = nullptr;

  // True once the last read took the text's last field.
  bool finito() const { return lettore_.finito(); }

  // Records a fault or a warning where the reading stands: this text, the
  // line and column of the last field read.
  void guasto(int32_t codice);
  void guasto(int32_t codice, int32_t posizione);
  // With a record kept: what a reading failure was met at (LetturaFallita).
  void lettura_fallita(std::string campo, bool fine_testo, int64_t minimo, int64_t massimo);
  void avverti(std::string_view tipo, std::string_view modello, std::vector<std::string> valori);
  // The warning for a field that holds no key word of the half.
  void avverti_chiave_ignota(std::string_view campo);

 protected:
  // The next key of a main loop, as leggi_chiave, handing the reading's
  // point to the Riprese first when it wants one. `cursori` are the half's
  // own, which the point keeps in its member `dove`.
  template <typename C>
  bool prossima_voce(Ciclo ciclo, int commenti, const C& cursori, C PuntoLettura::*dove) {
    if (vuole_punto(ciclo == Ciclo::kVociTreno)) {
      PuntoLettura p = punto(ciclo);
      p.*dove = cursori;
      riprese->tieni(std::move(p));
    }
    return leggi_chiave(commenti);
  }
  // Takes the reading up at `punto`: the field cursor, the reading context,
  // and the half's own cursors from the point's member `dove`.
  template <typename C>
  void riprendi(const PuntoLettura& punto, C* cursori, C PuntoLettura::*dove) {
    riprendi_cursore(punto);
    *cursori = punto.*dove;
  }

 private:
  // Whether the Riprese wants the point of the reading, which stands between
  // two entries of the line (or the train) text.
  bool vuole_punto(bool treno) const { return riprese != nullptr && riprese->vuole(treno, lettore_.posizione()); }
  // The point of the reading in `ciclo`, but the half's own cursors.
  PuntoLettura punto(Ciclo ciclo) const;
  void riprendi_cursore(const PuntoLettura& punto);
  void segna();  // points the compiler's reading context at the last field read
  // Where the last field read stands, `larghezza` bytes long.
  Dove dove(size_t larghezza) const;

  LettoreCampi lettore_;
  std::string nome_;
  std::string chiave_;
  Dove dove_chiave_;
};

// One entry of a key table. A key field matches when it holds both words
// anywhere (in any letter case unless the words say `maiuscole`); every entry that
// matches applies, in the table's order, each reading its own values.
template <typename L>
struct Chiave {
  ParolaChiave parole;  // the words, from readers/vocabolario.h
  Esito (*voce)(L& lettura) = nullptr;
  bool solo_con_tracciato = false;  // a key only while the plan is drawn (genera_tracciato)
};

bool chiave_vale(std::string_view campo, std::string_view parola, std::string_view seconda, bool maiuscole_esatte);

// Applies every entry of `chiavi` that matches the key just read, until one
// ends other than kAvanti. `riconosciuta` tells whether any entry matched.
template <typename L>
Esito applica_chiavi(L& lettura, std::span<const Chiave<L>> chiavi, bool tracciato, bool* riconosciuta) {
  *riconosciuta = false;
  for (const Chiave<L>& c : chiavi) {
    if (c.solo_con_tracciato && !tracciato) continue;
    if (!chiave_vale(lettura.chiave(), c.parole.prima, c.parole.seconda, c.parole.maiuscole)) continue;
    *riconosciuta = true;
    lettura.apri_voce(c.parole.prima, c.parole.seconda);
    if (const Esito e = c.voce(lettura); e != Esito::kAvanti) return e;
  }
  return Esito::kAvanti;
}

// The words of every entry of a key table, in its order.
template <typename L>
std::vector<ParolaChiave> parole_chiave(std::span<const Chiave<L>> chiavi) {
  std::vector<ParolaChiave> parole;
  for (const Chiave<L>& c : chiavi) parole.push_back(c.parole);
  return parole;
}

// A field of the form "[...]": a section heading.
bool intestazione(std::string_view campo);

}  // namespace scenario
