// dump: any compiled file decoded into readable text or JSON, with the field
// names of the route model.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <string_view>
#include <type_traits>

#include "compilati/lettura_compilati.h"
#include "model/campi_record.h"
#include "decompile/recupera.h"
#include "model/decodifica_file.h"
#include "model/flusso_tracciato.h"
#include "model/griglia.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "testi/citazione.h"
#include "testi/testo.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/uscita_a_pezzi.h"

namespace scenario::tool {
namespace {

bool finisce_con(const std::string& s, const std::string& fine) {
  return s.size() >= fine.size() && s.compare(s.size() - fine.size(), fine.size(), fine) == 0;
}

std::string tipo_dal_nome(const std::string& file) {
  if (finisce_con(file, "_linea.dat")) return "plan";
  if (finisce_con(file, ".sim")) return "table";
  if (finisce_con(file, ".dat")) return "cells";
  return "";
}

const char* nome_tipo_cella(uint8_t tipo) {
  switch (tipo) {
    case kLibera: return "libera";
    case kSegnale: return "segnale";
    case kFineRallentamento: return "fine_rallentamento";
    case kInizioRallentamento: return "inizio_rallentamento";
    case kAvvisoRallentamento: return "avviso_rallentamento";
    case kPreavvisoRallentamento: return "preavviso_rallentamento";
    case kIndicatoriVMax: return "indicatori_v_max";
    case kStazione: return "stazione";
    case kMarcaMontagna: return "marca_montagna";
    case kAbbattimento: return "abbattimento";
    case kAbbattimentoNullo: return "abbattimento_nullo";
    case kCartello: return "cartello";
    default: return "sconosciuto";
  }
}

// A text of a record (a station's name, a signpost's words), quoted and
// escaped for its medium: every text of a file passes here on its way out.
void scrivi_testo(const std::string& testo, bool json, UscitaAPezzi& out) {
  if (json) {
    out << json_stringa(testo);
  } else {
    out << "\"" << testo_visibile(testo) << "\"";
  }
}

// The fields of a record in the order of its table: "name value" joined by
// ", " (a text in quotes, escaped for the terminal), or JSON members. A cell's type name follows its
// type.
template <typename R, size_t N>
void dump_campi(const R& r, const std::array<CampoRecord<R>, N>& campi, bool json, UscitaAPezzi& out) {
  for (size_t i = 0; i < N; ++i) {
    const CampoRecord<R>& c = campi[i];
    out << (i ? ", " : "");
    if (json) {
      out << "\"" << c.nome << "\": ";
    } else {
      out << c.nome << " ";
    }
    con_valore(r, c, [&](const auto& v) {
      if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
        scrivi_testo(v, json, out);
      } else {
        out << v;
      }
    });
    if constexpr (std::is_same_v<R, Cella>) {
      if (std::string_view(c.nome) != "tipo") continue;
      if (json) {
        out << ", \"nome_tipo\": \"" << nome_tipo_cella(r.tipo) << "\"";
      } else {
        out << " " << nome_tipo_cella(r.tipo);
      }
    }
  }
}

// ---- table ----

// Text shows the rows that hold something and counts the others (--all: every
// row); JSON, which programs read, always holds every row.
void dump_tabella(const Elementi& e, bool json, bool tutti, UscitaAPezzi& out) {
  if (json) out << "{\"kind\": \"table\", \"rows\": [";
  size_t saltate = 0;
  for (size_t i = 0; i < e.size(); ++i) {
    if (!json && !tutti && decompila::riga_vuota(e[i])) {
      ++saltate;
      continue;
    }
    if (json) {
      out << (i ? ", " : "") << "{\"row\": " << i << ", ";
      dump_campi(e[i], kCampiElemento, json, out);
      out << "}";
    } else {
      out << "row " << i << ": ";
      dump_campi(e[i], kCampiElemento, json, out);
      out << "\n";
    }
  }
  if (json) out << "]}\n";
  if (saltate > 0) out << "(" << saltate << " empty rows not shown; --all shows them)\n";
}

// ---- cells ----

bool ha_oggetto(const Cella& c) {
  return c.tipo != 0 || c.valore_a != 0 || c.valore_b != 0 || c.valore_c != 0 || c.valore_d != 0 || c.tempo != 0 ||
         c.avviso != 0;
}

void dump_cella(size_t k, const Cella& c, bool json, bool primo, UscitaAPezzi& out) {
  if (json) {
    out << (primo ? "" : ", ") << "{\"cell\": " << k << ", \"position\": " << metri_cella(k) << ", ";
    dump_campi(c, kCampiCella, json, out);
    out << "}";
  } else {
    out << "cell " << k << " (" << metri_cella(k) << " m): ";
    dump_campi(c, kCampiCella, json, out);
    out << "\n";
  }
}

// Runs of equal values of one profile byte: "velocita 6 in cells 0-24".
void dump_profilo(const std::vector<Cella>& celle, const char* nome, uint8_t Cella::*campo, bool json,
                  UscitaAPezzi& out) {
  if (json) out << "\"" << nome << "\": [";
  size_t inizio = 0;
  bool primo = true;
  for (size_t k = 1; k <= celle.size(); ++k) {
    if (k < celle.size() && celle[k].*campo == celle[inizio].*campo) continue;
    const int valore = celle[inizio].*campo;
    if (json) {
      out << (primo ? "" : ", ") << "{\"from\": " << inizio << ", \"to\": " << k - 1 << ", \"value\": " << valore
          << "}";
    } else {
      out << nome << " " << valore << " in cells " << inizio << "-" << k - 1 << "\n";
    }
    primo = false;
    inizio = k;
  }
  if (json) out << "]";
}

void dump_celle(const std::vector<Cella>& celle, bool json, bool tutte, UscitaAPezzi& out) {
  if (json) out << "{\"kind\": \"cells\", \"count\": " << celle.size() << ", \"cells\": [";
  bool primo = true;
  for (size_t k = 0; k < celle.size(); ++k) {
    if (!tutte && !ha_oggetto(celle[k])) continue;
    dump_cella(k, celle[k], json, primo, out);
    primo = false;
  }
  if (json) out << "], \"profile\": {";
  dump_profilo(celle, "velocita", &Cella::velocita, json, out);
  if (json) out << ", ";
  dump_profilo(celle, "pendenza", &Cella::pendenza, json, out);
  if (json) out << ", ";
  dump_profilo(celle, "aderenza", &Cella::aderenza, json, out);
  if (json) out << ", ";
  dump_profilo(celle, "montagna", &Cella::montagna, json, out);
  if (json) out << "}}\n";
}

// ---- plan ----

// A point's number as the file holds it, written at `dst` (room for
// UscitaAPezzi::kNumeroPiuLungo bytes): an integer, or a 64-bit float in the
// shortest form that reads back as the same number; "null" for none.
char* scrivi_punto(char* dst, const Punto& p) {
  if (p.tag == TagPunto::kVuoto) {
    std::memcpy(dst, "null", 4);
    return dst + 4;
  }
  char* const fine = dst + UscitaAPezzi::kNumeroPiuLungo;
  return p.tag == TagPunto::kIntero ? std::to_chars(dst, fine, p.intero).ptr : std::to_chars(dst, fine, p.reale).ptr;
}

// Text at `dst`, with no end mark.
char* scrivi_testo(char* dst, std::string_view testo) {
  std::memcpy(dst, testo.data(), testo.size());
  return dst + testo.size();
}

// The plan of a checked file, read through `leggi`: the summary from one
// walk over both columns, then (--all) every metre from a second walk.
void dump_tracciato(const LeggiPezzo& leggi, const FormaTracciato& forma, bool json, bool tutti, UscitaAPezzi& out) {
  size_t conteggio[2][3] = {};
  long primo = -1, ultimo = -1;
  double estremi[2][2] = {{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()},
                          {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}};
  {
    CursorePunti x(leggi, 0);
    CursorePunti y(leggi, forma.inizio_y);
    for (size_t m = 0; m < forma.righe; ++m) {
      const Punto punti[2] = {x.prossimo(), y.prossimo()};
      for (int c = 0; c < 2; ++c) {
        const Punto& p = punti[c];
        conteggio[c][p.tag == TagPunto::kVuoto ? 0 : p.tag == TagPunto::kIntero ? 1 : 2]++;
        if (p.tag == TagPunto::kVuoto) continue;
        estremi[c][0] = std::min(estremi[c][0], p.valore());
        estremi[c][1] = std::max(estremi[c][1], p.valore());
      }
      if (punti[0].tag == TagPunto::kReale || punti[1].tag == TagPunto::kReale) {
        if (primo < 0) primo = static_cast<long>(m);
        ultimo = static_cast<long>(m);
      }
    }
  }
  const bool vuoto = forma.righe == 0;
  // Every metre, as "[x, y]" in JSON or "metre M: x X, y Y" in text.
  auto ogni_metro = [&] {
    CursorePunti x(leggi, 0);
    CursorePunti y(leggi, forma.inizio_y);
    for (size_t m = 0; m < forma.righe; ++m) {
      // A metre's line in one go: three numbers and the words between them.
      char* dst = out.spazio(4 * UscitaAPezzi::kNumeroPiuLungo);
      if (json) {
        dst = scrivi_testo(dst, m ? ", [" : "[");
      } else {
        dst = scrivi_testo(dst, "metre ");
        dst = std::to_chars(dst, dst + UscitaAPezzi::kNumeroPiuLungo, m).ptr;
        dst = scrivi_testo(dst, ": x ");
      }
      dst = scrivi_punto(dst, x.prossimo());
      dst = scrivi_testo(dst, json ? ", " : ", y ");
      dst = scrivi_punto(dst, y.prossimo());
      out.fatto(scrivi_testo(dst, json ? "]" : "\n"));
    }
  };
  const char* nomi[2] = {"x", "y"};
  if (json) {
    out << "{\"kind\": \"plan\", \"rows\": " << forma.righe;
    for (int c = 0; c < 2; ++c) {
      out << ", \"" << nomi[c] << "\": {\"empty\": " << conteggio[c][0] << ", \"int16\": " << conteggio[c][1]
          << ", \"float64\": " << conteggio[c][2] << ", \"min\": ";
      if (vuoto) {
        out << "null, \"max\": null}";
      } else {
        out << estremi[c][0] << ", \"max\": " << estremi[c][1] << "}";
      }
    }
    out << ", \"first_computed\": " << primo << ", \"last_computed\": " << ultimo;
    if (tutti) {
      out << ", \"points\": [";
      ogni_metro();
      out << "]";
    }
    out << "}\n";
    return;
  }
  out << "plan: metres 0 to " << (vuoto ? 0 : forma.righe - 1) << "\n";
  for (int c = 0; c < 2; ++c) {
    out << "column " << nomi[c] << ": " << conteggio[c][0] << " empty, " << conteggio[c][1] << " int16, "
        << conteggio[c][2] << " float64";
    if (!vuoto) out << "; from " << estremi[c][0] << " to " << estremi[c][1] << " m";
    out << "\n";
  }
  out << "computed metres: " << primo << " to " << ultimo << "\n";
  if (tutti) ogni_metro();
}

}  // namespace

