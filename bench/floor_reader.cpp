// The floor as a whole process: `floor_reader FILE` reads FILE and prints the number of
// tables and columns it found; `floor_reader --write-script N FILE` writes the generated
// script of N tables (the one the open benchmarks read) to FILE.
#include <cstdio>
#include <string>

#include "base/text_file.h"
#include "floor_reader.h"
#include "generated_script.h"

int main(int argc, char** argv) {
  using namespace tablora;
  if (argc == 4 && std::string(argv[1]) == "--write-script") {
    return TextFile::WriteBytes(argv[3], bench::GeneratedScript(std::atoi(argv[2]))) ? 0 : 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: floor_reader FILE | floor_reader --write-script N FILE\n");
    return 2;
  }
  std::FILE* file = std::fopen(argv[1], "rb");
  if (!file) return 1;
  std::string text;
  std::fseek(file, 0, SEEK_END);
  text.resize(static_cast<std::size_t>(std::ftell(file)));
  std::fseek(file, 0, SEEK_SET);
  const std::size_t read = std::fread(text.data(), 1, text.size(), file);
  std::fclose(file);
  text.resize(read);
  const auto tables = bench::FloorRead(text);
  std::size_t columns = 0;
  for (const auto& t : tables) columns += t.columns.size();
  std::printf("%zu tables, %zu columns\n", tables.size(), columns);
  return tables.empty() ? 1 : 0;
}
