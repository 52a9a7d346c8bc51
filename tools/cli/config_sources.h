#pragma once
// Where a configuration to compare comes from: a .417 file, or a 936-byte frame file as the
// frame command writes it, and what a configuration becomes on its way through a frame.

#include <string>

#include "config/status.h"
#include "config/unit_config.h"

namespace tqr417::cli {

// Reads and decodes the frame file at `path`. kIoError when it cannot be read; kInvalidInput,
// naming the file, when it is not FRAME_SIZE bytes long or its checksum does not match.
// `config` is replaced only on success.
Status ReadFrameFile(const std::string& path, UnitConfig& config);

// What a unit holds after `config` has gone through the frame: encoded as an upload sends it,
// then decoded as a download decodes it (1200 Hz comes back as 1199 Hz, for instance).
UnitConfig ThroughFrame(const UnitConfig& config);

// One side of a comparison.
struct ConfigSource {
  UnitConfig config;
  bool isFrame = false;  // read from a frame file, so already as a unit holds it
};

// A file of exactly FRAME_SIZE bytes whose name does not end in ".417" is read as a frame,
// any other as a .417 file. On failure says why on standard error and returns false.
bool LoadSource(const std::string& path, ConfigSource& source);

}  // namespace tqr417::cli
