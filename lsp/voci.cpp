#include "lsp/voci.h"

#include <array>

#include "readers/lettura_descrizione.h"
#include "readers/vocabolario.h"

namespace scenario::lsp {
namespace {

// An entry of the table: the key words and fields from the readers'
// vocabulary, the part and the guide's heading the editor's own.
constexpr Voce voce(const ParolaChiave& p, Parte parte, std::string_view titolo) { return Voce{p, parte, titolo}; }

constexpr std::array kVoci{
    voce(parole::kLunghezzaPercorso, Parte::kGenerale, "`lunghezza percorso`"),
    voce(parole::kProgressivaTre, Parte::kGenerale, "`progressiva chilometrica uno`"),
    voce(parole::kProgressivaDue, Parte::kGenerale, "`progressiva chilometrica uno`"),
    voce(parole::kProgressivaUno, Parte::kGenerale, "`progressiva chilometrica uno`"),
    voce(parole::kSfondoUno, Parte::kGenerale, "`sfondo uno`"),
    voce(parole::kSfondoDue, Parte::kGenerale, "`sfondo uno`"),
    voce(parole::kSfondoTre, Parte::kGenerale, "`sfondo uno`"),
    voce(parole::kRipetizioneSegnali, Parte::kGenerale, "`ripetizione segnali"),
    voce(parole::kPendenza, Parte::kOggetti, "`pendenza`"),
    voce(parole::kCurva, Parte::kOggetti, "`curvad1`"),
    voce(parole::kMontagna, Parte::kOggetti, "`montagna`"),
    voce(parole::kIndicatori, Parte::kOggetti, "`indicatori_vmax`"),
    voce(parole::kCartello, Parte::kOggetti, "`cartello_indicatore`"),
    voce(parole::kMassaFrenata, Parte::kTreno, "`percentuale massa frenata`"),
    voce(parole::kVetture, Parte::kTreno, "`numero vetture`"),
    voce(parole::kVelocita, Parte::kTreno, "`velocita`"),
    voce(parole::kAderenza, Parte::kTreno, "`aderenza`"),
    voce(parole::kOrologio, Parte::kTreno, "`orologio`"),
    voce(parole::kSabbia, Parte::kTreno, "`sabbia`"),
    voce(parole::kSegnale, Parte::kTreno, "`segnale`"),
    voce(parole::kRallentamento, Parte::kTreno, "`rallentamento`"),
    voce(parole::kAbbattimento, Parte::kTreno, "`abbattimento`"),
    voce(parole::kStazione, Parte::kTreno, "`stazione`"),
};

}  // namespace

std::span<const Voce> voci() { return kVoci; }

const Voce* voce_di(std::string_view campo, Parte parte) {
  for (const Voce& v : kVoci) {
    if (v.parte == parte && chiave_vale(campo, v.parole.prima, v.parole.seconda, v.parole.maiuscole)) return &v;
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
  // A curve's key carries its side and its curvature digit: two choices first.
  const bool curva = v.parole.chiave == parole::kCurva.chiave;
  std::string testo =
      curva ? std::string(parole::kCurva.prima) + "${1|d,s|}${2|1,2,3,4,5,6|}" : std::string(v.parole.chiave);
  int n = curva ? 3 : 1;
  for (const Campo& c : v.parole.campi) {
    testo += ",  ${" + std::to_string(n++) + ":" + std::string(c.nome) + "}";
  }
  return testo;
}

std::string elenco_campi(const Voce& v) {
  std::string testo;
  for (const Campo& c : v.parole.campi) {
    if (!testo.empty()) testo += ", ";
    testo += c.nome;
    if (!c.unita.empty()) testo += " (" + std::string(c.unita) + ")";
  }
  return testo;
}

}  // namespace scenario::lsp
