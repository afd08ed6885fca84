#include "disegno/vista_html.h"

#include <algorithm>
#include <cmath>

#include "disegno/incorporati.h"
#include "disegno/svg.h"
#include "testi/testo.h"

namespace scenario::tool {
namespace {

// A JSON string of UTF-8 text that is also safe inside a <script> element.
std::string stringa(const std::string& testo) { return json_utf8_in_script(testo); }

std::string n(double v) { return numero_svg(v, 3); }
std::string n(int64_t v) { return std::to_string(v); }
std::string n(int v) { return std::to_string(v); }

template <typename T, typename F>
std::string lista(const std::vector<T>& v, F voce) {
  std::string out = "[";
  for (size_t i = 0; i < v.size(); ++i) out += (i ? "," : "") + voce(v[i]);
  return out + "]";
}

std::string tratti(const std::vector<TrattoCostante>& v) {
  return lista(v, [](const TrattoCostante& t) { return "[" + n(t.da) + "," + n(t.a) + "," + n(t.valore) + "]"; });
}

// The track's samples appended to `out`, compact: one flat list of whole numbers, the first
// sample's position (m) and plan point (cm), then each sample as its
// differences from the one before. A sample is 10 m from the next, so most
// numbers are a few digits: a 1000 km line stays about 1 MB. The point is
// rounded before the difference is taken, so no rounding adds up along the
// line.
void punti(const std::vector<std::pair<int64_t, std::pair<double, double>>>& v, std::string* out) {
  *out += '[';
  bool primo = true;
  int64_t m0 = 0, x0 = 0, y0 = 0;
  for (const auto& [m, xy] : v) {
    if (!std::isfinite(xy.first) || !std::isfinite(xy.second)) continue;
    // A plan file may hold any float; beyond 10^13 m nothing is drawn usefully anyway.
    const auto cm = [](double metri) { return static_cast<int64_t>(std::llround(std::clamp(metri * 100, -1e15, 1e15))); };
    const int64_t x = cm(xy.first), y = cm(xy.second);
    *out += primo ? "" : ",";
    *out += n(m - m0) + "," + n(x - x0) + "," + n(y - y0);
    primo = false;
    m0 = m, x0 = x, y0 = y;
  }
  *out += ']';
}

// The route's JSON appended to `out`: the track, the bulk of a long line's
// page, is written in place, never copied.
void scrivi_json_percorso(const Percorso& p, std::string* out) {
  std::string j = "{";
  j += "\"linea\":" + stringa(p.linea) + ",\"treno\":" + stringa(p.treno);
  j += ",\"orologio\":" + stringa(testo_orario(p.orologio)) + ",\"lunghezza\":" + n(p.lunghezza);
  j += ",\"progressive\":" + lista(p.progressive, [](const SistemaProgressive& s) {
         return "[" + n(s.inizio) + "," + n(s.valore) + "," + (s.decrescente ? "1" : "0") + "]";
       });
  j += ",\"stazioni\":" + lista(p.stazioni, [](const StazionePercorso& s) {
         return "{\"nome\":" + stringa(s.nome) + ",\"m\":" + n(s.posizione) + ",\"da\":" + n(s.zona_da) +
                ",\"a\":" + n(s.zona_a) + ",\"ferma\":" + (s.ferma ? "true" : "false") + ",\"orario\":" +
                stringa(testo_orario(s.orario)) + ",\"tipo\":" + n(s.tipo) + ",\"sosta\":" + n(s.sosta) +
                ",\"minimo\":" + n(s.minimo) + "}";
       });
  j += ",\"segnali\":" + lista(p.segnali, [](const SegnalePercorso& s) {
         return "[" + n(s.posizione) + "," + n(s.sinistra) + "," + n(s.destra) + "," + n(s.ripetizione) + "," +
                n(s.valore_a) + "," + n(s.valore_b) + "," + n(s.valore_c) + "," + n(s.tempo) + "]";
       });
  j += ",\"rallentamenti\":" + lista(p.rallentamenti, [](const RallentamentoPercorso& r) {
         return "[" + n(r.inizio) + "," + n(r.fine) + "," + n(r.avviso) + "," + n(r.velocita) + "]";
       });
  j += ",\"cartelli\":" + lista(p.cartelli, [](const CartelloPercorso& c) {
         return "[" + n(c.posizione) + "," + stringa(c.testo) + "]";
       });
  j += ",\"indicatori\":" + lista(p.indicatori, [](const IndicatorePercorso& i) {
         return "[" + n(i.posizione) + "," + n(i.sinistra[0]) + "," + n(i.sinistra[1]) + "," + n(i.sinistra[2]) + "," +
                n(i.destra[0]) + "," + n(i.destra[1]) + "," + n(i.destra[2]) + "," + n(i.strisce) + "]";
       });
  j += ",\"velocita\":" + tratti(p.velocita) + ",\"pendenza\":" + tratti(p.pendenza) +
       ",\"aderenza\":" + tratti(p.aderenza) + ",\"montagna\":" + tratti(p.montagna);
  j += ",\"curve\":" + lista(p.curve, [](const CurvaPercorso& c) {
         return "[" + n(c.da) + "," + n(c.a) + "," + n(c.angolo) + "," + n(c.raggio) + "]";
       });
  *out += j;
  *out += ",\"traccia\":";
  punti(p.traccia, out);
  *out += ",\"margine\":";
  punti(p.margine, out);
  *out += '}';
}

}  // namespace

std::string json_percorso(const Percorso& p) {
  std::string j;
  scrivi_json_percorso(p, &j);
  return j;
}

std::string pagina_vista(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato) {
  return pagina_vista(leggi_percorso(elementi, celle, tracciato));
}

std::string pagina_vista(const Percorso& p) { return pagina_vista(p, Json()); }

std::string pagina_vista(const Percorso& p, const Json& vivo) {
  // JSON placed in a <script> element: its text must not close the element.
  const std::string dati_vivi = vivo.is_null() ? "" : scrivi_json_in_script(vivo);
  // A served page has no icon, so that the browser asks the server for none.
  const std::string icona = vivo.is_null() ? "" : "<link rel=\"icon\" href=\"data:,\">\n";
  const std::string pannello = vivo.is_null() ? "" : "<section id=\"diagnostiche\"></section>";
  const std::string script_vivo =
      vivo.is_null() ? ""
                   : "<script type=\"application/json\" id=\"vivo\">" + dati_vivi + "</script>\n<script>\n" +
                         std::string(kScriptVivo) + "</script>\n";
  std::string testa = std::string("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n") +
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n" + icona +
         "<title>" + xml_escape("Line " + p.linea + ", train " + p.treno) + "</title>\n<style>\n" + std::string(kStileTavolozza) + std::string(kStileVista) +
         "</style>\n</head>\n<body>\n"
         "<header><h1 id=\"titolo\"></h1>\n"
         "<div id=\"comandi\">"
         "<button id=\"riduci\" title=\"zoom out (-)\">\xE2\x88\x92</button>"
         "<button id=\"ingrandisci\" title=\"zoom in (+)\">+</button>"
         "<button id=\"indietro\" title=\"towards the start (left arrow)\">\xE2\x97\x80</button>"
         "<button id=\"avanti\" title=\"towards the end (right arrow)\">\xE2\x96\xB6</button>"
         "<button id=\"tutto\" title=\"fit all (0)\">Fit all</button>"
         "<label title=\"km from the start, or a kilometre post as 26+500\">from km <input id=\"da-km\" type=\"text\" "
         "inputmode=\"decimal\" size=\"8\"></label><span class=\"posto-campo\" id=\"da-posto\"></span>"
         "<label title=\"km from the start, or a kilometre post as 26+500\">to km <input id=\"a-km\" type=\"text\" "
         "inputmode=\"decimal\" size=\"8\"></label><span class=\"posto-campo\" id=\"a-posto\"></span>"
         "<button id=\"vai\">Show</button>"
         "<span id=\"cursore-testo\"></span></div></header>\n"
         "<main><section id=\"disegni\">"
         "<svg id=\"pianta\" xmlns=\"http://www.w3.org/2000/svg\"></svg>"
         "<svg id=\"profilo\" xmlns=\"http://www.w3.org/2000/svg\"></svg>"
         "<p id=\"aiuto\">Wheel: zoom. Drag: pan. Keys: + \xE2\x88\x92 \xE2\x86\x90 \xE2\x86\x92, 0 fits all. "
         "Hover a mark for its details; click a station in the timetable to centre on it.</p>"
         "</section>\n<aside>" + pannello + "<h2>Timetable</h2><table id=\"orario\"><thead><tr><th>Station</th><th>km</th>"
         "<th>Post</th><th>Time</th><th title=\"least running time from the timed station before, every stretch at its speed limit\">Least</th><th>Dwell</th><th>Stop</th></tr></thead><tbody></tbody></table></aside></main>\n"
         "<div id=\"suggerimento\" role=\"tooltip\"></div>\n"
         "<script type=\"application/json\" id=\"dati\">";
  // The route's data, most of a long line's page, written into it in place.
  std::string pagina = std::move(testa);
  pagina.reserve(pagina.size() + 16 * (p.traccia.size() + p.margine.size()) + (1 << 16));
  scrivi_json_percorso(p, &pagina);
  pagina += "</script>\n" + script_vivo + "<script>\n" + std::string(kScriptCalcoli) + std::string(kScriptVista) +
            "</script>\n</body>\n</html>\n";
  return pagina;
}

}  // namespace scenario::tool
