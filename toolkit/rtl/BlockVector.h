#pragma once
// An indexed sequence kept in blocks of a few hundred elements, so that an
// insertion or deletion in the middle moves one block instead of everything
// behind it. TStringList keeps its lines in one: inserting 100,000 names into
// a sorted list would otherwise move billions of strings.

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T>
class TBlockVector {
public:
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  T& operator[](size_t i) {
    auto [b, o] = locate(i);
    return blocks_[b][o];
  }
  const T& operator[](size_t i) const {
    auto [b, o] = locate(i);
    return blocks_[b][o];
  }

  // 0 <= i <= size()
  void insert(size_t i, T value) {
    if (i == size_) {
      append(std::move(value));
      return;
    }
    auto [b, o] = locate(i);
    blocks_[b].insert(blocks_[b].begin() + static_cast<std::ptrdiff_t>(o), std::move(value));
    for (size_t k = b + 1; k < starts_.size(); ++k) ++starts_[k];
    ++size_;
    if (blocks_[b].size() > 2 * kBlock) split(b);
  }

  void erase(size_t i) {
    auto [b, o] = locate(i);
    blocks_[b].erase(blocks_[b].begin() + static_cast<std::ptrdiff_t>(o));
    for (size_t k = b + 1; k < starts_.size(); ++k) --starts_[k];
    --size_;
    if (blocks_[b].empty()) {
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
      starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(b));
    }
  }

  void clear() {
    blocks_.clear();
    starts_.clear();
    size_ = 0;
  }

  // Moves every element out, leaving the sequence empty.
  std::vector<T> takeAll() {
    std::vector<T> all;
    all.reserve(size_);
    for (auto& block : blocks_)
      for (auto& v : block) all.push_back(std::move(v));
    clear();
    return all;
  }

  void assign(std::vector<T>&& all) {
    clear();
    for (auto& v : all) append(std::move(v));
  }

  template <typename F>
  void forEach(F f) {
    for (auto& block : blocks_)
      for (auto& v : block) f(v);
  }

private:
  static constexpr size_t kBlock = 256;

  std::pair<size_t, size_t> locate(size_t i) const {
    auto it = std::upper_bound(starts_.begin(), starts_.end(), i);
    size_t b = static_cast<size_t>(it - starts_.begin()) - 1;
    return {b, i - starts_[b]};
  }

  void append(T value) {
    if (blocks_.empty() || blocks_.back().size() >= kBlock) {
      starts_.push_back(size_);
      blocks_.emplace_back().reserve(kBlock);
    }
    blocks_.back().push_back(std::move(value));
    ++size_;
  }

  void split(size_t b) {
    std::vector<T>& full = blocks_[b];
    std::vector<T> tail(std::make_move_iterator(full.begin() + kBlock), std::make_move_iterator(full.end()));
    full.resize(kBlock);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(tail));
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(b) + 1, starts_[b] + kBlock);
  }

  std::vector<std::vector<T>> blocks_;
  std::vector<size_t> starts_;  // index of the first element of each block
  size_t size_ = 0;
};
