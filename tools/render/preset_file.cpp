#include "tools/render/preset_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <sstream>

namespace {

constexpr VstInt32 kChunkMagic = CCONST('C', 'c', 'n', 'K');
constexpr VstInt32 kParameterProgramMagic = CCONST('F', 'x', 'C', 'k');
constexpr VstInt32 kChunkProgramMagic = CCONST('F', 'P', 'C', 'h');
constexpr VstInt32 kParameterBankMagic = CCONST('F', 'x', 'B', 'k');
constexpr VstInt32 kChunkBankMagic = CCONST('F', 'B', 'C', 'h');

constexpr std::size_t kNameBytes = 28;
constexpr std::size_t kBankFutureBytes = 124;
// Magic, byte size, kind, format version, unique ID, plug-in version and count, then a
// program's name, or a bank's current program and its reserved bytes.
constexpr std::size_t kProgramHeaderBytes = 7 * 4 + kNameBytes;
constexpr std::size_t kBankHeaderBytes = 7 * 4 + 4 + kBankFutureBytes;
// Magic and byte size: what the byte size does not count.
constexpr std::size_t kSizeFieldEnd = 8;

struct KindMagic {
  PresetKind kind;
  VstInt32 magic;
};

constexpr KindMagic kKinds[] = {
    {PresetKind::kParameterProgram, kParameterProgramMagic},
    {PresetKind::kChunkProgram, kChunkProgramMagic},
    {PresetKind::kParameterBank, kParameterBankMagic},
    {PresetKind::kChunkBank, kChunkBankMagic},
};

VstInt32 MagicOf(PresetKind kind) {
  for (const KindMagic& each : kKinds) {
    if (each.kind == kind) return each.magic;
  }
  return 0;
}

std::string MagicText(VstInt32 magic) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto c = static_cast<unsigned char>(static_cast<std::uint32_t>(magic) >> shift);
    if (c >= 0x20 && c < 0x7F) {
      text += static_cast<char>(c);
    } else {
      const char digits[] = "0123456789abcdef";
      text += std::string("\\x") + digits[c >> 4] + digits[c & 0xF];
    }
  }
  return text;
}

[[noreturn]] void Fail(const std::string& phrase) { throw PresetFormatError(phrase); }

// A stretch of the file read front to back; the caller has checked that what it reads is there.
class BigEndianReader {
 public:
  BigEndianReader(const unsigned char* data, std::size_t size) : data_(data), end_(data + size) {}

  std::size_t left() const { return static_cast<std::size_t>(end_ - data_); }

