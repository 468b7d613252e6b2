#pragma once
// Two grids side by side on one form, both drop targets, and a scripted drag
// host that moves the pointer step by step.

#include <functional>

#include "ExchangeFixture.h"
#include "grid/exchange/GridDragDrop.h"
#include "platform/clipboard/ClipboardFormats.h"
#include "platform/clipboard/DataBlocks.h"
#include "platform/dragdrop/DataObjects.h"
#include "platform/dragdrop/DragDrop.h"

class OleDragTest : public ExchangeTest {
protected:
  void SetUp() override {
    ExchangeTest::SetUp();
    platform::SetDragDropHost(&host);
    other = new TExtStringGrid(form);
    other->SetParent(form);
    other->SetBorderStyle(bsNone);
    other->SetScrollBars(ssNone);
    for (TExtStringGrid* g : {static_cast<TExtStringGrid*>(grid), other}) {
      g->SetFixedCols(0);
      g->SetFixedRows(0);
      g->SetColCount(5);
      g->SetRowCount(8);
      g->SetOptions(g->Options() + TGridOptions{goEditing});
    }
    grid->SetBounds(0, 0, 280, 380);
    other->SetBounds(300, 0, 280, 380);
    Driver.Pump();
    for (TExtStringGrid* g : {static_cast<TExtStringGrid*>(grid), other}) {
      g->DragDropSettings()->SetOleDropTarget(true);
      const TPoint tl = g->ClientToScreen({0, 0});
      host.AddWindow(g->Handle(), tl.X, tl.Y, tl.X + g->Width(), tl.Y + g->Height());
    }
  }
  void TearDown() override {
    platform::SetDragDropHost(nullptr);
    SetOleDropRTF(false);  // the rich-text switch is process-wide
    ExchangeTest::TearDown();
  }
  TPoint CellCenter(TExtStringGrid* G, int ACol, int ARow) {
    const TRect r = G->CellRect(ACol, ARow);
    return G->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  // Scripts the pointer onto a point and releases it there; Ctrl copies.
  void ReleaseAt(TPoint P, bool Copy) {
    const DWORD keys = Copy ? MK_CONTROL : 0;
    host.Move(P.X, P.Y, MK_LBUTTON | keys);
    host.Release(P.X, P.Y, keys);
  }
  // Drops a file list from outside onto a cell of G.
  void DropFiles(TExtStringGrid* G, int ACol, int ARow, const std::vector<std::string>& Files) {
    DropBlock(G, ACol, ARow, CF_HDROP, platform::MakeFileDropBlock(Files));
  }
  // Drops one block of data in Format from outside onto a cell of G.
  void DropBlock(TExtStringGrid* G, int ACol, int ARow, uint32_t Format, const std::string& Block) {
    auto* data = new platform::SimpleDataObject;
    ComPtr<IDataObject> keep(data);
    data->Add(Format, Block);
    auto* source = new TESGDropSource;
    ComPtr<IDropSource> keepSource(source);
    ReleaseAt(CellCenter(G, ACol, ARow), true);
    DWORD effect = 0;
    DoDragDrop(data, source, DROPEFFECT_COPY, &effect);
  }
  void Put(TExtStringGrid* G, int L, int T, std::initializer_list<std::initializer_list<const char*>> Rows) {
    int r = T;
    for (auto& row : Rows) {
      int c = L;
      for (const char* t : row) G->SetCells(c++, r, t);
      ++r;
    }
  }
  std::vector<std::string> Row(TExtStringGrid* G, int ARow) {
    std::vector<std::string> v;
    for (int c = 0; c < G->ColCount(); ++c) v.push_back(G->Cells(c, ARow));
    return v;
  }

  // Records the drag's state before each scripted step.
  struct ObservedHost : platform::ScriptedDragHost {
    std::function<void(const platform::DragInput&)> BeforeStep;
    bool NextInput(platform::DragInput& input) override {
      if (!platform::ScriptedDragHost::NextInput(input)) return false;
      SetCursorPos(input.pt.x, input.pt.y);  // the pointer is where the step puts it
      if (BeforeStep) BeforeStep(input);
      return true;
    }
  };
  ObservedHost host;
  TExtStringGrid* other = nullptr;
};
