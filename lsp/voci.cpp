#include "lsp/voci.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "readers/vocabolario.h"

namespace scenario::lsp {
namespace {

constexpr Campo kPos{"position", "m", Senso::kPosizione};

constexpr std::array kLunghezza{Campo{"length", "m", Senso::kLunghezza}};
constexpr std::array kProgressiva{Campo{"start", "m", Senso::kPosizione}, Campo{"km_value", "m", Senso::kAltro},
                                  Campo{"direction", "0 up, 1 down", Senso::kAltro}};
constexpr std::array kSfondo{Campo{"value", "", Senso::kAltro}};
constexpr std::array kRipetizione{Campo{"first_distance", "m", Senso::kLunghezza},
                                  Campo{"second_distance", "m", Senso::kLunghezza}};
constexpr std::array kPendenza{kPos, Campo{"gradient", "per mille", Senso::kAltro}};
constexpr std::array kCurva{Campo{"start", "m", Senso::kPosizione}, Campo{"length", "m", Senso::kLunghezza}};
constexpr std::array kMontagna{Campo{"start", "m", Senso::kPosizione}, Campo{"end", "m", Senso::kPosizione},
                               Campo{"type", "", Senso::kAltro}};
constexpr std::array kIndicatori{kPos,
                                 Campo{"left_a", "km/h", Senso::kAltro},
                                 Campo{"left_b", "km/h", Senso::kAltro},
                                 Campo{"left_c", "km/h", Senso::kAltro},
                                 Campo{"left_stripes", "", Senso::kAltro},
                                 Campo{"right_a", "km/h", Senso::kAltro},
                                 Campo{"right_b", "km/h", Senso::kAltro},
                                 Campo{"right_c", "km/h", Senso::kAltro},
                                 Campo{"right_stripes", "", Senso::kAltro}};
constexpr std::array kCartello{kPos, Campo{"text", "", Senso::kTesto}};
constexpr std::array kMassa{Campo{"percentage", "%", Senso::kAltro}};
constexpr std::array kVetture{Campo{"cars", "", Senso::kAltro}};
constexpr std::array kVelocita{kPos, Campo{"speed", "km/h", Senso::kVelocita}};
constexpr std::array kAderenza{kPos, Campo{"adhesion", "", Senso::kAltro}};
constexpr std::array kOrologio{Campo{"hours", "h", Senso::kOre}, Campo{"minutes", "min", Senso::kMinuti},
                               Campo{"seconds", "s", Senso::kSecondi}};
constexpr std::array kSabbia{Campo{"sand", "", Senso::kAltro}};
constexpr std::array kSegnale{kPos,
                              Campo{"sx", "", Senso::kAltro},
                              Campo{"s1", "", Senso::kAltro},
                              Campo{"s2", "", Senso::kAltro},
                              Campo{"s3", "", Senso::kAltro},
                              Campo{"rapp", "", Senso::kAltro},
                              Campo{"dx", "", Senso::kAltro},
                              Campo{"d1", "", Senso::kAltro},
                              Campo{"d2", "", Senso::kAltro},
                              Campo{"d3", "", Senso::kAltro},
                              Campo{"time", "s", Senso::kAltro}};
constexpr std::array kRallentamento{kPos,
                                    Campo{"speed", "km/h", Senso::kVelocita},
                                    Campo{"length", "m", Senso::kLunghezza},
                                    Campo{"f_tt", "", Senso::kAltro},
                                    Campo{"f_ta", "", Senso::kAltro},
                                    Campo{"d_v", "", Senso::kAltro}};
constexpr std::array kAbbattimento{kPos, Campo{"value", "", Senso::kAltro}};
constexpr std::array kStazione{kPos,
                               Campo{"type", "", Senso::kAltro},
                               Campo{"length", "m", Senso::kLunghezza},
                               Campo{"setting_4", "", Senso::kAltro},
                               Campo{"setting_5", "", Senso::kAltro},
                               Campo{"setting_6", "", Senso::kAltro},
                               Campo{"setting_7", "", Senso::kAltro},
                               Campo{"setting_8", "", Senso::kAltro},
                               Campo{"setting_9", "", Senso::kAltro},
                               Campo{"setting_10", "", Senso::kAltro},
                               Campo{"setting_11", "", Senso::kAltro},
                               Campo{"setting_12", "", Senso::kAltro},
                               Campo{"dwell", "s", Senso::kAltro},
                               Campo{"hour", "h", Senso::kOre},
                               Campo{"minute", "min", Senso::kMinuti},
                               Campo{"second", "s", Senso::kSecondi},
                               Campo{"name", "", Senso::kTesto}};

// An entry of the table: the key words from the readers' vocabulary, the rest
// the editor's own.
constexpr Voce voce(const ParolaChiave& p, Parte parte, std::string_view titolo, std::span<const Campo> campi) {
  return Voce{p.chiave, parte, p.prima, p.seconda, p.maiuscole, titolo, campi};
}

constexpr std::array kVoci{
    voce(parole::kLunghezzaPercorso, Parte::kGenerale, "`lunghezza percorso`", kLunghezza),
    voce(parole::kProgressivaTre, Parte::kGenerale, "`progressiva chilometrica uno`", kProgressiva),
    voce(parole::kProgressivaDue, Parte::kGenerale, "`progressiva chilometrica uno`", kProgressiva),
    voce(parole::kProgressivaUno, Parte::kGenerale, "`progressiva chilometrica uno`", kProgressiva),
    voce(parole::kSfondoUno, Parte::kGenerale, "`sfondo uno`", kSfondo),
    voce(parole::kSfondoDue, Parte::kGenerale, "`sfondo uno`", kSfondo),
    voce(parole::kSfondoTre, Parte::kGenerale, "`sfondo uno`", kSfondo),
    voce(parole::kRipetizioneSegnali, Parte::kGenerale, "`ripetizione segnali", kRipetizione),
    voce(parole::kPendenza, Parte::kOggetti, "`pendenza`", kPendenza),
    voce(parole::kCurva, Parte::kOggetti, "`curvad1`", kCurva),
    voce(parole::kMontagna, Parte::kOggetti, "`montagna`", kMontagna),
    voce(parole::kIndicatori, Parte::kOggetti, "`indicatori_vmax`", kIndicatori),
    voce(parole::kCartello, Parte::kOggetti, "`cartello_indicatore`", kCartello),
    voce(parole::kMassaFrenata, Parte::kTreno, "`percentuale massa frenata`", kMassa),
    voce(parole::kVetture, Parte::kTreno, "`numero vetture`", kVetture),
    voce(parole::kVelocita, Parte::kTreno, "`velocita`", kVelocita),
    voce(parole::kAderenza, Parte::kTreno, "`aderenza`", kAderenza),
    voce(parole::kOrologio, Parte::kTreno, "`orologio`", kOrologio),
    voce(parole::kSabbia, Parte::kTreno, "`sabbia`", kSabbia),
    voce(parole::kSegnale, Parte::kTreno, "`segnale`", kSegnale),
    voce(parole::kRallentamento, Parte::kTreno, "`rallentamento`", kRallentamento),
    voce(parole::kAbbattimento, Parte::kTreno, "`abbattimento`", kAbbattimento),
    voce(parole::kStazione, Parte::kTreno, "`stazione`", kStazione),
};

bool contiene(std::string_view campo, std::string_view parola, bool maiuscole) {
  if (parola.empty()) return true;
  const auto uguali = [maiuscole](char a, char b) {
    if (maiuscole) return a == b;
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  };
  return std::search(campo.begin(), campo.end(), parola.begin(), parola.end(), uguali) != campo.end();
}

}  // namespace

std::span<const Voce> voci() { return kVoci; }

const Voce* voce_di(std::string_view campo, Parte parte) {
  for (const Voce& v : kVoci) {
    if (v.parte == parte && contiene(campo, v.prima, v.maiuscole) && contiene(campo, v.seconda, v.maiuscole)) return &v;
  }
  return nullptr;
}

std::string_view entrata_guida(const Voce& v) {
  const std::string_view guida = testo_guida();
  size_t da = 0;
  while ((da = guida.find("\n#### ", da)) != std::string_view::npos) {
    ++da;
    const size_t fine_riga = guida.find('\n', da);
    const std::string_view titolo = guida.substr(da, fine_riga - da);
    if (titolo.find(v.titolo) != std::string_view::npos) {
      const size_t a = guida.find("\n#", fine_riga);
      return guida.substr(da, (a == std::string_view::npos ? guida.size() : a + 1) - da);
    }
    da = fine_riga;
  }
  return {};
}

std::string frammento(const Voce& v) {
  std::string testo = v.chiave == parole::kCurva.chiave ? "curva${1|d,s|}${2|1,2,3,4,5,6|}" : std::string(v.chiave);
  int n = v.chiave == parole::kCurva.chiave ? 3 : 1;
  for (const Campo& c : v.campi) {
    testo += ",  ${" + std::to_string(n++) + ":" + std::string(c.nome) + "}";
  }
  return testo;
}

std::string elenco_campi(const Voce& v) {
  std::string testo;
  for (const Campo& c : v.campi) {
    if (!testo.empty()) testo += ", ";
    testo += c.nome;
    if (!c.unita.empty()) testo += " (" + std::string(c.unita) + ")";
  }
  return testo;
}

}  // namespace scenario::lsp
