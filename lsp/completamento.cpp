#include "lsp/completamento.h"

#include <optional>
#include <string>

#include "lsp/sezioni.h"
#include "readers/vocabolario.h"

namespace scenario::lsp {
namespace {

using json = tool::Json;

// The protocol's CompletionItemKind and InsertTextFormat numbers.
constexpr int kParolaChiave = 14;
constexpr int kModulo = 9;
constexpr int kFrammento = 2;

}  // namespace

json completamenti(const Righe& righe, size_t riga, size_t byte, Descrizione descrizione) {
  json voci_fuori = json::array();
  const std::string_view r = righe.riga(riga);
  if (campi_riga(r)[0].fine < byte) return voci_fuori;  // past the key field: values, nothing to offer
  const std::optional<Parte> parte = parte_alla_riga(righe, riga, descrizione);
  int ordine = 0;
  if (parte) {
    for (const Voce& v : voci()) {
      if (v.parte != *parte) continue;
      // A curve is offered by its key word: the snippet then chooses side and digit.
      const bool curva = v.parole.chiave == parole::kCurva.chiave;
      json voce = {{"label", std::string(curva ? parole::kCurva.prima : v.parole.chiave)},
                   {"kind", kParolaChiave},
                   {"detail", elenco_campi(v)},
                   {"insertText", frammento(v)},
                   {"insertTextFormat", kFrammento},
                   {"sortText", std::to_string(100 + ordine++)}};
      const std::string_view guida = entrata_guida(v);
      if (!guida.empty()) voce["documentation"] = {{"kind", "markdown"}, {"value", std::string(guida)}};
      voci_fuori.push_back(std::move(voce));
    }
  }
  for (const Titolo& t : titoli(descrizione)) {
    // Before "[generale]" only it makes sense; after it, every heading but it.
    if ((t.testo == "[generale]") == parte.has_value()) continue;
    voci_fuori.push_back({{"label", std::string(t.testo)},
                          {"kind", kModulo},
                          {"detail", t.contenuto.empty() ? "section heading"
                                                         : "section heading: " + std::string(t.contenuto)},
                          {"sortText", std::to_string(200 + ordine++)}});
  }
  return voci_fuori;
}

}  // namespace scenario::lsp
