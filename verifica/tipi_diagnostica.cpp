#include "verifica/tipi_diagnostica.h"

#include <array>
#include <string>

namespace scenario::tool {
namespace {

constexpr std::array<TipoDiagnostica, 15> kTipi{{
    {"unknown-key", Gravita::kErrore, "a key one or two letters away from a real one: its entry is dropped"},
    {"no-key", Gravita::kAvviso, "a field where a key belongs that is near no key: passed over"},
    {"no-general", Gravita::kErrore, "the train description has no [generale]: nothing of it is read"},
    {"value-wrapped", Gravita::kErrore, "a value outside what its byte or word stores would be kept wrapped"},
    {"text-too-long", Gravita::kErrore, "a text longer than its 16-bit length would be cut"},
    {"km-post-dropped", Gravita::kErrore, "a kilometre-post system the ordering of the three drops"},
    {"no-windows-1252", Gravita::kErrore, "a UTF-8 character with no place in Windows-1252"},
    {"in-margin", Gravita::kAvviso, "an object after the end of the line, in the spare cells the train never reaches"},
    {"slowdown-past-end", Gravita::kAvviso, "a slowdown that runs past the last station"},
    {"control-character", Gravita::kAvviso, "a control character in a name or a signpost text"},
    {"out-of-order", Gravita::kAvviso, "an entry before one it follows in the file"},
    {"without-effect", Gravita::kAvviso, "an entry that earlier entries make useless in whole or in part"},
    {"replaced", Gravita::kAvviso, "a mark or a stopping cell that a later entry replaces"},
    {"converted-from-utf-8", Gravita::kNota, "a UTF-8 description converted to Windows-1252"},
    {"record-full", Gravita::kNota, "a pair of more than 100000 entries: the later ones' values are not checked"},
}};

}  // namespace

std::span<const TipoDiagnostica> tipi_diagnostica() { return kTipi; }

const TipoDiagnostica* cerca_tipo(std::string_view nome) {
  for (const TipoDiagnostica& t : kTipi) {
    if (t.nome == nome) return &t;
  }
  return nullptr;
}

std::string nome_tipo_guasto(int codice) { return "fault-" + std::to_string(codice); }

Diagnostica nuova_diagnostica(std::string_view tipo) {
  Diagnostica d;
  d.tipo = std::string(tipo);
  const TipoDiagnostica* voce = cerca_tipo(tipo);
  d.gravita = voce != nullptr ? voce->gravita : Gravita::kErrore;
  return d;
}

}  // namespace scenario::tool
