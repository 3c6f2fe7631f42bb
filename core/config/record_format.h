// The settings records as tables of fields, and the one decoder, encoder,
// range check, loader, writer and "use" that serve every record.
//
// A record is a fixed run of values, each a signed byte or a signed 32-bit
// little-endian integer, without header or count. A reader takes the values
// of a short file as 0 past its end and reads a longer one only up to the
// record's size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

// The values "use" accepts for a field.
struct Range {
  int64_t low = std::numeric_limits<int64_t>::min();
  int64_t high = std::numeric_limits<int64_t>::max();
  constexpr bool Holds(int64_t value) const { return value >= low && value <= high; }
};
constexpr Range Between(int64_t low, int64_t high) {
  return {low, high};
}
constexpr Range AtMost(int64_t high) {
  return {std::numeric_limits<int64_t>::min(), high};
}

// One member of a record (a number or a flag, or an array of them) stored
// as `count` values of `width` bytes each. A flag (bool) member takes any
// nonzero value as set and is stored as 0 or 1; a number member is stored as
// its low 8 or 32 bits and read back signed.
template <typename Record>
struct Field {
  size_t count = 1;
  size_t width = 1;
  Range range;           // what "use" accepts
  int64_t fallback = 0;  // the value of a new record
  int64_t (*get)(const Record& record, size_t index) = nullptr;
  void (*set)(Record& record, size_t index, int64_t value) = nullptr;
};

namespace field_detail {

template <typename T>
struct MemberOf;
template <typename Class, typename Type>
struct MemberOf<Type Class::*> {
  using Record = Class;
  using Member = Type;
};

// A member seen as a run of values: one, or each element of an array.
template <typename T>
struct Values {
  using Value = T;
  static constexpr size_t kCount = 1;
  static constexpr T& At(T& member, size_t) { return member; }
  static constexpr const T& At(const T& member, size_t) { return member; }
};
template <typename T, size_t N>
struct Values<std::array<T, N>> {
  using Value = T;
  static constexpr size_t kCount = N;
  static constexpr T& At(std::array<T, N>& member, size_t index) { return member[index]; }
  static constexpr const T& At(const std::array<T, N>& member, size_t index) { return member[index]; }
};

template <auto Member, size_t Width>
constexpr auto MakeField(Range range, int64_t fallback) {
  using Record = typename MemberOf<decltype(Member)>::Record;
  using Run = Values<typename MemberOf<decltype(Member)>::Member>;
  Field<Record> field;
  field.count = Run::kCount;
  field.width = Width;
  field.range = range;
  field.fallback = fallback;
  field.get = [](const Record& record, size_t index) -> int64_t { return Run::At(record.*Member, index); };
  field.set = [](Record& record, size_t index, int64_t value) {
    Run::At(record.*Member, index) = static_cast<typename Run::Value>(value);
  };
  return field;
}

}  // namespace field_detail

// A member stored as signed bytes: Byte<&EnemySettings::speed>(AtMost(12)).
template <auto Member>
constexpr auto Byte(Range range = {}, int64_t fallback = 0) {
  return field_detail::MakeField<Member, 1>(range, fallback);
}
// A member stored as signed 32-bit little-endian integers.
template <auto Member>
constexpr auto Int32(Range range = {}, int64_t fallback = 0) {
  return field_detail::MakeField<Member, 4>(range, fallback);
}

// A whole record: its workspace file, its fields in file order, and what its
// operations tell the user (messages titled "Error"; an empty one is not
// shown).
template <typename Record>
struct RecordFormat {
  const char* file = "";
  std::span<const Field<Record>> fields;
  size_t copies = 1;  // the fields are stored this many times; read from the first
  const char* cannot_load = "";
  const char* out_of_range = "";
  const char* cannot_save = "";  // when empty, "cannot write to file <path>"
  // Applied by "use" before the range check: the rules between fields.
  void (*before_use)(Record& record) = nullptr;
  // A file of any other size is replaced by the new record when loaded.
  bool renew_wrong_size = false;
};

