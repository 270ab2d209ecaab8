// SPDX-License-Identifier: GPL-3.0-or-later
// Each library exports exactly its interface: the dynamic symbol table as
// listed by `nm -D --defined-only` holds the interface's names and no other.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::string> exported_symbols(const std::string& library) {
  std::set<std::string> names;
  const std::string command = "nm -D --defined-only '" + library + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::istringstream fields(line);
    std::string address, type, name;
    if (fields >> address >> type >> name) names.insert(name);
  }
  pclose(pipe);
  return names;
}

const std::set<std::string> plantheoc_exports{"vsopcsun",   "vsop_c_jup", "vsop_c_mar", "vsop_c_mer", "vsop_c_nep",
                                              "vsop_c_sat", "vsop_c_ura", "vsop_c_ven", "ping_c"};
const std::set<std::string> plantheod_exports{"vsopmerkur_hel", "vsopsun_l",      "vsopmars_hel",
                                              "vsopjupiter_hel", "vsopvenus_hel",  "vsopsaturn_hel",
                                              "vsopuranus_hel",  "vsopneptun_hel", "ping"};
const std::set<std::string> lunatheo_exports{"ping_elp", "ELP82B"};

struct LibraryExports {
  const char* file;
  const std::set<std::string>* names;
};

const LibraryExports libraries[] = {
    {SDRO_LIB_PLANTHEOC, &plantheoc_exports},
    {SDRO_LIB_PLANTHEOC_PLACEHOLDER, &plantheoc_exports},
    {SDRO_LIB_PLANTHEOC_WORKING, &plantheoc_exports},
    {SDRO_LIB_PLANTHEOD, &plantheod_exports},
    {SDRO_LIB_PLANTHEOD_PLACEHOLDER, &plantheod_exports},
    {SDRO_LIB_PLANTHEOD_WORKING, &plantheod_exports},
    {SDRO_LIB_LUNATHEO, &lunatheo_exports},
    {SDRO_LIB_LUNATHEO_PLACEHOLDER, &lunatheo_exports},
    {SDRO_LIB_LUNATHEO_WORKING, &lunatheo_exports},
};

TEST(Exports, EachLibraryExportsExactlyItsInterface) {
  for (const LibraryExports& l : libraries) {
    EXPECT_EQ(exported_symbols(l.file), *l.names) << l.file;
  }
}

}  // namespace
