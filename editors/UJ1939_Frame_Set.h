#pragma once
// A fixed set of five J1939 frames, each a row of fields: an optional
// priority list, a data page list, the PGN, the source address and a
// mnemonic. The values live in the controls; each frame has its defaults
// (positions 0, PGN "0x000k", source address "0x0k"). The SDO client dialog
// and the node guarding editor each keep one set in a file of their own.

#include <array>
#include <string>

#include "platform/xml/XmlDocument.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Edit.h"

inline constexpr int Frame_Set_Size = 5;

struct TFrameSetLayout {
  std::string Root;  // the file's root, looked up by name
  std::array<bool, Frame_Set_Size> Has_Priority{};
  int Data_Pages = 2;  // the data page list offers "0" up to this less one
  std::array<int, 5> Left{};   // priority, data page, PGN, source address, mnemonic
  std::array<int, 5> Width{};
  int Top = 0;   // of the first frame's row
  int Step = 28;
  int First_Message = 0;  // frame k's PGN message is First + 2k, its source address message the next
};

class TJ1939FrameSet {
public:
  TJ1939FrameSet(TCustomForm* Owner, TWinControl* Parent, const TFrameSetLayout& Layout);

  std::array<TComboBox*, Frame_Set_Size> Pri{};  // nullptr for a frame without priority
  std::array<TComboBox*, Frame_Set_Size> DP{};
  std::array<TEdit*, Frame_Set_Size> PGN{};
  std::array<TEdit*, Frame_Set_Size> SA{};
  std::array<TEdit*, Frame_Set_Size> Mnemonic{};

  void Set_Default(int Frame);
  // Every frame to its defaults, then each frame from the file in its own
  // guard: a frame that cannot be read takes its defaults. A missing file,
  // or one without the root, leaves the defaults.
  void Load(const std::string& Path);
  // False after a Load that put defaults in place of frames of an existing
  // file: saving would lose them, so OK asks first.
  bool Loaded_Whole() const { return loaded_whole_; }
  // The text of the first check that fails (PGN 0 to 65535, source address
  // 0 to 253, a mnemonic the file cannot carry), empty when all pass.
  std::string Check() const;
  // The file: the root, the version comment, five rows. Raises
  // platform::XmlError when it cannot be written.
  void Save(const std::string& Path) const;
  // The same text without writing it (raises as Save does).
  std::string Text() const;

private:
  void Load_Frame(int Frame, const platform::XmlNode& Row);
  TFrameSetLayout layout_;
  bool loaded_whole_ = true;
};
