// One source for usage: the commands' table drives --help, the top-level help
// and the parser, and the README quotes the same text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"
#include "tool/uso.h"

namespace scenario::tool {
namespace {

// Every option a command lists is one its parser takes (a flag alone, an
// option with a value), and its --help shows it; the top-level help shows
// every command's synopsis.
TEST(ToolUso, EveryCommandListsAndTakesItsOptions) {
  const Uscita generale = esegui({"--help"});
  ASSERT_EQ(generale.stato, 0);
  for (const Comando& comando : comandi()) {
    const std::string nome(comando.nome);
    const Uscita aiuto = esegui({nome, "--help"});
    EXPECT_EQ(aiuto.stato, 0) << nome;
    EXPECT_EQ(aiuto.out.rfind("usage: " + sinossi(comando) + "\n", 0), 0u) << aiuto.out;
    EXPECT_NE(generale.out.find("  " + sinossi(comando).substr(14) + "\n"), std::string::npos) << nome;
    for (const Opzione& o : comando.opzioni) {
      const std::string opzione(o.nome);
      const std::string forma = o.valore.empty() ? opzione : opzione + " " + std::string(o.valore);
      EXPECT_NE(aiuto.out.find("\n  " + forma + " "), std::string::npos) << nome << " " << forma;
      // The option is known to the parser: given with --help it is no usage error.
      Args args = {nome, opzione};
      if (!o.valore.empty()) args.push_back("x");
      args.push_back("--help");
      EXPECT_EQ(esegui(args).stato, 0) << nome << " " << opzione;
    }
    EXPECT_EQ(esegui({nome, "--frobnicate"}).stato, kUscitaUso) << nome;
  }
}

// The README quotes the top-level help in full and every command's synopsis.
TEST(ToolUso, TheReadmeQuotesTheSameUsage) {
  const std::string readme = leggi_sorgente("README.md");
  ASSERT_FALSE(readme.empty());
  EXPECT_NE(readme.find("```text\n$ scenario-tool --help\n" + uso_generale() + "```\n"), std::string::npos)
      << "the README must quote, in a text block, exactly:\n"
      << uso_generale();
  for (const Comando& comando : comandi()) {
    EXPECT_NE(readme.find(sinossi(comando) + "\n"), std::string::npos) << sinossi(comando);
  }
}

}  // namespace
}  // namespace scenario::tool
