// Feeds arbitrary frames to the decoder. Whatever a unit sends, the decoded configuration
// must encode into a frame whose checksum the decoder accepts: every value read back fits
// the item that carries it again.
#include <cstdint>
#include <cstdlib>

#include "link/config_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < tqr417::FRAME_SIZE) return 0;
  const auto decoded =
      tqr417::DecodeFrame(std::span<const uint8_t, tqr417::FRAME_SIZE>(data, tqr417::FRAME_SIZE));
  const auto again = tqr417::DecodeFrame(tqr417::EncodeFrame(decoded.config).bytes);
  if (!again.checksumOk()) std::abort();
  return 0;
}
