// The entries the check looks into, named by the words of the key test that
// takes each: the readers' own, from their vocabulary.
#pragma once

#include <string_view>

#include "model/traccia.h"
#include "readers/vocabolario.h"

namespace scenario::tool {

using ParoleVoce = ParolaChiave;

// Line description.
inline constexpr const ParolaChiave& kVoceProgressivaTre = parole::kProgressivaTre;
inline constexpr const ParolaChiave& kVoceProgressivaDue = parole::kProgressivaDue;
inline constexpr const ParolaChiave& kVoceProgressivaUno = parole::kProgressivaUno;
inline constexpr const ParolaChiave& kVocePendenza = parole::kPendenza;
inline constexpr const ParolaChiave& kVoceMontagna = parole::kMontagna;
inline constexpr const ParolaChiave& kVoceIndicatori = parole::kIndicatori;
inline constexpr const ParolaChiave& kVoceCartello = parole::kCartello;
// Train description.
inline constexpr const ParolaChiave& kVoceVelocita = parole::kVelocita;
inline constexpr const ParolaChiave& kVoceAderenza = parole::kAderenza;
inline constexpr const ParolaChiave& kVoceSegnale = parole::kSegnale;
inline constexpr const ParolaChiave& kVoceRallentamento = parole::kRallentamento;
inline constexpr const ParolaChiave& kVoceAbbattimento = parole::kAbbattimento;
inline constexpr const ParolaChiave& kVoceStazione = parole::kStazione;
inline constexpr const ParolaChiave& kVoceOrologio = parole::kOrologio;

inline bool e_voce(const VoceLetta& v, const ParolaChiave& p) { return Traccia::di_chiave(v, p.prima, p.seconda); }

}  // namespace scenario::tool
