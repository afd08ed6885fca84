#include "tool/argomenti.h"

#include "platform/traduzione.h"

namespace scenario::tool {

bool analizza(const std::vector<std::string>& args, const std::set<std::string>& con_valore,
              const std::set<std::string>& booleani, Argomenti* out, std::string* errore) {
  bool solo_posizionali = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (solo_posizionali || a.size() < 2 || a[0] != '-') {
      out->posizionali.push_back(a);
      continue;
    }
    if (a == "--") {
      solo_posizionali = true;
      continue;
    }
    const size_t uguale = a.find('=');
    const std::string nome = a.substr(0, uguale);
    if (con_valore.count(nome) != 0) {
      if (uguale != std::string::npos) {
        out->valori[nome] = a.substr(uguale + 1);
      } else if (i + 1 < args.size()) {
        out->valori[nome] = args[++i];
      } else {
        *errore = componi(traduci("option %1 needs a value"), {nome});
        return false;
      }
    } else if (booleani.count(a) != 0) {
      out->flag.insert(a);
    } else {
      *errore = componi(traduci("unknown option %1"), {a});
      return false;
    }
  }
  return true;
}

int errore_uso(const std::string& messaggio, std::string_view comando, std::ostream& err) {
  const std::string chi = comando.empty() ? "scenario-tool" : "scenario-tool " + std::string(comando);
  err << "scenario-tool: " << messaggio << "; " << componi(traduci("try '%1 --help'"), {chi}) << "\n";
  return kUscitaUso;
}

int errore_uso(const std::string& messaggio, const Comando& comando, std::ostream& err) {
  return errore_uso(messaggio, comando.nome, err);
}

int prepara_comando(const std::vector<std::string>& args, const Comando& comando, Argomenti* a, std::ostream& out,
                    std::ostream& err) {
  std::set<std::string> con_valore;
  std::set<std::string> booleani = {"--help", "--version"};
  for (const Opzione& o : comando.opzioni) (o.valore.empty() ? booleani : con_valore).insert(std::string(o.nome));
  std::string errore;
  if (!analizza(args, con_valore, booleani, a, &errore)) return errore_uso(errore, comando, err);
  if (a->ha("--help")) {
    out << uso_comando(comando);
    return 0;
  }
  if (a->ha("--version")) {
    out << "scenario-tool " << SCENARIO_VERSION << "\n";
    return 0;
  }
  for (const Opzione& o : comando.opzioni) {
    if (o.obbligatoria && a->valori.count(std::string(o.nome)) == 0) {
      return errore_uso(componi(traduci("%1 %2 is required"), {std::string(o.nome), std::string(o.valore)}), comando,
                        err);
    }
  }
  return -1;
}

}  // namespace scenario::tool