template <typename Record>
constexpr size_t RecordSize(const RecordFormat<Record>& format) {
  size_t size = 0;
  for (const Field<Record>& field : format.fields) size += field.count * field.width;
  return size * format.copies;
}

// The pieces that do not depend on the record's type.
int64_t ReadValue(std::span<const uint8_t> bytes, size_t offset, size_t width);
void AppendValue(platform::Bytes& out, int64_t value, size_t width);
void ShowError(platform::Prompter& prompter, const char* text);
// Writes the file; a failure shows `cannot_save`, or "cannot write to file
// <path>" when that is empty.
[[nodiscard]] bool WriteRecordFile(const platform::Workspace& workspace, const char* file,
                                   const platform::Bytes& bytes, const char* cannot_save,
                                   platform::Prompter& prompter);

template <typename Record>
Record Decode(const RecordFormat<Record>& format, std::span<const uint8_t> bytes) {
  Record record{};
  size_t offset = 0;
  for (const Field<Record>& field : format.fields)
    for (size_t i = 0; i < field.count; ++i, offset += field.width)
      field.set(record, i, ReadValue(bytes, offset, field.width));
  return record;
}

template <typename Record>
platform::Bytes Encode(const RecordFormat<Record>& format, const Record& record) {
  platform::Bytes out;
  out.reserve(RecordSize(format));
  for (size_t copy = 0; copy < format.copies; ++copy)
    for (const Field<Record>& field : format.fields)
      for (size_t i = 0; i < field.count; ++i) AppendValue(out, field.get(record, i), field.width);
  return out;
}

// The record of a new workspace: every field at its fallback value.
template <typename Record>
Record Defaults(const RecordFormat<Record>& format) {
  Record record{};
  for (const Field<Record>& field : format.fields)
    for (size_t i = 0; i < field.count; ++i) field.set(record, i, field.fallback);
  return record;
}

template <typename Record>
bool InRange(const RecordFormat<Record>& format, const Record& record) {
  for (const Field<Record>& field : format.fields)
    for (size_t i = 0; i < field.count; ++i)
      if (!field.range.Holds(field.get(record, i))) return false;
  return true;
}

// Writes the record; a failure is reported and gives false.
template <typename Record>
[[nodiscard]] bool Save(const RecordFormat<Record>& format, const platform::Workspace& workspace,
                        const Record& record, platform::Prompter& prompter) {
  return WriteRecordFile(workspace, format.file, Encode(format, record), format.cannot_save, prompter);
}

// Reads the record; nothing (with `cannot_load` shown) when the file can't
// be read. A record that renews a file of the wrong size writes the new
// record first, and reports when that fails.
template <typename Record>
[[nodiscard]] std::optional<Record> Load(const RecordFormat<Record>& format,
                                         const platform::Workspace& workspace, platform::Prompter& prompter) {
  if (format.renew_wrong_size && workspace.FileSize(format.file) != static_cast<int64_t>(RecordSize(format)))
    static_cast<void>(
        WriteRecordFile(workspace, format.file, Encode(format, Defaults(format)), "", prompter));
  const auto bytes = workspace.Read(format.file, RecordSize(format));
  if (!bytes) {
    ShowError(prompter, format.cannot_load);
    return std::nullopt;
  }
  return Decode(format, *bytes);
}

// "use": the rules between fields applied, then a value out of range is
// reported (`out_of_range`) and gives false; otherwise the record is saved
// and true returned, also when the write failed (that is reported).
template <typename Record>
[[nodiscard]] bool Use(const RecordFormat<Record>& format, const platform::Workspace& workspace,
                       Record record, platform::Prompter& prompter) {
  if (format.before_use) format.before_use(record);
  if (!InRange(format, record)) {
    ShowError(prompter, format.out_of_range);
    return false;
  }
  static_cast<void>(Save(format, workspace, record, prompter));
  return true;
}

}  // namespace config
