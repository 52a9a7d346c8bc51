#include "tools/cli/config_sources.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <span>

#include "file/safe_file.h"
#include "link/config_frame.h"
#include "tools/cli/command_support.h"

namespace tqr417::cli {

namespace {

bool LooksLikeFrameFile(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size != FRAME_SIZE) return false;
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension != ".417";
}

}  // namespace

Status ReadFrameFile(const std::string& path, UnitConfig& config) {
  std::string bytes;
  if (Status read = ReadWholeFile(path, bytes); !read.ok()) return read;
  if (bytes.size() != FRAME_SIZE) {
    return Status::Error(StatusCode::kInvalidInput,
                         "The frame file \"" + path + "\" holds " + std::to_string(bytes.size()) +
                             " bytes; a frame is " + std::to_string(FRAME_SIZE) + " bytes.");
  }
  DecodedFrame decoded = DecodeFrame(std::span<const uint8_t, FRAME_SIZE>(
      reinterpret_cast<const uint8_t*>(bytes.data()), FRAME_SIZE));
  if (!decoded.checksumOk()) {
    char detail[96];
    std::snprintf(detail, sizeof detail, "checksum 0x%04X, sum of the data 0x%04X",
                  decoded.receivedChecksum, decoded.computedChecksum);
    return Status::Error(StatusCode::kInvalidInput,
                         "The frame in \"" + path + "\" is damaged (" + detail + ").");
  }
  config = std::move(decoded.config);
  return Status::Ok();
}

UnitConfig ThroughFrame(const UnitConfig& config) {
  return DecodeFrame(EncodeFrame(config).bytes).config;
}

bool LoadSource(const std::string& path, ConfigSource& source) {
  source.isFrame = LooksLikeFrameFile(path);
  if (!source.isFrame) return LoadFile(path, source.config);
  const Status read = ReadFrameFile(path, source.config);
  if (!read.ok()) std::cerr << read.message() << "\n";
  return read.ok();
}

}  // namespace tqr417::cli
