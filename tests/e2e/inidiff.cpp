// Differential check of the settings engine against the Windows profile
// functions. For every NAME.ini in a folder: each query of NAME.queries
// ("section|key" a line) is read with GetPrivateProfileStringA and with the
// engine; then the writes of NAME.writes ("section|key|value" a line) are made
// to one copy with WritePrivateProfileStringA and to another with the engine,
// and every query is read back from both. Prints one line a case and a total.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/IniFile.h"
#include "win32/Handles.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteAll(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

std::vector<std::vector<std::string>> ReadTable(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(ReadAll(path));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
      const std::size_t bar = line.find('|', start);
      fields.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
    rows.push_back(fields);
  }
  return rows;
}

std::string Windows(const std::string& file, const std::string& section, const std::string& key) {
  std::vector<char> buffer(2048);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "<default>", buffer.data(), 2048, file.c_str());
  return buffer.data();
}

std::string Shown(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '\r') shown += "\\r";
    else if (c == '\n') shown += "\\n";
    else shown += c;
  }
  return shown.size() > 60 ? shown.substr(0, 60) + "...(" + std::to_string(text.size()) + " bytes)" : shown;
}

int g_agree = 0;
int g_differ = 0;

void Compare(const std::string& what, const std::string& windows, const std::string& engine) {
  if (windows == engine) {
    ++g_agree;
    std::printf("agree   %s = [%s]\n", what.c_str(), Shown(windows).c_str());
  } else {
    ++g_differ;
    std::printf("DIFFER  %s windows=[%s] engine=[%s]\n", what.c_str(), Shown(windows).c_str(),
                Shown(engine).c_str());
  }
}

}  // namespace

int main(int count, char** arguments) {
  if (count < 3) return 2;
  const std::string corpus = arguments[1];
  const std::string scratch = arguments[2];
  WIN32_FIND_DATAA found{};
  const sorvane::win32::OwnedFind find(FindFirstFileA((corpus + "\\*.ini").c_str(), &found));
  if (!find) return 2;
  do {
    const std::string name = std::string(found.cFileName).substr(0, std::strlen(found.cFileName) - 4);
    const std::string original = ReadAll(corpus + "\\" + found.cFileName);
    const auto queries = ReadTable(corpus + "\\" + name + ".queries");
    const auto writes = ReadTable(corpus + "\\" + name + ".writes");

    const std::string readCopy = scratch + "\\" + name + "-read.ini";
    WriteAll(readCopy, original);
    const sorvane::IniFile engine(original);
    for (const auto& q : queries) {
      Compare(name + " read [" + q[0] + "] " + q[1], Windows(readCopy, q[0], q[1]),
              engine.ReadString(q[0], q[1], "<default>"));
    }
    if (writes.empty()) continue;

    const std::string windowsCopy = scratch + "\\" + name + "-windows.ini";
    const std::string engineCopy = scratch + "\\" + name + "-engine.ini";
    WriteAll(windowsCopy, original);
    sorvane::IniFile written(original);
    for (const auto& w : writes) {
      WritePrivateProfileStringA(w[0].c_str(), w[1].c_str(), w[2].c_str(), windowsCopy.c_str());
      written.WriteString(w[0], w[1], w[2]);
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, windowsCopy.c_str());  // flush the cache
    WriteAll(engineCopy, written.Contents());
    auto readBack = queries;
    for (const auto& w : writes) readBack.push_back({w[0], w[1]});
    for (const auto& q : readBack) {
      Compare(name + " after writes [" + q[0] + "] " + q[1], Windows(windowsCopy, q[0], q[1]),
              Windows(engineCopy, q[0], q[1]));
    }
    const std::string windowsBytes = ReadAll(windowsCopy);
    const std::string engineBytes = written.Contents();
    std::printf("%s  %s file after writes: windows=[%s] engine=[%s]\n",
                windowsBytes == engineBytes ? "same  " : "layout", name.c_str(), Shown(windowsBytes).c_str(),
                Shown(engineBytes).c_str());
  } while (FindNextFileA(find.get(), &found));
  std::printf("differential: %d agree, %d differ\n", g_agree, g_differ);
  return g_differ == 0 ? 0 : 1;
}
