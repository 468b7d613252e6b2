#pragma once
// Drop targets registered per window, and the modal drag loop.
//
// DoDragDrop runs inside the process: it takes its input (pointer position,
// buttons and modifier keys, Escape) step by step from the DragDropHost in
// force and asks the host which window lies under the pointer. The display
// host provides the real one; tests and the test driver script one
// (ScriptedDragHost). Without a host a drag is cancelled at once, so the loop
// can never wait for input that will not come.
//
// Each step: QueryContinueDrag on the source (Escape and key state); on
// DRAGDROP_S_DROP the target under the pointer gets Drop when it accepted an
// effect, else DragLeave; on DRAGDROP_S_CANCEL it gets DragLeave; otherwise the
// target under the pointer gets DragEnter (after the previous one got
// DragLeave) or DragOver, and the source gets GiveFeedback with the effect,
// limited to the effects the source allows.

#include "platform/dragdrop/OleInterfaces.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace platform {

struct DragInput {
  POINTL pt;           // screen position
  DWORD keyState = 0;  // MK_ flags: buttons held and modifier keys
  bool escape = false;
};

class DragDropHost {
public:
  virtual ~DragDropHost() = default;
  // The next input step of a running drag; false when there is none (the drag is cancelled).
  virtual bool NextInput(DragInput& input) = 0;
  // The window under a screen point (any window; the loop looks for the
  // nearest one with a registered target through ParentOf), or nullptr.
  virtual HWND WindowAt(POINTL pt) = 0;
  virtual HWND ParentOf(HWND) { return nullptr; }
  // Shows the standard drag cursor for an effect (the source asked for the default cursors).
  virtual void ShowDragCursor(DWORD) {}
};

void SetDragDropHost(DragDropHost* host);  // not owned; nullptr: no host

// The registered target of a window (no reference added), or nullptr.
IDropTarget* RegisteredDropTarget(HWND window);

// A host for tests: input steps from a queue, windows by rectangle, and a
// record of the cursors shown. Running out of steps cancels the drag and is
// recorded, so a script that is too short shows up instead of hanging.
class ScriptedDragHost : public DragDropHost {
public:
  void Move(int x, int y, DWORD keyState = MK_LBUTTON) { steps_.push_back({{x, y}, keyState, false}); }
  void Release(int x, int y, DWORD keyState = 0) { steps_.push_back({{x, y}, keyState, false}); }
  void Escape(int x, int y) { steps_.push_back({{x, y}, MK_LBUTTON, true}); }
  // Windows are looked up last added first; parent may be null.
  void AddWindow(HWND window, int left, int top, int right, int bottom, HWND parent = nullptr);

  bool NextInput(DragInput& input) override;
  HWND WindowAt(POINTL pt) override;
  HWND ParentOf(HWND window) override;
  void ShowDragCursor(DWORD effect) override { cursors.push_back(effect); }

  std::vector<DWORD> cursors;
  bool ranDry = false;

private:
  struct Window {
    HWND handle;
    int left, top, right, bottom;
    HWND parent;
  };
  std::deque<DragInput> steps_;
  std::vector<Window> windows_;
};

}  // namespace platform

// Adds a reference to the target; DRAGDROP_E_ALREADYREGISTERED when the window has one.
HRESULT RegisterDragDrop(HWND window, IDropTarget* target);
// Releases it; DRAGDROP_E_NOTREGISTERED when there is none.
HRESULT RevokeDragDrop(HWND window);

// DRAGDROP_S_DROP with *effect the target's effect, DRAGDROP_S_CANCEL with
// *effect DROPEFFECT_NONE, or an error (E_INVALIDARG for missing arguments,
// E_UNEXPECTED when a drag is running already, the source's own error).
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD okEffects, DWORD* effect);
