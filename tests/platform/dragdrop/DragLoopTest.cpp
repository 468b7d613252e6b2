#include "platform/dragdrop/DataObjects.h"
#include "platform/dragdrop/DragDrop.h"

#include <gtest/gtest.h>

namespace {

using platform::ScriptedDragHost;

HWND Window(uintptr_t n) { return reinterpret_cast<HWND>(n); }

// The usual source: Escape cancels, releasing the left button drops.
class Source : public TOleObject<IDropSource> {
public:
  HRESULT QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT GiveFeedback(DWORD effect) override {
    feedback.push_back(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }
  std::vector<DWORD> feedback;
};

// Logs every call; accepts `effect` (limited by what it is offered).
class Target : public TOleObject<IDropTarget> {
public:
  explicit Target(std::string name, std::vector<std::string>* log, DWORD effect = DROPEFFECT_MOVE)
      : name_(std::move(name)), log_(log), effect_(effect) {}
  HRESULT DragEnter(IDataObject* data, DWORD, POINTL pt, DWORD* effect) override {
    text = platform::ReadBlock(data, 300).value_or("?");
    return Answer("enter", pt, effect);
  }
  HRESULT DragOver(DWORD, POINTL pt, DWORD* effect) override { return Answer("over", pt, effect); }
  HRESULT DragLeave() override {
    log_->push_back(name_ + " leave");
    return S_OK;
  }
  HRESULT Drop(IDataObject*, DWORD, POINTL pt, DWORD* effect) override { return Answer("drop", pt, effect); }
  std::string text;

private:
  HRESULT Answer(const char* what, POINTL pt, DWORD* effect) {
    log_->push_back(name_ + " " + what + " " + std::to_string(pt.x) + "," + std::to_string(pt.y));
    *effect &= effect_;
    return S_OK;
  }
  std::string name_;
  std::vector<std::string>* log_;
  DWORD effect_;
};

class DragLoop : public testing::Test {
protected:
  DragLoop() : data_(new platform::SimpleDataObject), source_(new Source) {
    data_->Add(300, "cells");
    host_.AddWindow(Window(1), 0, 0, 100, 100);
    host_.AddWindow(Window(2), 200, 0, 300, 100);
    host_.AddWindow(Window(3), 210, 10, 250, 50, Window(2));  // a child without a target of its own
    platform::SetDragDropHost(&host_);
  }
  ~DragLoop() override {
    platform::SetDragDropHost(nullptr);
    for (HWND w : registered_) RevokeDragDrop(w);
  }

  Target* Register(HWND window, const std::string& name, DWORD effect = DROPEFFECT_MOVE) {
    auto* target = new Target(name, &log_, effect);
    EXPECT_EQ(RegisterDragDrop(window, target), S_OK);
    registered_.push_back(window);
    return target;
  }

  HRESULT Run(DWORD ok, DWORD& effect) { return DoDragDrop(data_.Get(), source_.Get(), ok, &effect); }

