#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (not part of the CMake build).
# Usage: fuzz/build.sh [output-folder]   then e.g.  out/xml_load_fuzz -max_total_time=60 fuzz/corpus/xml
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I"$root")

xml_sources=("$root"/platform/xml/*.cpp "$root"/platform/kernel/AtomicFile.cpp)
clang++ "${flags[@]}" "$root/fuzz/xml_load_fuzz.cpp" "${xml_sources[@]}" -lpugixml -o "$out/xml_load_fuzz"
echo "built $out/xml_load_fuzz"
