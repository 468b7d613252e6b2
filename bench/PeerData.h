#pragma once
// The peer benchmark's data, drawn exactly as the peer program draws it, so
// both sides time identical cells: one 32-bit LCG, row by row, column by column.

#include <cstdint>
#include <cstdio>
#include <string>

struct TPeerData {
  uint32_t x = 12345;
  uint32_t next() {
    x = x * 1664525u + 1013904223u;
    return x >> 8;
  }
  std::string cell(int col) {
    static const char* words[] = {"alpha", "bravo", "charlie", "delta", "echo",
                                  "foxtrot", "golf", "hotel", "india", "juliet"};
    char buf[32];
    switch (col) {
      case 0: {
        // The peer's operands of "+" are evaluated right to left (checked
        // with its compiler): the number is drawn before the word.
        const uint32_t n = next() % 1000;
        return words[next() % 10] + std::to_string(n);
      }
      case 1: return std::to_string(next() % 100000);
      case 2: std::snprintf(buf, sizeof buf, "%.2f", (next() % 100000) / 100.0); return buf;
      case 3: return words[next() % 10];
      default: return next() % 2 ? "1" : "0";
    }
  }
};
