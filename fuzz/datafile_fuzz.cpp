// The data-file reader on arbitrary bytes: it must not crash, and what it
// reads must survive a write and a second read unchanged.
#include "datafile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::vector<shell::Field> fields = shell::ParseDataFile(content);

  // Written back as one line (texts and invalid fields quoted) and read again,
  // every field keeps its kind and value.
  shell::Line line;
  for (const shell::Field& f : fields) {
    if (f.kind == shell::Field::Kind::Invalid)
      line.push_back(shell::Field::Str(f.text));
    else
      line.push_back(f);
  }
  // A line of one empty field is written as a blank line, which holds none.
  if (line.size() == 1 && line[0].kind == shell::Field::Kind::Empty) return 0;
  const std::vector<shell::Field> again = shell::ParseDataFile(shell::FormatDataFile({line}));
  if (!line.empty() && again.size() != line.size()) std::abort();
  for (size_t i = 0; i < again.size() && i < line.size(); ++i) {
    const shell::Field& a = line[i];
    const shell::Field& b = again[i];
    if (a.kind != b.kind) std::abort();
    if (a.kind == shell::Field::Kind::Number && !(a.number == b.number)) std::abort();
    if (a.kind == shell::Field::Kind::Text) {
      // Line breaks inside a text are written as blanks.
      std::string expected = a.text;
      for (char& c : expected)
        if (c == '\r' || c == '\n') c = ' ';
      if (expected != b.text) std::abort();
    }
  }
  return 0;
}
