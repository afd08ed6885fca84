// Completion at a place of a description: in the key field of a line, the
// key words the section's reader tries, each as a snippet of its fields in
// order with their units, and the section headings.
#pragma once

#include "lsp/righe.h"
#include "lsp/voci.h"
#include "testi/json.h"

namespace scenario::lsp {

// The protocol's CompletionItem list for byte `byte` of line `riga`.
tool::Json completamenti(const Righe& righe, size_t riga, size_t byte, Descrizione descrizione);

}  // namespace scenario::lsp
