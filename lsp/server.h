// The language server: one object that takes the client's messages in order
// and answers them through a sender. The checks of changed documents wait
// until the typing pauses (kAttesa after the last change): the caller asks
// when the next one is due and runs it then.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/voci.h"
#include "testi/json.h"

namespace scenario::lsp {

using Orologio = std::chrono::steady_clock;

// How long a changed document waits for the next keystroke before its check.
constexpr std::chrono::milliseconds kAttesa{150};
// A description larger than this is not checked, as check refuses it.
constexpr size_t kDescrizioneMassima = size_t{64} << 20;

class Server {
 public:
  using Invio = std::function<void(const tool::Json&)>;

  // `invia` sends one message to the client; `log` takes what the server
  // tells about itself (standard error).
  Server(Invio invia, std::ostream& log);

  // One message from the client: a request (answered at once), or a
  // notification.
  void gestisci(const tool::Json& messaggio, Orologio::time_point adesso);
  // A message that could not be read as JSON.
  void illeggibile(const std::string& perche);

  // When the next check is due; none when none waits.
  std::optional<Orologio::time_point> prossimo_controllo() const;
  // Runs every check due by `adesso`.
  void controlla(Orologio::time_point adesso);

  // After "exit": the status the program ends with (0 when "shutdown" came first).
  bool uscito() const { return uscito_; }
  int stato_uscita() const { return spento_ ? 0 : 1; }

 private:
  struct Documento {
    std::string percorso;
    std::string testo;
    Descrizione descrizione = Descrizione::kLinea;
  };
  // A diagnostic as last sent, with the places its text names.
  struct Inviata {
    tool::Json diagnostica;
    std::string tipo;
    std::string suggerimento;
    std::vector<tool::Json> luoghi;  // Location objects
    std::optional<int64_t> posizione_consentita{};  // what the hint proposes for the entry's position
  };

  tool::Json richiesta(const std::string& metodo, const tool::Json& parametri);
  void notifica(const std::string& metodo, const tool::Json& parametri, Orologio::time_point adesso);
  void apri(const tool::Json& documento, Orologio::time_point adesso);
  void controlla_coppia(const std::string& uri);
  void pubblica(const std::string& uri, std::vector<Inviata> diagnostiche);

  tool::Json hover(const tool::Json& p) const;
  tool::Json completamento(const tool::Json& p) const;
  tool::Json simboli_documento(const tool::Json& p) const;
  tool::Json definizione(const tool::Json& p) const;
  tool::Json riferimenti(const tool::Json& p) const;
  tool::Json azioni(const tool::Json& p) const;

  const Documento* documento(const tool::Json& p) const;
  // An object of either file of the pair that stands in a cell of the object
  // on line `riga` of `d`.
  struct Vicino {
    std::string uri;
    std::string percorso;
    size_t riga = 0;
    std::string_view testo;  // the object's line, a view into `righe`
  };
  struct Vicini {
    std::string testo_altro;  // the partner's text, which the views may point into
    std::vector<Vicino> oggetti;
    bool e_oggetto = false;  // false when line `riga` holds no object in cells
  };
  // The objects sharing a cell with the one on line `riga` of `d` (`uri`),
  // the object itself among them only when `anche_questo`.
  void vicini(const Documento& d, const std::string& uri, size_t riga, bool anche_questo, Vicini* out) const;
  // The text of a path: the open document's, else the file's (empty when
  // unreadable or too large).
  std::string testo_di(const std::string& percorso, bool* esiste) const;
  std::string uri_di(const std::string& percorso) const;

  Invio invia_;
  std::ostream& log_;
  std::map<std::string, Documento> aperti_;  // by URI
  std::map<std::string, Orologio::time_point> in_attesa_;
  std::map<std::string, std::vector<Inviata>> inviate_;
  bool spento_ = false;
  bool uscito_ = false;
};

// The server over a pair of streams (standard input and output), the input
// read on a thread of its own so that a check can wait for the typing to
// pause. Returns the program's exit status; with an input other than
// standard input, only once that input has ended.
int esegui_server(std::istream& in, std::ostream& out, std::ostream& log);

}  // namespace scenario::lsp
