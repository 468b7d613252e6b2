#pragma once
// The name a text output (GSD, EDS) is saved under: as chosen when it
// already ends with the output's extension in any letter case, else with
// the extension appended.

#include <string>

#include "toolkit/rtl/SysUtils.h"

inline std::string Output_File_Name(const std::string& Chosen, const std::string& Ext) {
  if (Chosen.size() >= Ext.size() && SameText(Chosen.substr(Chosen.size() - Ext.size()), Ext)) return Chosen;
  return Chosen + Ext;
}