  VstInt32 int32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | *data_++;
    return static_cast<VstInt32>(value);
  }

  float float32() {
    const auto bits = static_cast<std::uint32_t>(int32());
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  std::string name() {
    const unsigned char* start = data_;
    data_ += kNameBytes;
    std::size_t length = 0;
    while (length < kNameBytes && start[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(start), length);
  }

  const unsigned char* take(std::size_t bytes) {
    const unsigned char* start = data_;
    data_ += bytes;
    return start;
  }

 private:
  const unsigned char* data_;
  const unsigned char* end_;
};

[[noreturn]] void FailTruncatedHeader(std::size_t size, std::size_t header) {
  Fail("is truncated: it ends after " + std::to_string(size) + " bytes, inside its " + std::to_string(header) +
       "-byte header");
}

// Checks the header's magic, kind and byte size against the bytes there are, and
// answers the kind. Leaves the reader after the kind.
PresetKind ReadFrame(BigEndianReader& reader, std::size_t size) {
  if (size == 0) Fail("is empty");
  if (size < 4) FailTruncatedHeader(size, kProgramHeaderBytes);
  if (reader.int32() != kChunkMagic) Fail("is no VST preset file: it does not start with \"CcnK\"");
  if (size < 12) FailTruncatedHeader(size, kProgramHeaderBytes);
  const auto declared = static_cast<std::uint32_t>(reader.int32());
  const VstInt32 magic = reader.int32();
  const auto known = std::find_if(std::begin(kKinds), std::end(kKinds),
                                  [magic](const KindMagic& each) { return each.magic == magic; });
  if (known == std::end(kKinds)) {
    Fail("is of the kind \"" + MagicText(magic) + "\", which is none of FxCk, FPCh, FxBk and FBCh");
  }
  const std::size_t header = IsBank(known->kind) ? kBankHeaderBytes : kProgramHeaderBytes;
  if (size < header) FailTruncatedHeader(size, header);
  const std::uint64_t after = size - kSizeFieldEnd;
  if (declared > after) {
    Fail("is truncated: its byte size promises " + std::to_string(declared) + " bytes after the size field, and " +
         std::to_string(after) + " follow");
  }
  if (declared < after) {
    Fail("has " + std::to_string(after) + " bytes after the size field, but its byte size says " +
         std::to_string(declared));
  }
  return known->kind;
}

void ReadIdentity(BigEndianReader& reader, PresetFile& preset) {
  preset.formatVersion = reader.int32();
  preset.pluginId = reader.int32();
  preset.pluginVersion = reader.int32();
  preset.count = reader.int32();
  const VstInt32 newest = IsBank(preset.kind) ? 2 : 1;
  if (preset.formatVersion < 1 || preset.formatVersion > newest) {
    Fail("has the format version " + std::to_string(preset.formatVersion) + ", which vst-render does not read");
  }
  if (preset.count < 0) Fail("has a negative count (" + std::to_string(preset.count) + ")");
}

std::string ValueText(float value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::vector<float> ReadParameters(BigEndianReader& reader, VstInt32 count) {
  if (static_cast<std::uint64_t>(count) * 4 != reader.left()) {
    Fail("holds " + std::to_string(count) + " parameter values by its count, in " + std::to_string(reader.left()) +
         " bytes");
  }
  std::vector<float> values(static_cast<std::size_t>(count));
  for (std::size_t index = 0; index < values.size(); ++index) {
    values[index] = reader.float32();
    if (!(values[index] >= 0.0f && values[index] <= 1.0f)) {
      Fail("holds the value " + ValueText(values[index]) + " for parameter " + std::to_string(index) +
           ", outside 0 to 1");
    }
  }
  return values;
}

std::vector<unsigned char> ReadChunk(BigEndianReader& reader) {
  if (reader.left() < 4) Fail("is truncated: it ends before its chunk size");
  const VstInt32 size = reader.int32();
  if (size < 0 || static_cast<std::size_t>(size) > reader.left()) {
    Fail("has a chunk size of " + std::to_string(size) + " bytes, beyond the " + std::to_string(reader.left()) +
         " bytes left in the file");
  }
  if (static_cast<std::size_t>(size) < reader.left()) {
    Fail("has " + std::to_string(reader.left() - static_cast<std::size_t>(size)) + " bytes after its chunk");
  }
  if (size == 0) Fail("holds an empty chunk");
  const unsigned char* data = reader.take(static_cast<std::size_t>(size));
  return std::vector<unsigned char>(data, data + size);
}

PresetFile DecodeFrame(const unsigned char* data, std::size_t size);

// One program of a parameter bank: a whole parameter program file of its own, as long
// as its byte size says where that fits in what is left.
PresetProgram ReadBankProgram(BigEndianReader& reader, const PresetFile& bank, VstInt32 index) {
  const std::string which = "holds a program " + std::to_string(index) + " that ";
  std::size_t size = reader.left();
  if (size >= kSizeFieldEnd) {
    BigEndianReader peek(reader);
    peek.int32();
    const std::uint64_t framed = kSizeFieldEnd + static_cast<std::uint64_t>(static_cast<std::uint32_t>(peek.int32()));
    if (framed <= size) size = static_cast<std::size_t>(framed);
  }
  PresetFile program;
  try {
    program = DecodeFrame(reader.take(size), size);
  } catch (const PresetFormatError& error) {
    Fail(which + error.what());
  }
  if (program.kind != PresetKind::kParameterProgram) Fail(which + "is not a parameter program (FxCk)");
  if (program.pluginId != bank.pluginId) {
    Fail(which + "is for the unique ID " + std::to_string(program.pluginId) + ", in a bank for " +
         std::to_string(bank.pluginId));
  }
  return program.programs.front();
}

void ReadBank(BigEndianReader& reader, PresetFile& bank) {
  const VstInt32 current = reader.int32();
  reader.take(kBankFutureBytes);
  // Banks of format version 1 kept these bytes reserved too.
  bank.currentProgram = bank.formatVersion >= 2 ? current : 0;
  if (bank.count > 0 && (bank.currentProgram < 0 || bank.currentProgram >= bank.count)) {
    Fail("names program " + std::to_string(bank.currentProgram) + " as its current one, but holds " +
         std::to_string(bank.count) + " programs");
  }
  if (bank.kind == PresetKind::kChunkBank) {
    bank.chunk = ReadChunk(reader);
    return;
  }
  if (static_cast<std::uint64_t>(bank.count) * kProgramHeaderBytes > reader.left()) {
    Fail("holds " + std::to_string(bank.count) + " programs by its count, more than its " +
         std::to_string(reader.left()) + " bytes of programs can hold");
  }
  for (VstInt32 index = 0; index < bank.count; ++index) bank.programs.push_back(ReadBankProgram(reader, bank, index));
  if (reader.left() > 0) Fail("has " + std::to_string(reader.left()) + " bytes after its last program");
}

PresetFile DecodeFrame(const unsigned char* data, std::size_t size) {
  BigEndianReader reader(data, size);
  PresetFile preset;
  preset.kind = ReadFrame(reader, size);
  ReadIdentity(reader, preset);
  if (IsBank(preset.kind)) {
    ReadBank(reader, preset);
    return preset;
  }
  PresetProgram program{reader.name(), {}};
  if (preset.kind == PresetKind::kChunkProgram) {
    preset.chunk = ReadChunk(reader);
  } else {
    program.parameters = ReadParameters(reader, preset.count);
  }
  preset.programs.push_back(std::move(program));
  return preset;
}

class BigEndianWriter {
 public:
  void int32(VstInt32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      bytes_.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> shift));
    }
  }
  void float32(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    int32(static_cast<VstInt32>(bits));
  }
  void name(const std::string& name) {
    const std::size_t length = std::min(name.size(), kNameBytes - 1);
    bytes_.insert(bytes_.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(length));
    zeros(kNameBytes - length);
  }
  void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void bytes(const std::vector<unsigned char>& data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }

  std::size_t size() const { return bytes_.size(); }
  // Writes the byte size of the frame that starts at start, now that it is complete.
  void closeFrame(std::size_t start) {
    const auto size = static_cast<std::uint32_t>(bytes_.size() - start - kSizeFieldEnd);
    for (int i = 0; i < 4; ++i) bytes_[start + 4 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(size >> (24 - 8 * i));
  }
  std::vector<unsigned char> take() { return std::move(bytes_); }

 private:
  std::vector<unsigned char> bytes_;
};

