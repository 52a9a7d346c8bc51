// Feeds arbitrary bytes to the configuration file reader. Whatever it accepts must be a fixed
// point of writing and reading: the configuration written and read back is the same, and
// writing it again gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/defaults.h"
#include "file/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tqr417;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  UnitConfig config = StartupConfig();
  if (!ParseConfigFile(input, config).ok()) return 0;

  std::string text;
  if (!FormatConfigFile(config, text).ok()) return 0;
  UnitConfig reread = StartupConfig();
  reread.main.toneMode = 1;  // every value must come from the text, not from the start
  if (!ParseConfigFile(text, reread).ok()) std::abort();
  if (!(reread == config)) std::abort();
  std::string rewritten;
  if (!FormatConfigFile(reread, rewritten).ok() || rewritten != text) std::abort();
  return 0;
}
