// A private temporary folder for one test, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

namespace scenario::test {

// A path given in UTF-8, as the program's own paths are, for std::filesystem:
// on Windows a plain std::string would be read in the system's code page.
std::filesystem::path percorso_fs(const std::string& utf8);

class CartellaTemporanea {
 public:
  // The folder is made in the system's temporary folder, named `prefisso`
  // followed by six random letters or digits.
  explicit CartellaTemporanea(const std::string& prefisso = "scenario-test-");
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
