// What the live viewer's server answers to a request, decided from the
// request line and its Host header alone: the page, the stream of change
// events, or a refusal. Only the loopback names of the server's own port are
// accepted as Host, so that a page of another site whose name was pointed at
// 127.0.0.1 (DNS rebinding) reads nothing; only the two resources exist, so
// nothing else of the machine can be asked for.
#pragma once

#include <cstdint>
#include <string_view>

namespace scenario::servizio {

enum class Risorsa {
  kPagina,         // "/": the page
  kEventi,         // "/eventi": the stream of change events
  kHostEstraneo,   // 403: a Host that is not this server's loopback address
  kMetodo,         // 405: anything but GET
  kNonTrovata,     // 404: any other path
};

Risorsa instrada(std::string_view metodo, std::string_view bersaglio, std::string_view host, uint16_t porta);

// The HTTP status of a refusal; 200 for the two resources.
int stato_http(Risorsa r);

}  // namespace scenario::servizio
