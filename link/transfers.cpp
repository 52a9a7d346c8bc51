#include "link/transfers.h"

#include <span>

#include "link/config_frame.h"
#include "link/serial_link.h"
#include "link/unit_protocol.h"

namespace tqr417 {

namespace {

Status OpenSelected(SerialLink& link, const PortSelection& port, int outputQueueSize) {
  if (!port.device.empty()) return link.OpenDevice(port.device, outputQueueSize);
  return link.Open(port.comPort, outputQueueSize);
}

}  // namespace

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

TransferResult Upload(const UnitConfig& config, const PortSelection& port,
                      const ReportWhileOpen& report) {
  SerialLink link;
  TransferResult result{TransferOutcome::kOpenFailed,
                        OpenSelected(link, port, UPLOAD_OUTPUT_QUEUE)};
  if (result.reason.ok()) result = UploadOver(link, config);
  if (report) report(result);
  link.Close();
  return result;
}

TransferResult Download(UnitConfig& config, const PortSelection& port) {
  SerialLink link;
  TransferResult result{TransferOutcome::kOpenFailed,
                        OpenSelected(link, port, DOWNLOAD_OUTPUT_QUEUE)};
  if (result.reason.ok()) result = DownloadOver(link, config);
  link.Close();
  return result;
}

}  // namespace tqr417