int comando_dump(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("dump");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) {
    return stato;
  }
  if (a.posizionali.size() != 1) return errore_uso(traduci("expected one FILE"), uso, err);
  const std::string file = a.posizionali[0];
  const std::string tipo = a.valore("--kind", tipo_dal_nome(file));
  if (tipo != "table" && tipo != "cells" && tipo != "plan") {
    return errore_uso(componi(traduci("cannot tell the kind of %1; use --kind table, cells or plan"), {file}), uso, err);
  }
  Testo errore;
  const TipoCompilato genere = tipo == "table"   ? TipoCompilato::kTabella
                               : tipo == "cells" ? TipoCompilato::kCelle
                                                 : TipoCompilato::kTracciato;
  // The plan, the largest kind, is read a piece at a time; a table or a cell
  // file is read whole.
  FileAPezzi pezzi;
  std::string dati;
  const LetturaCompilato lettura = genere == TipoCompilato::kTracciato ? apri_compilato(file, genere, &pezzi)
                                                                       : leggi_compilato(file, genere, &dati);
  if (lettura.esito == LetturaCompilato::Esito::kIlleggibile) {
    err << "scenario-tool: " << nella_lingua(lettura.messaggio) << "\n";
    return kUscitaFileSystem;
  }
  if (lettura.esito == LetturaCompilato::Esito::kNonValido) {
    err << "scenario-tool: " << componi(traduci("%1 is not a %2 file: %3"), {file, tipo, nella_lingua(lettura.messaggio)}) << "\n";
    return kUscitaDatiNonValidi;
  }
  const LeggiPezzo leggi = [&pezzi](uint64_t posizione, char* dove, size_t quanti) {
    return pezzi.leggi(posizione, dove, quanti);
  };
  // The whole file is checked before anything is printed, so a refused file
  // prints no half dump.
  Elementi e{};
  std::vector<Cella> celle;
  FormaTracciato forma;
  const bool ok = genere == TipoCompilato::kTabella ? decodifica_elementi(dati, &e, &errore)
                  : genere == TipoCompilato::kCelle ? decodifica_celle(dati, &celle, &errore)
                                                    : esamina_tracciato(leggi, pezzi.dimensione(), &forma, &errore);
  if (!pezzi.errore().ok()) {
    err << "scenario-tool: " << nella_lingua(pezzi.errore().testo()) << "\n";
    return kUscitaFileSystem;
  }
  if (!ok) {
    err << "scenario-tool: " << componi(traduci("%1 is not a %2 file: %3"), {file, tipo, nella_lingua(errore)}) << "\n";
    return kUscitaDatiNonValidi;
  }
  {
    UscitaAPezzi testo(out);
    if (genere == TipoCompilato::kTabella) {
      dump_tabella(e, a.ha("--json"), a.ha("--all"), testo);
    } else if (genere == TipoCompilato::kCelle) {
      dump_celle(celle, a.ha("--json"), a.ha("--all"), testo);
    } else {
      dump_tracciato(leggi, forma, a.ha("--json"), a.ha("--all"), testo);
    }
  }
  if (!pezzi.errore().ok()) {
    err << "scenario-tool: " << nella_lingua(pezzi.errore().testo()) << "\n";
    return kUscitaFileSystem;
  }
  return 0;
}

}  // namespace scenario::tool
