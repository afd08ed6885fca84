// A private temporary folder for one test, removed with everything in it.
#pragma once

#include <string>

namespace scenario::test {

class CartellaTemporanea {
 public:
  CartellaTemporanea();
  ~CartellaTemporanea();
  CartellaTemporanea(const CartellaTemporanea&) = delete;
  CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

  const std::string& percorso() const { return percorso_; }
  std::string file(const std::string& nome) const { return percorso_ + "/" + nome; }

  // Writes `contenuto` to the file `nome` in the folder.
  void scrivi(const std::string& nome, const std::string& contenuto) const;
  // The whole content of `nome`; empty when missing.
  std::string leggi(const std::string& nome) const;
  bool esiste(const std::string& nome) const;

 private:
  std::string percorso_;
};

}  // namespace scenario::test
