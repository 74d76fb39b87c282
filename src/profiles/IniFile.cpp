#include "profiles/IniFile.h"

#include <charconv>

#include "profiles/ProfileName.h"

namespace {

constexpr std::size_t None = static_cast<std::size_t>(-1);
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(const std::string& text, std::size_t position) {
  while (position < text.size() && IsBlank(text[position])) ++position;
  return position;
}

std::size_t TrimBlanksBefore(const std::string& text, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(text[end - 1])) --end;
  return end;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string_view IniFile::Line::Name() const {
  return std::string_view(Text).substr(NameBegin, NameLength);
}

std::string_view IniFile::Line::Value() const {
  return std::string_view(Text).substr(ValueBegin);
}

IniFile::Line IniFile::ParseLine(std::string text) {
  Line line;
  line.Text = std::move(text);
  const std::string& content = line.Text;
  const std::size_t start = SkipBlanks(content, 0);
  if (start == content.size() || content[start] == ';' || content[start] == '#') return line;
  if (content[start] == '[') {
    const std::size_t close = content.find(']', start + 1);
    const std::size_t nameBegin = SkipBlanks(content, start + 1);
    const std::size_t nameEnd =
        TrimBlanksBefore(content, nameBegin, close == std::string::npos ? content.size() : close);
    line.Kind = LineKind::Section;
    line.NameBegin = nameBegin;
    line.NameLength = nameEnd - nameBegin;
    return line;
  }
  const std::size_t equals = content.find('=', start);
  if (equals == std::string::npos) return line;
  line.Kind = LineKind::Entry;
  line.NameBegin = start;
  line.NameLength = TrimBlanksBefore(content, start, equals) - start;
  // Blanks after "=" belong to the layout; the rest of the line is the value.
  line.ValueBegin = SkipBlanks(content, equals + 1);
  return line;
}

void IniFile::AddLine(std::string text) {
  Line line = ParseLine(std::move(text));
  if (line.Kind == LineKind::Other && !lines_.empty() && lines_.back().Kind == LineKind::Other) {
    lines_.back().Text += "\r\n" + line.Text;
    return;
  }
  lines_.push_back(std::move(line));
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile file;
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
    text.remove_prefix(ByteOrderMark.size());
    file.byteOrderMark_ = true;
  }
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    file.AddLine(std::string(text.substr(begin, end - begin)));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      ++end;
    }
    begin = end + 1;
  }
  return file;
}

std::size_t IniFile::SectionEnd(std::size_t sectionLine) const {
  std::size_t index = sectionLine + 1;
  while (index < lines_.size() && lines_[index].Kind != LineKind::Section) ++index;
  return index;
}

std::size_t IniFile::ScanForSection(std::string_view section) const {
  for (std::size_t index = 0; index < lines_.size(); ++index) {
    if (lines_[index].Kind == LineKind::Section && SameProfileName(lines_[index].Name(), section)) {
      return index;
    }
  }
  return None;
}

std::size_t IniFile::SectionLine(std::string_view section) const {
  const auto [cached, isNew] = sectionLines_.try_emplace(LowerCase(section), None);
  if (isNew) cached->second = ScanForSection(section);
  return cached->second;
}

IniFile::SectionIndex& IniFile::IndexOf(std::size_t sectionLine) const {
  const auto [cached, isNew] = sectionIndexes_.try_emplace(sectionLine);
  SectionIndex& index = cached->second;
  if (isNew) {
    index.LastEntry = sectionLine;
    const std::size_t end = SectionEnd(sectionLine);
    for (std::size_t line = sectionLine + 1; line < end; ++line) {
      if (lines_[line].Kind != LineKind::Entry) continue;
      index.KeyLines.try_emplace(LowerCase(lines_[line].Name()), line);
      index.LastEntry = line;
    }
  }
  return index;
}

const IniFile::Line* IniFile::FindValue(std::string_view section, std::string_view key) const {
  const std::size_t sectionLine = SectionLine(section);
  if (sectionLine == None) return nullptr;
  const SectionIndex& index = IndexOf(sectionLine);
  const auto entry = index.KeyLines.find(LowerCase(key));
  return entry == index.KeyLines.end() ? nullptr : &lines_[entry->second];
}

bool IniFile::HasSection(std::string_view section) const {
  return ScanForSection(section) != None;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const Line* line = FindValue(section, key);
  return std::string(line ? line->Value() : fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const Line* line = FindValue(section, key);
  if (!line) return fallback;
  std::string_view digits = TrimBlanks(line->Value());
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return fallback;
  return value;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Line entry = ParseLine(std::string(key) + "=" + std::string(value));
  const std::size_t sectionLine = SectionLine(section);
  if (sectionLine == None) {
    const std::size_t added = lines_.size();
    lines_.push_back(ParseLine("[" + std::string(section) + "]"));
    lines_.push_back(std::move(entry));
    sectionLines_[LowerCase(section)] = added;
    sectionIndexes_[added] = {{{LowerCase(key), added + 1}}, added + 1};
    return;
  }
  SectionIndex& index = IndexOf(sectionLine);
  const std::string lowerCaseKey = LowerCase(key);
  if (const auto existing = index.KeyLines.find(lowerCaseKey); existing != index.KeyLines.end()) {
    lines_[existing->second] = std::move(entry);
    return;
  }
  // A new key goes after the section's last entry, before any blank lines
  // or comments that separate it from the next section.
  const std::size_t at = index.LastEntry + 1;
  if (at == lines_.size()) {
    lines_.push_back(std::move(entry));
    index.KeyLines.emplace(lowerCaseKey, at);
    index.LastEntry = at;
    return;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
  sectionLines_.clear();
  sectionIndexes_.clear();
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

std::string IniFile::Text() const {
  std::string text(byteOrderMark_ ? ByteOrderMark : "");
  for (const Line& line : lines_) {
    text += line.Text;
    text += "\r\n";
  }
  return text;
}
