#include "link/transfers.h"

#include <span>
#include <utility>

#include "link/config_frame.h"
#include "link/unit_protocol.h"

namespace tqr417 {

TransferResult UploadOver(ByteChannel& channel, const UnitConfig& config) {
  const EncodedFrame frame = EncodeFrame(config);
  // The unit answers within the time-out after the checksum has left the line, so the wait
  // for its answer starts only then. Nothing more is written or awaited once the line fails.
  const bool sent = channel.WriteByte(CMD_SEND_CONFIG) &&
                    channel.Write(std::span<const uint8_t>(frame.bytes).first(FRAME_SIZE - 2)) &&
                    channel.WriteWord(frame.sum) && channel.WaitUntilSent();
  // NO_DATA has 0xFF as its low 8 bits, so silence counts as a refusal.
  if (sent && (channel.ReadByte() & 0xFF) == REPLY_ACCEPTED) {
    return {TransferOutcome::kUploadAccepted, Status::Ok()};
  }
  return {TransferOutcome::kUploadRefused, channel.LineFailure()};
}

TransferResult DownloadOver(ByteChannel& channel, UnitConfig& config) {
  // The unit has its time-out to begin the frame from the moment the command has reached it.
  if (!channel.WriteByte(CMD_RECV_CONFIG) || !channel.WaitUntilSent()) {
    return {TransferOutcome::kDownloadTimeout, channel.LineFailure()};
  }
  ConfigFrame bytes{};
  for (uint8_t& byte : bytes) {
    const uint16_t received = channel.ReadByte();
    if (received == NO_DATA) return {TransferOutcome::kDownloadTimeout, channel.LineFailure()};
    byte = static_cast<uint8_t>(received);
  }
  DecodedFrame decoded = DecodeFrame(bytes);
  if (!decoded.checksumOk()) return {TransferOutcome::kDownloadBadChecksum, Status::Ok()};
  config = std::move(decoded.config);
  return {TransferOutcome::kDownloadOk, Status::Ok()};
}

TransferResult Upload(const UnitConfig& config, PortOpener& opener, ComPort port) {
  OpenedPort opened = opener.Open(port, UPLOAD_OUTPUT_QUEUE);
  if (!opened.channel) return {TransferOutcome::kOpenFailed, std::move(opened.status)};
  return UploadOver(*opened.channel, config);
}

TransferResult Download(UnitConfig& config, PortOpener& opener, ComPort port) {
  OpenedPort opened = opener.Open(port, DOWNLOAD_OUTPUT_QUEUE);
  if (!opened.channel) return {TransferOutcome::kOpenFailed, std::move(opened.status)};
  return DownloadOver(*opened.channel, config);
}

}  // namespace tqr417
