// The live viewer's server on Boost.Asio and Boost.Beast, in one thread: the
// listening socket, the requests, the open event streams, the watch of the
// files and the signals all wait on one io_context, so nothing is shared
// between threads. A page is made again in that thread too: a compile of a
// description pair is short, and requests wait for it rather than see a page
// half made.
// Boost 1.74's Asio uses std::exchange without including <utility>.
#include <utility>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "servizio/richiesta_vivo.h"
#include "servizio/servizio_vivo.h"

namespace scenario::servizio {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using boost::system::error_code;

using tool::traduci;

// How often the watched files are looked at: a save shows on the page well
// within a second.
constexpr auto kIntervalloSorveglianza = std::chrono::milliseconds(100);
// A client that sends no whole request in this time is dropped.
constexpr auto kAttesaRichiesta = std::chrono::seconds(10);
// Open event streams at most (each open page holds one); past it the oldest
// is closed.
constexpr size_t kMassimoFlussi = 32;
constexpr size_t kMassimoIntestazione = 8192;

// A file as last seen: its time of change and its size, or nothing when it
// cannot be read. A save changes the time; an editor that writes a new file
// and renames it over the old one too.
struct Impronta {
  std::optional<std::filesystem::file_time_type> quando;
  std::uintmax_t byte = 0;
  bool operator==(const Impronta&) const = default;
};

Impronta impronta(const std::string& percorso) {
  std::error_code e;
  Impronta i;
  const auto quando = std::filesystem::last_write_time(percorso, e);
  if (e) return i;
  i.byte = std::filesystem::file_size(percorso, e);
  if (e) return Impronta{};
  i.quando = quando;
  return i;
}

// An open event stream: the socket, kept after the request that opened it,
// and what is still to be written to it.
struct Flusso {
  explicit Flusso(tcp::socket s) : socket(std::move(s)) {}
  tcp::socket socket;
  std::string coda;
  bool scrivendo = false;
  char scarto[256];  // what the page sends after its request (nothing, until it closes)
};

struct Richiesta {
  explicit Richiesta(tcp::socket s) : flusso(std::move(s)) {}
  beast::tcp_stream flusso;
  beast::flat_buffer buffer{kMassimoIntestazione};
  http::request_parser<http::empty_body> lettore;
};

class Server {
 public:
  explicit Server(const ServizioVivo& servizio)
      : servizio_(servizio), accettore_(io_), segnali_(io_, SIGINT, SIGTERM), orologio_(io_) {}

  int esegui(std::ostream& out, std::ostream& err) {
    try {
      const tcp::endpoint locale(asio::ip::make_address_v4("127.0.0.1"), 0);
      accettore_.open(locale.protocol());
      accettore_.bind(locale);
      accettore_.listen();
    } catch (const boost::system::system_error& e) {
      err << "scenario-tool: " << componi(traduci("no local port to serve on: %1"), {e.what()}) << "\n";
      return kUscitaFileSystem;
    }
    porta_ = accettore_.local_endpoint().port();
    for (const std::string& f : servizio_.sorvegliati) impronte_.push_back(impronta(f));
    rifai();
    segnali_.async_wait([this](const error_code& e, int) {
      if (!e) ferma();
    });
    accetta();
    sorveglia();
    out << "http://127.0.0.1:" << porta_ << "/" << std::endl;
    io_.run();
    return kUscitaPulita;
  }

 private:
  void ferma() {
    error_code e;
    accettore_.close(e);
    orologio_.cancel();
    for (const auto& f : flussi_) f->socket.close(e);
    flussi_.clear();
    io_.stop();
  }

  void rifai() {
    ++versione_;
    pagina_ = std::make_shared<const std::string>(servizio_.pagina(versione_));
    if (servizio_.rifatta) servizio_.rifatta(versione_);
    for (const auto& f : flussi_) scrivi(f, "data: " + std::to_string(versione_) + "\n\n");
  }

  void sorveglia() {
    orologio_.expires_after(kIntervalloSorveglianza);
    orologio_.async_wait([this](const error_code& e) {
      if (e) return;
      bool cambiato = false;
      for (size_t i = 0; i < servizio_.sorvegliati.size(); ++i) {
        Impronta ora = impronta(servizio_.sorvegliati[i]);
        if (!(ora == impronte_[i])) impronte_[i] = ora, cambiato = true;
      }
      if (cambiato) rifai();
      sorveglia();
    });
  }

  void accetta() {
    accettore_.async_accept([this](const error_code& e, tcp::socket socket) {
      if (e == asio::error::operation_aborted || !accettore_.is_open()) return;
      if (!e) leggi(std::make_shared<Richiesta>(std::move(socket)));
      accetta();
    });
  }

