#include "platform/traduzione.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>

#include "platform/cartella_programma.h"
#include "platform/lingua_richiesta.h"

namespace scenario::tool {
namespace {

constexpr const char* kDominio = "scenario-tool";
bool catalogo_attivo = false;

}  // namespace

void inizializza_traduzioni() {
  // Nothing set, or the C locale: the messages are the English ones.
  const std::optional<std::string> scelta = lingue_richieste();
  if (!scelta || scelta->empty()) return;
  // gettext reads LANGUAGE only under a locale other than C, and takes LANG
  // only when that locale is installed. Messages set to the locale asked for,
  // or else to C.UTF-8, with LANGUAGE naming the choice, make the catalogue
  // depend on the environment alone. Only the messages' category changes:
  // numbers keep the C locale's format in every output.
  const char* attivo = std::setlocale(LC_MESSAGES, "");
  if (attivo == nullptr || locale_c(attivo)) attivo = std::setlocale(LC_MESSAGES, "C.UTF-8");
  if (attivo == nullptr) return;
  if (setenv("LANGUAGE", scelta->c_str(), 1) != 0) return;
  const std::string cartella = cartella_programma();
  if (cartella.empty()) return;
  if (bindtextdomain(kDominio, (cartella + "/../share/locale").c_str()) == nullptr) return;
  bind_textdomain_codeset(kDominio, "UTF-8");
  // The system's reasons (strerror) come from the C library's own catalogue,
  // in the character set of LC_CTYPE, which stays C: ASCII, where an accented
  // letter becomes "?". They are asked for in UTF-8, as the tool's own texts.
  bind_textdomain_codeset("libc", "UTF-8");
  catalogo_attivo = true;
}

std::string traduci(std::string_view testo) {
  std::string inglese(testo);
  // gettext answers the empty text with the catalogue's header.
  if (!catalogo_attivo || inglese.empty()) return inglese;
  return dgettext(kDominio, inglese.c_str());
}

std::string nella_lingua(const Testo& testo) { return componi(traduci(testo.modello), testo.valori); }

}  // namespace scenario::tool
