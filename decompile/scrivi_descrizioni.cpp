#include "decompile/scrivi_descrizioni.h"

#include <array>
#include <cstdint>

#include "decompile/tabella_testo.h"
#include "model/testo_km.h"
#include "readers/vocabolario.h"

namespace scenario::decompila {
namespace {

std::string n(int64_t v) { return std::to_string(v); }
// A key as the readers know it.
std::string k(const ParolaChiave& p) { return std::string(p.chiave); }
// A value the reader takes as 0 when the field is empty: written empty, as
// authors leave the right-hand speeds of an indicator.
std::string o_vuoto(int32_t v) { return v == 0 ? std::string() : n(v); }

std::string generale_linea(const DescrizioneLinea& d) {
  std::string out = "[generale]\r\n";
  out += voce_sola(k(parole::kLunghezzaPercorso), {n(d.lunghezza)});
  TabellaTesto progressive;
  const std::array<std::pair<const ParolaChiave*, const Progressiva*>, 3> sistemi = {
      {{&parole::kProgressivaUno, &d.uno}, {&parole::kProgressivaDue, &d.due}, {&parole::kProgressivaTre, &d.tre}}};
  for (const auto& [chiave, p] : sistemi) progressive.voce(k(*chiave), {n(p->inizio), n(p->valore), n(p->direzione)});
  out += progressive.testo();
  out += voce_sola(k(parole::kSfondoUno), {n(d.sfondo_uno)});
  out += voce_sola(k(parole::kSfondoDue), {n(d.sfondo_due)});
  out += voce_sola(k(parole::kSfondoTre), {n(d.sfondo_tre)});
  out += voce_sola(chiave_ripetizione_segnali(d.codici), {n(d.ripetizione_1), n(d.ripetizione_2)});
  return out;
}

std::string curve(const DescrizioneLinea& d) {
  TabellaTesto t;
  t.riga("[curve]");
  if (!d.curve_recuperate) t.riga("- curves not recovered: the scenario has no track-plan file");
  for (const Curva& c : d.curve) {
    t.voce(chiave_curva(c.sinistra, c.cifra), {n(c.inizio), n(c.lunghezza)});
  }
  return t.testo();
}

std::string oggetti_linea(const DescrizioneLinea& d) {
  TabellaTesto pendenze;
  pendenze.riga("[pendenze]");
  for (const Pendenza& p : d.pendenze) pendenze.voce(k(parole::kPendenza), {n(p.posizione), n(p.valore)});
  TabellaTesto montagne;
  montagne.riga("[montagne]");
  for (const Montagna& m : d.montagne) montagne.voce(k(parole::kMontagna), {n(m.inizio), n(m.fine), n(m.tipo)});
  TabellaTesto indicatori;
  indicatori.riga("[cartelli]");
  for (const IndicatoriVMax& i : d.indicatori) {
    indicatori.voce(k(parole::kIndicatori), {n(i.posizione), n(i.vas), n(i.vbs), n(i.vcs), n(i.strisces), o_vuoto(i.vad),
                                        o_vuoto(i.vbd), o_vuoto(i.vcd), n(i.strisced)});
  }
  TabellaTesto cartelli;
  cartelli.riga("[indicazioni]");
  for (const Cartello& c : d.cartelli) cartelli.voce(k(parole::kCartello), {n(c.posizione)}, c.testo, 5);
  return pendenze.testo() + montagne.testo() + indicatori.testo() + cartelli.testo();
}

// A comment is one field: a comma or a line end in a name would end it early
// and leave the rest to be read as a key.
std::string commento(std::string testo) {
  for (char& ch : testo) {
    if (ch == ',' || ch == '\r' || ch == '\n') ch = ' ';
  }
  return "- " + testo;
}

std::string valori(const char* sezione, const std::string& chiave, const std::vector<Valore>& voci) {
  TabellaTesto t;
  t.riga(sezione);
  for (const Valore& v : voci) t.voce(chiave, {n(v.posizione), n(v.valore)});
  return t.testo();
}

std::string stazioni(const DescrizioneTreno& d, const DescrizioneLinea& linea) {
  TabellaTesto t;
  t.riga("[stazioni]");
  for (const Stazione& s : d.stazioni) {
    t.riga(commento(s.nome + "  " + chilometrica(linea, s.posizione)));
    t.voce(k(parole::kStazione),
           {n(s.posizione), n(s.tipo), n(s.lunghezza), n(s.segno), n(s.byte4), n(s.byte3), n(s.intero1), n(s.intero2),
            n(s.byte1), n(s.intero3), n(s.intero4), n(s.intero5), n(s.byte2), n(s.ore), n(s.minuti), n(s.secondi)},
           s.nome, 3);
  }
  return t.testo();
}

std::string oggetti_treno(const DescrizioneTreno& d) {
  TabellaTesto rallentamenti;
  rallentamenti.riga("[rallentamenti]");
  for (const Rallentamento& r : d.rallentamenti) {
    rallentamenti.voce(k(parole::kRallentamento), {n(r.x), n(r.v), n(r.l), n(r.f_tt), n(r.f_ta), n(r.d_v)});
  }
  TabellaTesto segnali;
  segnali.riga("[segnali]");
  for (const Segnale& g : d.segnali) {
    const ImpostazioniSegnale& s = g.impostazioni;
    segnali.voce(k(parole::kSegnale), {n(g.posizione), n(s.sx), n(s.s1), n(s.s2), n(s.s3), n(s.rapp), n(s.dx), n(s.d1),
                                       n(s.d2), n(s.d3), n(s.tempo)});
  }
  return rallentamenti.testo() + segnali.testo() + valori("[codici]", k(parole::kAbbattimento), d.abbattimenti);
}

}  // namespace

std::string chilometrica(const DescrizioneLinea& linea, int32_t posizione) {
  const Progressiva* in_vigore = nullptr;
  for (const Progressiva* p : {&linea.uno, &linea.due, &linea.tre}) {
    if (p->inizio <= posizione && (in_vigore == nullptr || p->inizio > in_vigore->inizio ||
                                   (p->inizio == in_vigore->inizio && in_vigore->valore == 0))) {
      in_vigore = p;
    }
  }
  int64_t km = posizione;
  if (in_vigore != nullptr) {
    const int64_t percorsi = static_cast<int64_t>(posizione) - in_vigore->inizio;
    km = in_vigore->direzione == 1 ? in_vigore->valore - percorsi : in_vigore->valore + percorsi;
  }
  return testo_km(km);
}

std::string testo_linea(const DescrizioneLinea& d) {
  return generale_linea(d) + curve(d) + oggetti_linea(d) + "[fine]\r\n";
}

std::string testo_treno(const DescrizioneTreno& d, const DescrizioneLinea& linea) {
  std::string out = "[generale]\r\n";
  out += voce_sola(k(parole::kVetture), {n(d.vetture)});
  out += voce_sola(k(parole::kMassaFrenata), {n(d.massa_frenata)});
  out += voce_sola(k(parole::kSabbia), {n(d.sabbia)});
  out += voce_sola(k(parole::kOrologio), {n(d.ore), n(d.minuti), n(d.secondi)});
  out += valori("[aderenze]", k(parole::kAderenza), d.aderenze);
  out += valori("[vel_limite]", k(parole::kVelocita), d.velocita);
  out += stazioni(d, linea);
  out += oggetti_treno(d);
  return out + "[fine]\r\n";
}

}  // namespace scenario::decompila
