// The server's answer by request line and Host: the two resources for this
// server's own loopback names only.
#include <gtest/gtest.h>

#include "servizio/richiesta_vivo.h"

namespace scenario::servizio {
namespace {

TEST(RichiestaVivo, OnlyTheTwoResourcesOfThisLoopbackServer) {
  struct Caso {
    const char* metodo;
    const char* bersaglio;
    const char* host;
    Risorsa attesa;
  };
  const Caso casi[] = {
      {"GET", "/", "127.0.0.1:8123", Risorsa::kPagina},
      {"GET", "/?v=3", "localhost:8123", Risorsa::kPagina},
      {"GET", "/", "LocalHost:8123", Risorsa::kPagina},
      {"GET", "/eventi", "127.0.0.1:8123", Risorsa::kEventi},
      // DNS rebinding: another name, the same address.
      {"GET", "/", "evil.example:8123", Risorsa::kHostEstraneo},
      {"GET", "/", "127.0.0.1.evil.example:8123", Risorsa::kHostEstraneo},
      {"GET", "/", "localhost.evil.example:8123", Risorsa::kHostEstraneo},
      // Another port, no port, no Host at all.
      {"GET", "/", "127.0.0.1:8124", Risorsa::kHostEstraneo},
      {"GET", "/", "127.0.0.1:81230", Risorsa::kHostEstraneo},
      {"GET", "/", "127.0.0.1", Risorsa::kHostEstraneo},
      {"GET", "/", ":8123", Risorsa::kHostEstraneo},
      {"GET", "/", "", Risorsa::kHostEstraneo},
      // Nothing else is served: no files, no listing.
      {"GET", "/index.html", "127.0.0.1:8123", Risorsa::kNonTrovata},
      {"GET", "/../../etc/passwd", "127.0.0.1:8123", Risorsa::kNonTrovata},
      {"GET", "/eventi/", "127.0.0.1:8123", Risorsa::kNonTrovata},
      {"GET", "", "127.0.0.1:8123", Risorsa::kNonTrovata},
      {"POST", "/", "127.0.0.1:8123", Risorsa::kMetodo},
      {"get", "/", "127.0.0.1:8123", Risorsa::kMetodo},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(instrada(c.metodo, c.bersaglio, c.host, 8123), c.attesa) << c.metodo << " " << c.bersaglio << " " << c.host;
  }
  EXPECT_EQ(stato_http(Risorsa::kHostEstraneo), 403);
  EXPECT_EQ(stato_http(Risorsa::kNonTrovata), 404);
}

}  // namespace
}  // namespace scenario::servizio
