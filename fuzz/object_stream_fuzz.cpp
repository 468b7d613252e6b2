// Fuzz target over the object-stream reader that the grid's binary cell
// stream is made of. Records are read while at least two bytes are left, as
// the grid's reader does; every read must stay inside the data and fail only
// with EReadError. Whatever reads must be written again by the writer to
// bytes that read back to the same names and plain values.

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/ObjectStream.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Writes the values the writer has an operation for; false when one has none.
bool Rewrite(const TStreamObject& Obj, std::string& Out) {
  TObjectWriter w(Out);
  w.BeginObject(Obj.ClassName, Obj.Name);
  for (const TStreamProperty& p : Obj.Properties) {
    const TStreamValue& v = p.Value;
    if (p.Name.empty()) return false;
    if (v.IsInteger()) w.WriteInteger(p.Name, v.Int);
    else if (v.IsBoolean()) w.WriteBoolean(p.Name, v.Type == vaTrue);
    else if (v.IsString() && !v.Text.empty()) w.WriteString(p.Name, v.Text);
    else if (v.Type == vaIdent) w.WriteIdent(p.Name, v.Text);
    else if (v.Type == vaBinary) w.WriteBinary(p.Name, v.Text);
    else return false;
  }
  w.EndObject();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TObjectReader r(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    while (r.BytesLeft() >= 2) {
      const size_t before = r.Position();
      const TStreamObject obj = r.ReadObject();
      if (r.Position() <= before || r.Position() > size) std::abort();
      std::string again;
      if (!Rewrite(obj, again)) continue;
      TObjectReader back(again);
      const TStreamObject copy = back.ReadObject();  // an exception here aborts the run: the writer is wrong
      if (copy.ClassName != obj.ClassName || copy.Properties.size() != obj.Properties.size()) std::abort();
      for (size_t i = 0; i < copy.Properties.size(); ++i) {
        const TStreamValue &a = obj.Properties[i].Value, &b = copy.Properties[i].Value;
        if (copy.Properties[i].Name != obj.Properties[i].Name || a.Int != b.Int) std::abort();
        if ((a.IsString() || a.Type == vaIdent || a.Type == vaBinary) && a.Text != b.Text && a.Type != vaWString) std::abort();
      }
    }
  } catch (const EReadError&) {
  }
  return 0;
}
