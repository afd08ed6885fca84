// One source for usage: the commands' table drives --help, the top-level help
// and the parser, and the README quotes the same text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"
#include "tool/uso.h"

namespace scenario::tool {
namespace {

// The helps read as a user reads them, not from the table that makes them:
// the top-level help names the seven commands, each command's own help opens
// with the same synopsis, every option its list shows stands in that synopsis
// (but --help and --version), and the parser takes it as the list shows it (a
// flag alone, an option with a value).
TEST(ToolUso, EveryCommandListsAndTakesItsOptions) {
  const Uscita generale = esegui({"--help"});
  ASSERT_EQ(generale.stato, 0);
  std::vector<std::string> nomi;
  std::istringstream righe_generale(generale.out);
  for (std::string riga; std::getline(righe_generale, riga);) {
    // A command's line: two spaces, then its synopsis; its description is
    // indented further.
    if (riga.size() < 3 || riga.rfind("  ", 0) != 0 || riga[2] == ' ') continue;
    const std::string sinossi_generale = riga.substr(2);
    const std::string nome = sinossi_generale.substr(0, sinossi_generale.find(' '));
    nomi.push_back(nome);
    const Uscita aiuto = esegui({nome, "--help"});
    ASSERT_EQ(aiuto.stato, 0) << nome;
    const std::string usage = aiuto.out.substr(0, aiuto.out.find('\n'));
    EXPECT_EQ(usage, "usage: scenario-tool " + sinossi_generale) << nome;
    const size_t lista = aiuto.out.find("\noptions:\n");
    ASSERT_NE(lista, std::string::npos) << nome;
    std::istringstream righe_opzioni(aiuto.out.substr(lista + 10));
    for (std::string opzione; std::getline(righe_opzioni, opzione);) {
      ASSERT_EQ(opzione.rfind("  -", 0), 0u) << nome << ": " << opzione;
      const std::string forma = opzione.substr(2, opzione.find("  ", 2) - 2);
      const size_t spazio = forma.find(' ');
      const std::string chiave = forma.substr(0, spazio);
      if (chiave != "--help" && chiave != "--version") {
        EXPECT_TRUE(usage.find(" " + forma) != std::string::npos || usage.find("[" + forma) != std::string::npos)
            << nome << ": " << forma;
      }
      Args args = {nome, chiave};
      if (spazio != std::string::npos) args.push_back("x");
      args.push_back("--help");
      EXPECT_EQ(esegui(args).stato, 0) << nome << " " << forma;
    }
    EXPECT_EQ(esegui({nome, "--frobnicate"}).stato, kUscitaUso) << nome;
  }
  EXPECT_EQ(nomi, (std::vector<std::string>{"compile", "check", "dump", "plot", "view", "decompile", "example", "lsp"}));
}

// A wrong command line gets one line on standard error, the reason and the
// --help that tells more, whatever part of it is wrong; nothing on standard
// output.
TEST(ToolUso, AUsageErrorIsOneLineWithTheReason) {
  const struct {
    Args args;
    std::string err;
  } casi[] = {
      {{}, "scenario-tool: no command given; try 'scenario-tool --help'\n"},
      {{"frobnicate"}, "scenario-tool: unknown command frobnicate; try 'scenario-tool --help'\n"},
      {{"compile", "a.txt"}, "scenario-tool: expected LINE and TRAIN; try 'scenario-tool compile --help'\n"},
      {{"check", "a", "b", "--bogus"}, "scenario-tool: unknown option --bogus; try 'scenario-tool check --help'\n"},
      {{"dump", "a.sim", "--kind"}, "scenario-tool: option --kind needs a value; try 'scenario-tool dump --help'\n"},
      {{"example", "extra"}, "scenario-tool: example takes no argument; try 'scenario-tool example --help'\n"},
  };
  for (const auto& caso : casi) {
    const Uscita u = esegui(caso.args);
    EXPECT_EQ(u.stato, kUscitaUso) << caso.err;
    EXPECT_EQ(u.err, caso.err);
    EXPECT_EQ(u.out, "");
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
