#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// An INI text read and written like the platform's private-profile routines:
// section and key names match regardless of letter case, the first section of
// a name and the first key of a name in it count, reads fall back to a default,
// and a write changes one line in place (or adds one) and keeps all others.
// Lines may end in CR LF, LF or CR; blanks around "=", blank lines and lines
// beginning with ";" or "#" are accepted. Text is written with CR LF.
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
  struct Line {
    std::string Text;
    LineKind Kind = LineKind::Other;
    std::string_view Name() const;  // the section's name or the entry's key
    std::string_view Value() const;
    std::size_t NameBegin = 0;
    std::size_t NameLength = 0;
    std::size_t ValueBegin = 0;
  };

  static Line ParseLine(std::string text);
  std::size_t FindSection(std::string_view section) const;
  // The end of the section whose header is at sectionLine: the next header or the end.
  std::size_t SectionEnd(std::size_t sectionLine) const;
  std::size_t FindEntry(std::size_t sectionLine, std::string_view key) const;
  const Line* FindValue(std::string_view section, std::string_view key) const;

  std::vector<Line> lines_;
};
