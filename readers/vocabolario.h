// The key words of the two descriptions and the values each entry reads,
// spelled once. The readers recognise a key field by its words, the checker
// counts and names an entry's values by them, the language server names,
// completes and explains keys and fields by them, and decompile writes each
// key as `chiave`: one entry here per kind of entry, so that neither a key
// word nor a field can differ between them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// What a field's value means beyond its unit, where that tells more: a
// position along the line, a length, a speed, a part of a time of day, a text.
enum class SensoCampo { kAltro, kPosizione, kLunghezza, kVelocita, kOre, kMinuti, kSecondi, kTesto };

// One value of an entry, in the order the entry reads them.
struct CampoVoce {
  std::string_view nome;   // "position", as an editor's snippet shows it
  std::string_view unita;  // "m", "km/h"; empty when none
  SensoCampo senso = SensoCampo::kAltro;
};

// A key field is the entry's when it contains `prima` and `seconda` (an empty
// second word matches any field), in any letter case unless `maiuscole`.
// `chiave` is the key as the scenario's own descriptions write it; `nome`
// names the entry in messages where `chiave` holds a choice of the author's
// (empty: `chiave`). `campi` are the values the entry reads after its key.
struct ParolaChiave {
  std::string_view chiave;
  std::string_view prima;
  std::string_view seconda = {};
  bool maiuscole = false;
  std::span<const CampoVoce> campi = {};
  std::string_view nome = {};
};

// How messages name an entry.
constexpr std::string_view nome_voce(const ParolaChiave& p) { return p.nome.empty() ? p.chiave : p.nome; }

namespace campi {

using S = SensoCampo;

inline constexpr CampoVoce kPosizione{"position", "m", S::kPosizione};

inline constexpr CampoVoce kLunghezzaPercorso[] = {{"length", "m", S::kLunghezza}};
inline constexpr CampoVoce kProgressiva[] = {
    {"start", "m", S::kPosizione}, {"km_value", "m", S::kAltro}, {"direction", "0 up, 1 down", S::kAltro}};
inline constexpr CampoVoce kSfondo[] = {{"value", "", S::kAltro}};
inline constexpr CampoVoce kRipetizioneSegnali[] = {{"first_distance", "m", S::kLunghezza},
                                                    {"second_distance", "m", S::kLunghezza}};
inline constexpr CampoVoce kPendenza[] = {kPosizione, {"gradient", "per mille", S::kAltro}};
inline constexpr CampoVoce kCurva[] = {{"start", "m", S::kPosizione}, {"length", "m", S::kLunghezza}};
inline constexpr CampoVoce kMontagna[] = {
    {"start", "m", S::kPosizione}, {"end", "m", S::kPosizione}, {"type", "", S::kAltro}};
inline constexpr CampoVoce kIndicatori[] = {kPosizione,
                                            {"left_a", "km/h", S::kAltro},
                                            {"left_b", "km/h", S::kAltro},
                                            {"left_c", "km/h", S::kAltro},
                                            {"left_stripes", "", S::kAltro},
                                            {"right_a", "km/h", S::kAltro},
                                            {"right_b", "km/h", S::kAltro},
                                            {"right_c", "km/h", S::kAltro},
                                            {"right_stripes", "", S::kAltro}};
inline constexpr CampoVoce kCartello[] = {kPosizione, {"text", "", S::kTesto}};
inline constexpr CampoVoce kMassaFrenata[] = {{"percentage", "%", S::kAltro}};
inline constexpr CampoVoce kVetture[] = {{"cars", "", S::kAltro}};
inline constexpr CampoVoce kVelocita[] = {kPosizione, {"speed", "km/h", S::kVelocita}};
inline constexpr CampoVoce kAderenza[] = {kPosizione, {"adhesion", "", S::kAltro}};
inline constexpr CampoVoce kOrologio[] = {
    {"hours", "h", S::kOre}, {"minutes", "min", S::kMinuti}, {"seconds", "s", S::kSecondi}};
inline constexpr CampoVoce kSabbia[] = {{"sand", "", S::kAltro}};
inline constexpr CampoVoce kSegnale[] = {kPosizione,           {"sx", "", S::kAltro}, {"s1", "", S::kAltro},
                                         {"s2", "", S::kAltro}, {"s3", "", S::kAltro}, {"rapp", "", S::kAltro},
                                         {"dx", "", S::kAltro}, {"d1", "", S::kAltro}, {"d2", "", S::kAltro},
                                         {"d3", "", S::kAltro}, {"time", "s", S::kAltro}};
inline constexpr CampoVoce kRallentamento[] = {kPosizione,
                                               {"speed", "km/h", S::kVelocita},
                                               {"length", "m", S::kLunghezza},
                                               {"f_tt", "", S::kAltro},
                                               {"f_ta", "", S::kAltro},
                                               {"d_v", "", S::kAltro}};
inline constexpr CampoVoce kAbbattimento[] = {kPosizione, {"value", "", S::kAltro}};
inline constexpr CampoVoce kStazione[] = {kPosizione,
                                          {"type", "", S::kAltro},
                                          {"length", "m", S::kLunghezza},
                                          {"setting_4", "", S::kAltro},
                                          {"setting_5", "", S::kAltro},
                                          {"setting_6", "", S::kAltro},
                                          {"setting_7", "", S::kAltro},
                                          {"setting_8", "", S::kAltro},
                                          {"setting_9", "", S::kAltro},
                                          {"setting_10", "", S::kAltro},
                                          {"setting_11", "", S::kAltro},
                                          {"setting_12", "", S::kAltro},
                                          {"dwell", "s", S::kAltro},
                                          {"hour", "h", S::kOre},
                                          {"minute", "min", S::kMinuti},
                                          {"second", "s", S::kSecondi},
                                          {"name", "", S::kTesto}};

}  // namespace campi

