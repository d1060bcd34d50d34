#include "voice/VoicePrompts.h"

namespace sorvane {

const char* const kVoiceFolderName = "Voice";

std::string RecordingFileName(int buttonNumber) { return std::to_string(buttonNumber) + ".wav"; }

namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

}  // namespace

std::optional<std::int64_t> WaveLengthMilliseconds(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
  std::uint32_t bytesPerSecond = 0;
  // Chunks follow one another, each padded to an even length; the format
  // comes before the data.
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint32_t size = LittleEndian32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (id == "fmt ") {
      if (size < 16 || bytes.size() - body < 16) return std::nullopt;
      bytesPerSecond = LittleEndian32(bytes, body + 8);
    } else if (id == "data") {
      if (bytesPerSecond == 0) return std::nullopt;
      // A recorder that stopped before fixing the header leaves the size too
      // large: what the file holds is what plays.
      const std::uint64_t held = bytes.size() - body;
      const std::uint64_t dataBytes = size < held ? size : held;
      return static_cast<std::int64_t>((dataBytes * 1000 + bytesPerSecond - 1) / bytesPerSecond);
    }
    const std::uint64_t next = static_cast<std::uint64_t>(body) + size + (size & 1U);
    if (next > bytes.size()) return std::nullopt;
    at = static_cast<std::size_t>(next);
  }
  return std::nullopt;
}

}  // namespace sorvane
