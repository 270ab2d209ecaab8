// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/deep_sky_lists.h"

#include "catalog/designations.h"

namespace sdro {

std::vector<tdeep_sky_entry>& tdeep_sky_lists::of(tdeep_sky_list list) {
  return list == tdeep_sky_list::messier ? messier : list == tdeep_sky_list::ic ? ic : ngc;
}

const std::vector<tdeep_sky_entry>& tdeep_sky_lists::of(tdeep_sky_list list) const {
  return list == tdeep_sky_list::messier ? messier : list == tdeep_sky_list::ic ? ic : ngc;
}

tdeep_sky_lists build_deep_sky_lists(const tnebel_list& objects) {
  tdeep_sky_lists lists;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const std::string& name = objects[i].designation;
    if (name.find('M') != std::string::npos) {
      lists.messier.push_back({name, i});
    } else if (name.find("IC") != std::string::npos) {
      lists.ic.push_back({name, i});
    } else {
      lists.ngc.push_back({deep_sky_display_name(name), i});
    }
  }
  return lists;
}

tdeep_sky_list deep_sky_list_for_query(std::string_view query) {
  const std::string upper = upper_ascii(query);
  if (upper.find('M') != std::string::npos) return tdeep_sky_list::messier;
  if (upper.find('I') != std::string::npos) return tdeep_sky_list::ic;
  return tdeep_sky_list::ngc;
}

}  // namespace sdro
