#include "verifica/chiave_fuori_posto.h"

#include <string>
#include <vector>

#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "readers/lettore_campi.h"
#include "readers/lettura_descrizione.h"
#include "readers/vocabolario.h"
#include "testi/citazione.h"

namespace scenario::tool {
namespace {

bool di(std::string_view campo, const std::vector<ParolaChiave>& chiavi) {
  for (const ParolaChiave& c : chiavi) {
    if (chiave_vale(campo, c.prima, c.seconda, false)) return true;
  }
  return false;
}

}  // namespace

bool spiega_fuori_posto(std::string_view campo, bool di_linea, Diagnostica* d) {
  const std::string visibile = testo_visibile(campo);
  if (contiene(campo, "-")) {
    // Any field with a dash is a comment, unless the run of comments before
    // it was already as long as the reader passes over.
    d->messaggio = componi(traduci("the comment \"%1\" is read as a key: too many comment lines in a row"), {visibile});
    d->suggerimento = di_linea ? traduci("the line description passes over 10 comment fields in a row in its general "
                                         "section and 2 after it; put an entry between them, or join them")
                               : traduci("the train description passes over at most 2 comment fields in a row; put an "
                                         "entry between them, or join them");
    return true;
  }
  if (di_linea && di(campo, parole_chiave_treno())) {
    d->messaggio = componi(traduci("\"%1\" is a key of the train description, not of the line description"), {visibile});
    d->suggerimento = traduci("move the entry to the train description");
    return true;
  }
  if (!di_linea && (di(campo, parole_chiave_generali()) || di(campo, parole_chiave_oggetti()))) {
    d->messaggio = componi(traduci("\"%1\" is a key of the line description, not of the train description"), {visibile});
    d->suggerimento = traduci("move the entry to the line description");
    return true;
  }
  if (di_linea && di(campo, parole_chiave_oggetti())) {
    d->messaggio = componi(traduci("\"%1\" stands in the general section, which does not take it"), {visibile});
    d->suggerimento = traduci("put it after the general section, under its heading ([curve], [pendenze], [montagne], "
                              "[cartelli] or [indicazioni]): the general section ends at the first heading such as "
                              "[curve]");
    return true;
  }
  if (di_linea && di(campo, parole_chiave_generali())) {
    d->messaggio = componi(traduci("\"%1\" stands after the general section, which alone takes it"), {visibile});
    d->suggerimento = traduci("move it under [generale], before the first heading such as [curve]");
    return true;
  }
  return false;
}

bool spiega_prima_di_generale(std::string_view campo, bool di_linea, Diagnostica* d) {
  // A key of its own description first, as its reader would take it.
  const bool generale = di(campo, di_linea ? parole_chiave_generali() : parole_chiave_treno());
  const bool oggetto = !generale && di_linea && di(campo, parole_chiave_oggetti());
  const bool dell_altra = !generale && !oggetto &&
                          (di_linea ? di(campo, parole_chiave_treno())
                                    : di(campo, parole_chiave_generali()) || di(campo, parole_chiave_oggetti()));
  if (!generale && !oggetto && !dell_altra) return false;
  d->messaggio = componi(traduci("\"%1\" stands before [generale]: everything before that heading is passed over, "
                                 "and the entry is not read"),
                         {testo_visibile(campo)});
  if (dell_altra) {
    d->suggerimento = di_linea ? traduci("move the entry to the train description, after its [generale]")
                               : traduci("move the entry to the line description, after its [generale]");
  } else if (oggetto) {
    d->suggerimento = traduci("put it after the general section, under its heading ([curve], [pendenze], [montagne], "
                              "[cartelli] or [indicazioni]): the general section ends at the first heading such as "
                              "[curve]");
  } else if (di_linea) {
    d->suggerimento = traduci("move it under [generale], before the first heading such as [curve]");
  } else {
    d->suggerimento = traduci("move it after [generale]: the train description is read from that heading on");
  }
  return true;
}

}  // namespace scenario::tool