void WriteFrameStart(BigEndianWriter& writer, PresetKind kind, VstInt32 version, const PresetFile& preset,
                     VstInt32 count) {
  writer.int32(kChunkMagic);
  writer.int32(0);  // the byte size, once known
  writer.int32(MagicOf(kind));
  writer.int32(version);
  writer.int32(preset.pluginId);
  writer.int32(preset.pluginVersion);
  writer.int32(count);
}

void WriteChunk(BigEndianWriter& writer, const std::vector<unsigned char>& chunk) {
  writer.int32(static_cast<VstInt32>(chunk.size()));
  writer.bytes(chunk);
}

void WriteParameterProgram(BigEndianWriter& writer, const PresetFile& preset, const PresetProgram& program) {
  const std::size_t start = writer.size();
  WriteFrameStart(writer, PresetKind::kParameterProgram, 1, preset, static_cast<VstInt32>(program.parameters.size()));
  writer.name(program.name);
  for (const float value : program.parameters) writer.float32(value);
  writer.closeFrame(start);
}

}  // namespace

bool IsBank(PresetKind kind) { return kind == PresetKind::kParameterBank || kind == PresetKind::kChunkBank; }

bool HoldsChunk(PresetKind kind) { return kind == PresetKind::kChunkProgram || kind == PresetKind::kChunkBank; }

PresetFile DecodePresetFile(const std::vector<unsigned char>& bytes) { return DecodeFrame(bytes.data(), bytes.size()); }

std::vector<unsigned char> EncodePresetFile(const PresetFile& preset) {
  BigEndianWriter writer;
  switch (preset.kind) {
    case PresetKind::kParameterProgram:
      WriteParameterProgram(writer, preset, preset.programs.at(0));
      break;
    case PresetKind::kChunkProgram:
      WriteFrameStart(writer, preset.kind, 1, preset, preset.count);
      writer.name(preset.programs.empty() ? std::string() : preset.programs.front().name);
      WriteChunk(writer, preset.chunk);
      writer.closeFrame(0);
      break;
    case PresetKind::kParameterBank:
    case PresetKind::kChunkBank: {
      const bool chunk = preset.kind == PresetKind::kChunkBank;
      WriteFrameStart(writer, preset.kind, preset.formatVersion, preset,
                      chunk ? preset.count : static_cast<VstInt32>(preset.programs.size()));
      writer.int32(preset.currentProgram);
      writer.zeros(kBankFutureBytes);
      if (chunk) {
        WriteChunk(writer, preset.chunk);
      } else {
        for (const PresetProgram& program : preset.programs) WriteParameterProgram(writer, preset, program);
      }
      writer.closeFrame(0);
      break;
    }
  }
  return writer.take();
}
