#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (not part of the CMake build) and
# seeds the image corpora.
# Usage: fuzz/build.sh [output-folder]      (default: build-fuzz beside fuzz/)
#   build-fuzz/fuzz_gif -runs=20000 -max_len=65536 -rss_limit_mb=2048 build-fuzz/corpus_gif
#   build-fuzz/xml_load_fuzz -max_total_time=60 fuzz/corpus/xml
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
common=(-std=c++20 -g -O1 -I"$root")
fuzz=("${common[@]}" -fsanitize=fuzzer,address,undefined)

# Image decoders.
codec_sources=("$root"/toolkit/graphics/codecs/*.cpp)
codec_libs=(-lpng -ljpeg -lgif)
for format in bmp ico png jpeg gif; do
  clang++ "${fuzz[@]}" "$root/fuzz/fuzz_$format.cpp" "${codec_sources[@]}" "${codec_libs[@]}" -o "$out/fuzz_$format"
  echo "built $out/fuzz_$format"
done
clang++ "${common[@]}" -fsanitize=address,undefined "$root/fuzz/seed.cpp" "$root/toolkit/testing/PngVariants.cpp" \
  "${codec_sources[@]}" "${codec_libs[@]}" \
  -o "$out/seed"
"$out/seed" "$out"

# XML document loading.
xml_sources=("$root"/platform/xml/*.cpp "$root"/platform/kernel/AtomicFile.cpp "$root"/platform/kernel/GuardedRead.cpp
             "$root"/platform/kernel/TextCodec.cpp)
clang++ "${fuzz[@]}" "$root/fuzz/xml_load_fuzz.cpp" "${xml_sources[@]}" -lpugixml -o "$out/xml_load_fuzz"
echo "built $out/xml_load_fuzz"

# Grid HTML text routines and the grid pictures' GIF frame scan.
html_sources=("$root"/grid/foundation/EsgHTMLEMarkup.cpp "$root"/grid/foundation/EsgHTMLEText.cpp "$root"/toolkit/rtl/StringRoutines.cpp "$root"/toolkit/rtl/Encoding.cpp "$root"/platform/kernel/TextCodec.cpp)
clang++ "${fuzz[@]}" "$root/fuzz/html_markup_fuzz.cpp" "${html_sources[@]}" -o "$out/html_markup_fuzz"
echo "built $out/html_markup_fuzz"
clang++ "${fuzz[@]}" "$root/fuzz/html_gif_frames_fuzz.cpp" "$root/grid/foundation/PictureGifFrames.cpp" -o "$out/html_gif_frames_fuzz"
echo "built $out/html_gif_frames_fuzz"

# Section files through the module checks, the configuration image and the GSD builder.
# The run-time library without the registry, which these files do not use; the target brings an empty
# resource table.
rtl_sources=()
for f in "$root"/toolkit/rtl/*.cpp; do
  [ "$(basename "$f")" = Registry.cpp ] || rtl_sources+=("$f")
done
outputs_sources=("$root"/outputs/{USectionFiles,Usavebincc,UProfibus_GSD,UModuleChecks}.cpp
  "$root"/base/{UComon,UFixedTexts,ULanguage,ULanguageDefaults}.cpp "${rtl_sources[@]}"
  "$root"/platform/xml/*.cpp "$root"/platform/kernel/{AtomicFile,TextCodec,Clock,Events}.cpp)
clang++ "${fuzz[@]}" "$root/fuzz/section_outputs_fuzz.cpp" "${outputs_sources[@]}" -lpugixml -o "$out/section_outputs_fuzz"
echo "built $out/section_outputs_fuzz"

# The object-stream reader under the grid's binary cell stream, and the reader of clipboard and CSV text.
clang++ "${fuzz[@]}" "$root/fuzz/object_stream_fuzz.cpp" "$root/toolkit/rtl/ObjectStream.cpp" "$root/toolkit/rtl/Encoding.cpp" \
  "$root/platform/kernel/TextCodec.cpp" -o "$out/object_stream_fuzz"
echo "built $out/object_stream_fuzz"
clang++ "${fuzz[@]}" "$root/fuzz/clipboard_text_fuzz.cpp" "$root/grid/exchange/DelimitedText.cpp" \
  "$root/grid/foundation/ExtUtilText.cpp" "${rtl_sources[@]}" "$root"/platform/kernel/{AtomicFile,GuardedRead,TextCodec,Clock,Events}.cpp \
  -o "$out/clipboard_text_fuzz"
echo "built $out/clipboard_text_fuzz"