namespace parole {

// The line description's general section.
inline constexpr ParolaChiave kLunghezzaPercorso{"lunghezza percorso", "percorso", "lunghezza", false,
                                                 campi::kLunghezzaPercorso};
inline constexpr ParolaChiave kProgressivaTre{"progressiva chilometrica tre", "tre", "progressiva", true,
                                              campi::kProgressiva};
inline constexpr ParolaChiave kProgressivaDue{"progressiva chilometrica due", "due", "progressiva", true,
                                              campi::kProgressiva};
inline constexpr ParolaChiave kProgressivaUno{"progressiva chilometrica uno", "uno", "progressiva", true,
                                              campi::kProgressiva};
inline constexpr ParolaChiave kSfondoUno{"sfondo uno", "sfondo", "uno", true, campi::kSfondo};
inline constexpr ParolaChiave kSfondoDue{"sfondo due", "sfondo", "due", true, campi::kSfondo};
inline constexpr ParolaChiave kSfondoTre{"sfondo tre", "sfondo", "tre", true, campi::kSfondo};
inline constexpr ParolaChiave kRipetizioneSegnali{"ripetizione segnali 4 codici", "segnali", "ripetizione", true,
                                                  campi::kRipetizioneSegnali, "ripetizione segnali"};

// The line description's objects.
inline constexpr ParolaChiave kPendenza{"pendenza", "pendenza", {}, false, campi::kPendenza};
inline constexpr ParolaChiave kCurva{"curvad1", "curva", {}, false, campi::kCurva, "curva"};
inline constexpr ParolaChiave kMontagna{"montagna", "montagna", {}, false, campi::kMontagna};
inline constexpr ParolaChiave kIndicatori{"indicatori_vmax", "indicatori_v", {}, false, campi::kIndicatori};
inline constexpr ParolaChiave kCartello{"cartello_indicatore", "indicat", "cartello", false, campi::kCartello};

// The train description.
inline constexpr ParolaChiave kMassaFrenata{"percentuale massa frenata", "frenata", "massa", false,
                                            campi::kMassaFrenata};
inline constexpr ParolaChiave kVetture{"numero vetture", "vetture", {}, false, campi::kVetture};
inline constexpr ParolaChiave kVelocita{"velocita", "velocit", {}, false, campi::kVelocita};
inline constexpr ParolaChiave kAderenza{"aderenza", "aderenza", {}, false, campi::kAderenza};
inline constexpr ParolaChiave kOrologio{"orologio", "orologio", {}, false, campi::kOrologio};
inline constexpr ParolaChiave kSabbia{"sabbia", "sabbia", {}, false, campi::kSabbia};
inline constexpr ParolaChiave kSegnale{"segnale", "segnale", {}, false, campi::kSegnale};
inline constexpr ParolaChiave kRallentamento{"rallentamento", "rallentamento", {}, false, campi::kRallentamento};
inline constexpr ParolaChiave kAbbattimento{"abbattimento", "abbattimento", {}, false, campi::kAbbattimento};
inline constexpr ParolaChiave kStazione{"stazione", "stazione", {}, false, campi::kStazione};

}  // namespace parole

// The keys that carry a choice of the author's in their words, as written
// for that choice: the signal-repetition key names its code count (4 or 9),
// a curve key its side (`s` left, `d` right) and its curvature digit (1 to 6).
inline std::string chiave_ripetizione_segnali(int32_t codici) {
  return "ripetizione segnali " + std::to_string(codici) + " codici";
}
inline std::string chiave_curva(bool sinistra, char cifra) {
  return std::string("curva") + (sinistra ? 's' : 'd') + cifra;
}

// The entries of each reader's key table, in the order it tries them: the
// line description's general section, its object part, and the train
// description. The checker suggests keys and counts an entry's values by
// them, and the documentation test reads them so that a new key cannot go
// undocumented.
std::vector<ParolaChiave> parole_chiave_generali();
std::vector<ParolaChiave> parole_chiave_oggetti();
std::vector<ParolaChiave> parole_chiave_treno();

}  // namespace scenario
