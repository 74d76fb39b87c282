#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An INI text read and written like the platform's private-profile routines:
// section and key names match regardless of letter case, the first section of
// a name and the first key of a name in it count, reads fall back to a default,
// and a write changes one line in place (or adds one) and keeps all others.
// Lines may end in CR LF, LF or CR; blanks around "=", blank lines, lines
// beginning with ";" or "#" and a byte order mark are accepted. Text is
// written with CR LF.
class IniFile {
 public:
  IniFile() = default;
  static IniFile Parse(std::string_view text);

  bool HasSection(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A value that is not a whole decimal number within int reads as the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

  std::string Text() const;

 private:
  enum class LineKind { Other, Section, Entry };
  // One section header, one entry, or a run of other lines (blank lines,
  // comments, text without "="), which keeps a large file of them small.
  struct Line {
    std::string Text;
    LineKind Kind = LineKind::Other;
    std::size_t NameBegin = 0;
    std::size_t NameLength = 0;
    std::size_t ValueBegin = 0;

    std::string_view Name() const;  // the section's name or the entry's key
    std::string_view Value() const;
  };
  // A section's keys, in lower case, with their lines, and its last entry's
  // line (the section's own line when it has none).
  struct SectionIndex {
    std::unordered_map<std::string, std::size_t> KeyLines;
    std::size_t LastEntry = 0;
  };

  static Line ParseLine(std::string text);
  void AddLine(std::string text);
  std::size_t SectionEnd(std::size_t sectionLine) const;
  std::size_t ScanForSection(std::string_view section) const;
  std::size_t SectionLine(std::string_view section) const;
  SectionIndex& IndexOf(std::size_t sectionLine) const;
  const Line* FindValue(std::string_view section, std::string_view key) const;

  bool byteOrderMark_ = false;
  std::vector<Line> lines_;
  // Lookups, filled as they are asked for so that reading and writing a
  // large file stay linear; a write that moves lines empties them.
  mutable std::unordered_map<std::string, std::size_t> sectionLines_;
  mutable std::unordered_map<std::size_t, SectionIndex> sectionIndexes_;
};
