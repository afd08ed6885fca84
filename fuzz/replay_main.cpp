// Runs a fuzz target over saved inputs without libFuzzer, so that every input
// the fuzzer ever kept can run as an ordinary test with any compiler. Each
// argument is an input file or a folder of them; names that begin with "." are
// skipped. A crash or a failed check of the target ends the run as it would
// end the fuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione);

namespace {

namespace fs = std::filesystem;

bool nascosto(const fs::path& p) { return p.filename().string().starts_with("."); }

// The input files an argument names; false when it names nothing.
bool raccogli(const fs::path& argomento, std::vector<fs::path>* ingressi) {
  if (fs::is_regular_file(argomento)) {
    ingressi->push_back(argomento);
    return true;
  }
  if (!fs::is_directory(argomento)) return false;
  for (const fs::directory_entry& voce : fs::directory_iterator(argomento)) {
    if (voce.is_regular_file() && !nascosto(voce.path())) ingressi->push_back(voce.path());
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> ingressi;
  for (int i = 1; i < argc; ++i) {
    if (!raccogli(argv[i], &ingressi)) {
      std::fprintf(stderr, "replay: no input file or folder %s\n", argv[i]);
      return 2;
    }
  }
  std::sort(ingressi.begin(), ingressi.end());
  for (const fs::path& ingresso : ingressi) {
    std::fprintf(stderr, "replay: %s\n", ingresso.c_str());
    std::ifstream in(ingresso, std::ios::binary);
    // The bytes get a buffer of their exact size, as under the fuzzer, so that
    // a read one past the end is caught by the sanitizers.
    const std::vector<uint8_t> dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(dati.data(), dati.size());
  }
  std::printf("replayed %zu inputs\n", ingressi.size());
  return 0;
}
