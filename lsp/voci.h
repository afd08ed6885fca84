// The entries of the two descriptions as the editor shows them: each entry
// of the readers' vocabulary (its key, the words its reader looks for, its
// fields in order with their units) with the part of the description it
// belongs to and the heading of its entry in the guide. Hover, completion and
// the outline all read this one table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "readers/vocabolario.h"

namespace scenario::lsp {

enum class Descrizione { kLinea, kTreno };
enum class Parte { kGenerale, kOggetti, kTreno };

// A field of an entry and what its value means: the readers' vocabulary's.
using Campo = CampoVoce;
using Senso = SensoCampo;

struct Voce {
  ParolaChiave parole;      // the key, its reader's test and its fields: the readers' vocabulary
  Parte parte;
  std::string_view titolo;  // what the guide's heading of the entry holds
};

// Every entry, in the order the readers try them.
std::span<const Voce> voci();

// The entry a key field is read as in that part; none when no test matches.
const Voce* voce_di(std::string_view campo, Parte parte);

// The guide's text of an entry: its heading and what follows up to the next
// heading; empty when the guide has no such heading.
std::string_view entrata_guida(const Voce& v);

// The snippet completion inserts: the key, then each field as a placeholder.
std::string frammento(const Voce& v);
// "position (m), gradient (per mille)"
std::string elenco_campi(const Voce& v);

// The guide, docs/descrizioni.md, as built into the program.
std::string_view testo_guida();

}  // namespace scenario::lsp
