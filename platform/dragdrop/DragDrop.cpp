#include "platform/dragdrop/DragDrop.h"

#include <atomic>
#include <mutex>

namespace platform {
namespace {

std::mutex g_lock;
std::map<HWND, IDropTarget*> g_targets;  // each holds one reference
std::atomic<DragDropHost*> g_host = nullptr;
std::atomic<bool> g_dragging = false;

// The registered target for the window or its nearest registered ancestor.
ComPtr<IDropTarget> TargetAt(DragDropHost& host, POINTL pt) {
  for (HWND window = host.WindowAt(pt); window; window = host.ParentOf(window))
    if (IDropTarget* target = RegisteredDropTarget(window)) return ComPtr<IDropTarget>(target);
  return {};
}

class DragLoop {
public:
  DragLoop(DragDropHost& host, IDataObject* data, IDropSource* source, DWORD okEffects)
      : host_(host), data_(data), source_(source), ok_(okEffects) {}

  HRESULT Run(DWORD* effect) {
    *effect = DROPEFFECT_NONE;
    DragInput input;
    for (;;) {
      if (!host_.NextInput(input)) return Cancel();
      HRESULT hr = source_->QueryContinueDrag(input.escape ? 1 : 0, input.keyState);
      if (hr == DRAGDROP_S_CANCEL) return Cancel();
      if (hr != S_OK && hr != DRAGDROP_S_DROP) {
        Cancel();
        return hr;
      }
      Track(input);
      if (hr == DRAGDROP_S_DROP) return Drop(input, effect);
      if (source_->GiveFeedback(effect_) == DRAGDROP_S_USEDEFAULTCURSORS) host_.ShowDragCursor(effect_);
    }
  }

private:
  // Follows the pointer: leaves the old target, enters the new one or moves over it.
  void Track(const DragInput& input) {
    ComPtr<IDropTarget> under = TargetAt(host_, input.pt);
    DWORD effect = ok_;
    if (under.Get() != target_.Get()) {
      if (target_) target_->DragLeave();
      target_ = under;
      if (target_ && FAILED(target_->DragEnter(data_.Get(), input.keyState, input.pt, &effect))) {
        target_ = {};  // a target that refuses to enter is treated as none
      }
    } else if (target_ && FAILED(target_->DragOver(input.keyState, input.pt, &effect))) {
      effect = DROPEFFECT_NONE;
    }
    effect_ = target_ ? effect & ok_ : DROPEFFECT_NONE;
  }

  HRESULT Drop(const DragInput& input, DWORD* effect) {
    if (!target_ || effect_ == DROPEFFECT_NONE) return Cancel();
    DWORD dropped = ok_;
    HRESULT hr = target_->Drop(data_.Get(), input.keyState, input.pt, &dropped);
    target_ = {};
    if (FAILED(hr)) return hr;
    *effect = dropped & ok_;
    return DRAGDROP_S_DROP;
  }

  HRESULT Cancel() {
    if (target_) target_->DragLeave();
    target_ = {};
    return DRAGDROP_S_CANCEL;
  }

  DragDropHost& host_;
  ComPtr<IDataObject> data_;
  ComPtr<IDropSource> source_;
  const DWORD ok_;
  ComPtr<IDropTarget> target_;
  DWORD effect_ = DROPEFFECT_NONE;
};

}  // namespace

void SetDragDropHost(DragDropHost* host) { g_host = host; }

IDropTarget* RegisteredDropTarget(HWND window) {
  std::lock_guard lock(g_lock);
  auto it = g_targets.find(window);
  return it == g_targets.end() ? nullptr : it->second;
}

void ScriptedDragHost::AddWindow(HWND window, int left, int top, int right, int bottom, HWND parent) {
  windows_.push_back({window, left, top, right, bottom, parent});
}

bool ScriptedDragHost::NextInput(DragInput& input) {
  if (steps_.empty()) {
    ranDry = true;
    return false;
  }
  input = steps_.front();
  steps_.pop_front();
  return true;
}

HWND ScriptedDragHost::WindowAt(POINTL pt) {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if (pt.x >= it->left && pt.x < it->right && pt.y >= it->top && pt.y < it->bottom) return it->handle;
  return nullptr;
}

HWND ScriptedDragHost::ParentOf(HWND window) {
  for (const Window& w : windows_)
    if (w.handle == window) return w.parent;
  return nullptr;
}

}  // namespace platform

HRESULT RegisterDragDrop(HWND window, IDropTarget* target) {
  if (!window) return DRAGDROP_E_INVALIDHWND;
  if (!target) return E_INVALIDARG;
  std::lock_guard lock(platform::g_lock);
  auto [it, added] = platform::g_targets.emplace(window, target);
  if (!added) return DRAGDROP_E_ALREADYREGISTERED;
  target->AddRef();
  return S_OK;
}

HRESULT RevokeDragDrop(HWND window) {
  IDropTarget* target;
  {
    std::lock_guard lock(platform::g_lock);
    auto it = platform::g_targets.find(window);
    if (it == platform::g_targets.end()) return DRAGDROP_E_NOTREGISTERED;
    target = it->second;
    platform::g_targets.erase(it);
  }
  target->Release();  // outside the lock: the target may revoke others as it goes
  return S_OK;
}

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD okEffects, DWORD* effect) {
  if (!data || !source || !effect) return E_INVALIDARG;
  *effect = DROPEFFECT_NONE;
  if (platform::g_dragging.exchange(true)) return E_UNEXPECTED;
  struct Done {
    ~Done() { platform::g_dragging = false; }
  } done;
  platform::DragDropHost* host = platform::g_host.load();
  if (!host) return DRAGDROP_S_CANCEL;
  ComPtr<IDataObject> keepData(data);
  ComPtr<IDropSource> keepSource(source);
  return platform::DragLoop(*host, data, source, okEffects).Run(effect);
}
