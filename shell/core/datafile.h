// The project data files: sequential text files of comma-separated fields.
//
// One line per write statement; a number is written as plain decimal text, a
// box held as text between double quotes, an unset field as nothing. Reading
// takes the fields back in order across line breaks (a line break separates
// fields like a comma; CRLF and LF are both accepted).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct Field {
  enum class Kind { Empty, Number, Text, Invalid };
  Kind kind = Kind::Empty;
  float number = 0.0f;  // Number
  std::string text;     // Text: without the quotes; Invalid: the raw field

  static Field Num(float v) { return Field{Kind::Number, v, {}}; }
  static Field Str(std::string s) { return Field{Kind::Text, 0.0f, std::move(s)}; }
  static Field None() { return Field{}; }

  // The number the field holds: a number, or a quoted text that spells one.
  std::optional<float> AsNumber() const;
  // The text a box shows for this field: a number in plain decimal, a text
  // unchanged, an empty field as "".
  std::string AsBoxText() const;
};

using Line = std::vector<Field>;

// The text of a whole file: each line's fields joined by commas, each line
// ended by CRLF.
std::string FormatDataFile(const std::vector<Line>& lines);

// All fields of a file's text in order, across lines.
std::vector<Field> ParseDataFile(std::string_view content);

// Outcome of a file operation: ok, or the reason in the words of the message.
struct FileResult {
  bool ok = true;
  std::string error;  // Chinese message naming the file
  explicit operator bool() const { return ok; }
};

// Replace `path` atomically with `content`: a temporary file in the same
// folder is written, flushed to disk and renamed over the old one. When any
// step fails, the old file stays byte for byte and the result says so.
FileResult ReplaceFileAtomically(const std::string& path, std::string_view content);

// Read a whole file; nullopt where it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The name of a project data file: the project name immediately followed by
// the suffix, in the current folder. A project name holding a path separator
// ('/' or '\') or a NUL would reach outside the current folder and is refused
// (nullopt); blanks and every other character are kept exactly.
std::optional<std::string> ProjectFileName(std::string_view projectName, std::string_view suffix);

// The message for a refused project name.
std::string BadProjectNameMessage();

// Read the fields of a project data file, at least `minimumFields` of them.
// On failure `error` names the file and what is wrong with it.
struct DataFileRead {
  bool ok = false;
  std::vector<Field> fields;
  std::string error;
};
DataFileRead ReadProjectFile(const std::string& fileName, std::size_t minimumFields);

// Format `lines` and replace the file atomically.
FileResult WriteProjectFile(const std::string& fileName, const std::vector<Line>& lines);

}  // namespace shell