  ScriptedDragHost host_;
  ComPtr<platform::SimpleDataObject> data_;
  ComPtr<Source> source_;
  std::vector<std::string> log_;
  std::vector<HWND> registered_;
};

TEST_F(DragLoop, ReleasingOverATargetDrops) {
  Target* a = Register(Window(1), "A");
  host_.Move(150, 50);
  host_.Move(10, 10);
  host_.Move(20, 20);
  host_.Release(20, 20);
  DWORD effect = 99;
  EXPECT_EQ(Run(DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DROPEFFECT_MOVE);
  EXPECT_EQ(log_, (std::vector<std::string>{"A enter 10,10", "A over 20,20", "A over 20,20", "A drop 20,20"}));
  EXPECT_EQ(a->text, "cells");  // the target read the data while entering
  EXPECT_EQ(source_->feedback, (std::vector<DWORD>{DROPEFFECT_NONE, DROPEFFECT_MOVE, DROPEFFECT_MOVE}));
  EXPECT_EQ(host_.cursors, source_->feedback);
  EXPECT_FALSE(host_.ranDry);
  EXPECT_EQ(data_->RefCount(), 1u);  // the loop let go of everything it held
  EXPECT_EQ(source_->RefCount(), 1u);
}

TEST_F(DragLoop, EscapeCancelsAndTheTargetIsLeft) {
  Register(Window(1), "A");
  host_.Move(10, 10);
  host_.Escape(10, 10);
  DWORD effect = 99;
  EXPECT_EQ(Run(DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  EXPECT_EQ(log_, (std::vector<std::string>{"A enter 10,10", "A leave"}));
}

TEST_F(DragLoop, MovingBetweenTargetsLeavesOneAndEntersTheOther) {
  Register(Window(1), "A");
  Register(Window(2), "B");
  host_.Move(10, 10);
  host_.Move(220, 20);  // over the child of B: B takes it
  host_.Release(220, 20);
  DWORD effect;
  EXPECT_EQ(Run(DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(log_, (std::vector<std::string>{"A enter 10,10", "A leave", "B enter 220,20", "B over 220,20",
                                            "B drop 220,20"}));
}

TEST_F(DragLoop, ReleasingOutsideOrOverARefusingTargetCancels) {
  Register(Window(1), "A", DROPEFFECT_NONE);
  host_.Move(10, 10);
  host_.Release(10, 10);
  DWORD effect;
  EXPECT_EQ(Run(DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(log_, (std::vector<std::string>{"A enter 10,10", "A over 10,10", "A leave"}));
  host_.Move(150, 50);
  host_.Release(150, 50);
  EXPECT_EQ(Run(DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
}

TEST_F(DragLoop, EffectIsLimitedToWhatTheSourceAllows) {
  Register(Window(1), "A", DROPEFFECT_MOVE | DROPEFFECT_COPY);
  host_.Move(10, 10);
  host_.Release(10, 10);
  DWORD effect;
  EXPECT_EQ(Run(DROPEFFECT_COPY, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
}

TEST_F(DragLoop, AScriptThatRunsDryCancelsInsteadOfHanging) {
  Register(Window(1), "A");
  host_.Move(10, 10);
  DWORD effect;
  EXPECT_EQ(Run(DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_TRUE(host_.ranDry);
  EXPECT_EQ(log_.back(), "A leave");
}

TEST_F(DragLoop, WithoutAHostTheDragIsCancelled) {
  platform::SetDragDropHost(nullptr);
  DWORD effect = 5;
  EXPECT_EQ(Run(DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
}

TEST_F(DragLoop, BadArgumentsAndNestedDrags) {
  DWORD effect;
  EXPECT_EQ(DoDragDrop(nullptr, source_.Get(), DROPEFFECT_MOVE, &effect), E_INVALIDARG);
  EXPECT_EQ(DoDragDrop(data_.Get(), nullptr, DROPEFFECT_MOVE, &effect), E_INVALIDARG);

  // A source that tries to start another drag from inside the loop.
  struct Nesting : TOleObject<IDropSource> {
    IDataObject* data;
    HRESULT nested = S_OK;
    HRESULT QueryContinueDrag(BOOL, DWORD) override {
      DWORD e;
      nested = DoDragDrop(data, this, DROPEFFECT_MOVE, &e);
      return DRAGDROP_S_CANCEL;
    }
    HRESULT GiveFeedback(DWORD) override { return S_OK; }
  };
  ComPtr<Nesting> nesting(new Nesting);
  nesting->data = data_.Get();
  host_.Move(10, 10);
  EXPECT_EQ(DoDragDrop(data_.Get(), nesting.Get(), DROPEFFECT_MOVE, &effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(nesting->nested, E_UNEXPECTED);
}

TEST_F(DragLoop, RegistrationHoldsAReference) {
  auto* target = new Target("T", &log_);
  ComPtr<Target> keep(target);
  EXPECT_EQ(RegisterDragDrop(Window(7), target), S_OK);
  EXPECT_EQ(target->RefCount(), 2u);
  EXPECT_EQ(RegisterDragDrop(Window(7), target), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(platform::RegisteredDropTarget(Window(7)), target);
  EXPECT_EQ(RevokeDragDrop(Window(7)), S_OK);
  EXPECT_EQ(target->RefCount(), 1u);
  EXPECT_EQ(RevokeDragDrop(Window(7)), DRAGDROP_E_NOTREGISTERED);
  EXPECT_EQ(RegisterDragDrop(nullptr, target), DRAGDROP_E_INVALIDHWND);
  EXPECT_EQ(RegisterDragDrop(Window(8), nullptr), E_INVALIDARG);
}

}  // namespace
