// libFuzzer target: the MS Access reader over damaged files. Whatever the bytes, the reader
// ends (its library runs in a child process that is killed when it stops making progress)
// with a schema or one of its own messages. When the child could read a file, the same
// reading in this process must give the same schema: the child's hand-over loses nothing,
// and this run is where the fuzzer sees which parts of our reader the input reached.
//
// Mutations keep the file's length (a file that is not whole pages is refused before the
// library sees it) and change a few bytes of one page, where the library's structures are;
// now and then the file is cut at a page boundary instead.
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/access_file_reader.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

using namespace tablora;

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

constexpr std::size_t kPage = 4096;

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  if (size < 2 * kPage) return LLVMFuzzerMutate(data, size, maxSize);
  const std::size_t pages = size / kPage;
  if (seed % 16 == 0) return (1 + seed / 16 % (pages - 1)) * kPage;  // cut at a page boundary
  // A window of one page, mostly near its start where the page's own header and row
  // offsets are.
  const std::size_t page = seed % pages;
  const std::size_t length = seed % 3 == 0 ? kPage : 128;
  uint8_t window[kPage];
  std::memcpy(window, data + page * kPage, length);
  const std::size_t mutated = LLVMFuzzerMutate(window, length, length);
  std::memcpy(data + page * kPage, window, mutated);
  return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      "/tmp/tablora_access_reader_fuzz_" + std::to_string(::getpid()) + ".mdb";
  if (!TextFile::WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size)))
    return 0;
  AccessFileSchema schema;
  std::string error;
  // Without load the file reads in a few milliseconds: a second without progress is a hang.
  if (!AccessFileReader::Read(path, schema, &error, 1000)) {
    Check(schema.tables.empty() && schema.relationships.empty());
    Check(StartsWith(error, Cp936(u8"数据库文件已损坏: ") + path) ||
          StartsWith(error, Cp936(u8"不是MS Access数据库文件: ") + path) ||
          StartsWith(error, Cp936(u8"无法读取数据库文件: ") + path));
    return 0;
  }
  Check(error.empty());
  AccessFileSchema here;
  std::string hereError;
  Check(AccessFileReader::ReadInProcess(path, here, hereError));
  Check(AccessFileReader::Encode(here) == AccessFileReader::Encode(schema));
  return 0;
}