  void leggi(const std::shared_ptr<Richiesta>& r) {
    r->lettore.header_limit(kMassimoIntestazione);
    r->lettore.body_limit(0);
    r->flusso.expires_after(kAttesaRichiesta);
    http::async_read(r->flusso, r->buffer, r->lettore, [this, r](const error_code& e, size_t) {
      if (e) {
        error_code chiusura;
        r->flusso.socket().close(chiusura);
        return;
      }
      rispondi(r);
    });
  }

  void rispondi(const std::shared_ptr<Richiesta>& r) {
    const auto& richiesta = r->lettore.get();
    const auto host = richiesta[http::field::host];
    const Risorsa risorsa =
        instrada(std::string_view(richiesta.method_string().data(), richiesta.method_string().size()),
                 std::string_view(richiesta.target().data(), richiesta.target().size()),
                 std::string_view(host.data(), host.size()), porta_);
    if (risorsa == Risorsa::kEventi) return apri_flusso(r);
    auto risposta = std::make_shared<http::response<http::string_body>>();
    risposta->version(11);
    risposta->result(static_cast<unsigned>(stato_http(risorsa)));
    risposta->set(http::field::cache_control, "no-store");
    risposta->set("X-Content-Type-Options", "nosniff");
    risposta->keep_alive(false);
    if (risorsa == Risorsa::kPagina) {
      risposta->set(http::field::content_type, "text/html; charset=utf-8");
      risposta->body() = *pagina_;
    } else {
      risposta->set(http::field::content_type, "text/plain; charset=utf-8");
      risposta->body() = risorsa == Risorsa::kHostEstraneo ? "This server answers only to its own loopback address.\n"
                         : risorsa == Risorsa::kMetodo     ? "Only GET is served here.\n"
                                                           : "Not found.\n";
      if (risorsa == Risorsa::kMetodo) risposta->set(http::field::allow, "GET");
    }
    risposta->prepare_payload();
    r->flusso.expires_after(kAttesaRichiesta);
    http::async_write(r->flusso, *risposta, [r, risposta](const error_code&, size_t) {
      error_code e;
      r->flusso.socket().shutdown(tcp::socket::shutdown_send, e);
      r->flusso.socket().close(e);
    });
  }

  // The stream's header, then the current version at once: a page made
  // before the latest change learns of it as soon as it connects.
  void apri_flusso(const std::shared_ptr<Richiesta>& r) {
    r->flusso.expires_never();
    auto f = std::make_shared<Flusso>(r->flusso.release_socket());
    if (flussi_.size() >= kMassimoFlussi) {
      error_code e;
      flussi_.front()->socket.close(e);
      flussi_.erase(flussi_.begin());
    }
    flussi_.push_back(f);
    scrivi(f,
           "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream\r\nCache-Control: no-store\r\n"
           "X-Content-Type-Options: nosniff\r\nConnection: close\r\n\r\nretry: 500\ndata: " +
               std::to_string(versione_) + "\n\n");
    ascolta(f);
  }

  // A page that closes its stream ends the read; the stream is then dropped.
  void ascolta(const std::shared_ptr<Flusso>& f) {
    f->socket.async_read_some(asio::buffer(f->scarto), [this, f](const error_code& e, size_t) {
      if (e) return chiudi(f);
      ascolta(f);
    });
  }

  void chiudi(const std::shared_ptr<Flusso>& f) {
    error_code e;
    f->socket.close(e);
    std::erase(flussi_, f);
  }

  void scrivi(const std::shared_ptr<Flusso>& f, const std::string& testo) {
    f->coda += testo;
    if (!f->scrivendo) invia(f);
  }

  void invia(const std::shared_ptr<Flusso>& f) {
    f->scrivendo = true;
    auto dati = std::make_shared<std::string>(std::move(f->coda));
    f->coda.clear();
    asio::async_write(f->socket, asio::buffer(*dati), [this, f, dati](const error_code& e, size_t) {
      f->scrivendo = false;
      if (e) return chiudi(f);
      if (!f->coda.empty()) invia(f);
    });
  }

  const ServizioVivo& servizio_;
  asio::io_context io_;
  tcp::acceptor accettore_;
  asio::signal_set segnali_;
  asio::steady_timer orologio_;
  uint16_t porta_ = 0;
  uint64_t versione_ = 0;
  std::shared_ptr<const std::string> pagina_;
  std::vector<Impronta> impronte_;
  std::vector<std::shared_ptr<Flusso>> flussi_;
};

}  // namespace

bool servizio_disponibile() { return true; }

int servi(const ServizioVivo& servizio, std::ostream& out, std::ostream& err) {
  // A page closed in the middle of a write must not end the server.
  std::signal(SIGPIPE, SIG_IGN);
  Server server(servizio);
  return server.esegui(out, err);
}

}  // namespace scenario::servizio
