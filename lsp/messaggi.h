// The protocol's framing over a byte stream: each message is a header block
// ("Content-Length: N", any other header ignored, ended by an empty line)
// followed by N bytes of JSON.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

namespace scenario::lsp {

// The largest message read: well above a description of 64 MiB written as a
// JSON string.
constexpr size_t kMessaggioMassimo = size_t{256} << 20;

enum class Lettura { kMessaggio, kFine, kScartato };

// Reads the next message's body into `corpo`. kFine: the stream ended (or a
// header block made no sense and the stream cannot be followed further).
// kScartato: a message too large, skipped; its bytes are read and dropped.
Lettura leggi_messaggio(std::istream& in, std::string* corpo);

// Writes one message and flushes it.
void scrivi_messaggio(std::ostream& out, const std::string& corpo);

}  // namespace scenario::lsp
