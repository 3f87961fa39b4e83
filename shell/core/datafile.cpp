#include "datafile.h"

#include "numbers.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

std::optional<float> Field::AsNumber() const {
  switch (kind) {
    case Kind::Number:
      return number;
    case Kind::Text:
    case Kind::Invalid:
      return TextToSingle(text);
    case Kind::Empty:
      break;
  }
  return std::nullopt;
}

std::string Field::AsBoxText() const {
  switch (kind) {
    case Kind::Number:
      return SingleToText(number);
    case Kind::Text:
    case Kind::Invalid:
      return text;
    case Kind::Empty:
      break;
  }
  return std::string();
}

std::string FormatDataFile(const std::vector<Line>& lines) {
  std::string out;
  for (const Line& line : lines) {
    bool first = true;
    for (const Field& f : line) {
      if (!first) out += ',';
      first = false;
      switch (f.kind) {
        case Field::Kind::Number:
          out += SingleToText(f.number);
          break;
        case Field::Kind::Text:
        case Field::Kind::Invalid:
          out += '"';
          for (char c : f.text) {
            if (c == '"') out += '"';  // a quote inside a text is doubled
            if (c == '\r' || c == '\n') c = ' ';
            out += c;
          }
          out += '"';
          break;
        case Field::Kind::Empty:
          break;
      }
    }
    out += "\r\n";
  }
  return out;
}

std::vector<Field> ParseDataFile(std::string_view content) {
  std::vector<Field> fields;
  std::size_t i = 0;
  const std::size_t n = content.size();
  auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
  auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  // A byte-order mark that an editor put before the first field is no part
  // of it (the field would read as no number while the box looks right).
  if (content.substr(0, 3) == "\xEF\xBB\xBF") i = 3;

  while (i < n) {
    // Skip the break(s) that end a line; a blank line holds no field.
    if (isBreak(content[i])) {
      ++i;
      continue;
    }
    // One line: fields separated by commas.
    while (true) {
      while (i < n && isSpace(content[i])) ++i;
      Field f;
      if (i < n && content[i] == '"') {
        ++i;
        std::string text;
        while (i < n) {
          if (content[i] == '"') {
            if (i + 1 < n && content[i + 1] == '"') {
              text += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          text += content[i++];
        }
        f = Field::Str(std::move(text));
        // Anything between the closing quote and the separator is dropped.
        while (i < n && content[i] != ',' && !isBreak(content[i])) ++i;
      } else {
        const std::size_t start = i;
        while (i < n && content[i] != ',' && !isBreak(content[i])) ++i;
        std::string_view raw = content.substr(start, i - start);
        while (!raw.empty() && isSpace(raw.back())) raw.remove_suffix(1);
        if (raw.empty()) {
          f = Field::None();
        } else if (auto v = TextToSingle(raw)) {
          f = Field::Num(*v);
        } else {
          f.kind = Field::Kind::Invalid;
          f.text = std::string(raw);
        }
      }
      fields.push_back(std::move(f));
      if (i < n && content[i] == ',') {
        ++i;
        continue;
      }
      break;  // end of line or of content
    }
  }
  return fields;
}

FileResult ReplaceFileAtomically(const std::string& path, std::string_view content) {
  auto failure = [&](const char* what) {
    FileResult r;
    r.ok = false;
    r.error = "数据文件“" + path + "”" + what + "，原文件未改动。";
    return r;
  };
  // A file that may not be written (marked read-only) is not replaced
  // behind its back by the rename below.
  struct stat existing {};
  if (stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
      ((existing.st_mode & 0222) == 0 || (access(path.c_str(), W_OK) != 0 && errno == EACCES)))
    return failure("是只读文件，无法写入");

  std::string dir = ".";
  std::string base = path;
  if (auto slash = path.rfind('/'); slash != std::string::npos) {
    dir = path.substr(0, slash == 0 ? 1 : slash);
    base = path.substr(slash + 1);
  }
  std::string tmpl = dir + "/." + base + ".tmpXXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return failure("无法写入（不能在所在文件夹中建立临时文件）");
  const std::string tmpName(name.data());

  // Keep the permissions of an existing file; a new one gets the usual mode.
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
  }

  const char* p = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t w = ::write(fd, p, left);
    if (w < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      ::unlink(tmpName.c_str());
      return failure("写入失败（磁盘已满或不可写）");
    }
    p += w;
    left -= static_cast<std::size_t>(w);
  }
  if (::fsync(fd) != 0) {
    ::close(fd);
    ::unlink(tmpName.c_str());
    return failure("写入失败（无法写到磁盘）");
  }
  if (::close(fd) != 0) {
    ::unlink(tmpName.c_str());
    return failure("写入失败（无法关闭文件）");
  }
  if (::rename(tmpName.c_str(), path.c_str()) != 0) {
    ::unlink(tmpName.c_str());
    return failure("无法替换");
  }
  return FileResult{};
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string out;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.append(buffer, got);
  const bool bad = std::ferror(f) != 0;
  std::fclose(f);
  if (bad) return std::nullopt;
  return out;
}

std::optional<std::string> ProjectFileName(std::string_view projectName, std::string_view suffix) {
  for (char c : projectName)
    if (c == '/' || c == '\\' || c == '\0') return std::nullopt;
  std::string name(projectName);
  name += suffix;
  return name;
}

std::string BadProjectNameMessage() {
  return "项目名中不能含有路径分隔符（/ 或 \\）或空字符，请改名。";
}

DataFileRead ReadProjectFile(const std::string& fileName, std::size_t minimumFields) {
  DataFileRead r;
  auto content = ReadWholeFile(fileName);
  if (!content) {
    r.error = "找不到或无法读取数据文件“" + fileName + "”，各栏保留初始值。";
    return r;
  }
  r.fields = ParseDataFile(*content);
  if (r.fields.size() < minimumFields) {
    r.error = "数据文件“" + fileName + "”内容不全（应有 " + std::to_string(minimumFields) +
              " 项，只有 " + std::to_string(r.fields.size()) + " 项），各栏保留初始值。";
    r.fields.clear();
    return r;
  }
  r.ok = true;
  return r;
}

FileResult WriteProjectFile(const std::string& fileName, const std::vector<Line>& lines) {
  return ReplaceFileAtomically(fileName, FormatDataFile(lines));
}

}  // namespace shell
