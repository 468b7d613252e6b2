#include "platform/dragdrop/OleTypes.h"

#include <cstring>
#include <vector>

struct TGlobalBlock {
  std::vector<uint8_t> bytes;
  int locks = 0;
};

namespace {

// Blocks carry drag data and clipboard blocks; anything larger is a mistake, not data.
constexpr size_t kMaxBlock = size_t(1) << 30;

}  // namespace

HGLOBAL GlobalAlloc(uint32_t, size_t size) {
  if (size > kMaxBlock) return nullptr;
  auto* block = new TGlobalBlock;
  block->bytes.assign(size, 0);
  return block;
}

HGLOBAL GlobalAllocCopy(const void* data, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (block && size) std::memcpy(block->bytes.data(), data, size);
  return block;
}

void* GlobalLock(HGLOBAL block) {
  if (!block) return nullptr;
  ++block->locks;
  // A zero-sized block still locks to a valid address.
  return block->bytes.empty() ? static_cast<void*>(block) : block->bytes.data();
}

bool GlobalUnlock(HGLOBAL block) {
  if (!block || block->locks == 0) return false;
  return --block->locks > 0;
}

size_t GlobalSize(HGLOBAL block) { return block ? block->bytes.size() : 0; }

HGLOBAL GlobalFree(HGLOBAL block) {
  delete block;
  return nullptr;
}

void ReleaseStgMedium(STGMEDIUM* medium) {
  if (!medium) return;
  if (medium->pUnkForRelease) medium->pUnkForRelease->Release();
  else if (medium->tymed == TYMED_HGLOBAL) GlobalFree(medium->hGlobal);
  *medium = STGMEDIUM{};
}
