#!/usr/bin/env bash
# Builds the libFuzzer targets with clang for real fuzzing (the CMake build
# only replays their corpora), and the program that writes the image seeds.
# Usage: fuzz/build.sh [output-folder]      (default: build-fuzz beside fuzz/)
#   build-fuzz/fuzz_gif -runs=20000 -max_len=65536 -rss_limit_mb=2048 /tmp/gif_corpus fuzz/corpus/fuzz_gif
#   build-fuzz/xml_load_fuzz -max_total_time=60 /tmp/xml_corpus fuzz/corpus/xml_load_fuzz
# Every target is built even when one fails; the script fails at the end when any did.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
common=(-std=c++20 -g -O1 -I"$root")
fuzz=("${common[@]}" -fsanitize=fuzzer,address,undefined)
failed=()

# build <target> <source or flag>...: the target's fuzz/<target>.cpp with the rest.
build() {
  local name=$1
  shift
  if clang++ "${fuzz[@]}" "$root/fuzz/$name.cpp" "$@" -o "$out/$name"; then
    echo "built $out/$name"
  else
    failed+=("$name")
  fi
}

# Image decoders.
codec_sources=("$root"/toolkit/graphics/codecs/*.cpp)
codec_libs=(-lpng -ljpeg -lgif)
for format in bmp ico png jpeg gif; do
  build "fuzz_$format" "${codec_sources[@]}" "${codec_libs[@]}"
done
# The image seeds are kept under fuzz/corpus; `build-fuzz/seed fuzz/corpus` writes them again.
clang++ "${common[@]}" -fsanitize=address,undefined "$root/fuzz/seed.cpp" "$root/toolkit/testing/PngVariants.cpp" \
  "${codec_sources[@]}" "${codec_libs[@]}" -o "$out/seed" || failed+=(seed)

# XML document loading.
xml_sources=("$root"/platform/xml/*.cpp "$root"/platform/kernel/AtomicFile.cpp "$root"/platform/kernel/GuardedRead.cpp
             "$root"/platform/kernel/TextCodec.cpp)
build xml_load_fuzz "${xml_sources[@]}" -lpugixml

# Grid HTML text routines and the grid pictures' GIF frame scan.
html_sources=("$root"/grid/foundation/EsgHTMLEMarkup.cpp "$root"/grid/foundation/EsgHTMLEText.cpp "$root"/toolkit/rtl/StringRoutines.cpp "$root"/toolkit/rtl/Encoding.cpp "$root"/platform/kernel/TextCodec.cpp)
build html_markup_fuzz "${html_sources[@]}"
build html_gif_frames_fuzz "$root/grid/foundation/PictureGifFrames.cpp"

# Section files through the module checks, the configuration image and the GSD builder.
# The run-time library without the registry, which these files do not use; the target brings an empty
# resource table.
rtl_sources=()
for f in "$root"/toolkit/rtl/*.cpp; do
  [ "$(basename "$f")" = Registry.cpp ] || rtl_sources+=("$f")
done
outputs_sources=("$root"/outputs/{USectionFiles,Usavebincc,UProfibus_GSD,UModuleChecks}.cpp
  "$root"/base/{UComon,UFixedTexts,UFixedTextsDefaults,ULanguage,ULanguageDefaults}.cpp "${rtl_sources[@]}"
  "$root"/platform/xml/*.cpp "$root"/platform/kernel/{AtomicFile,GuardedRead,TextCodec,Clock,Events}.cpp)
build section_outputs_fuzz "${outputs_sources[@]}" -lpugixml

# The object-stream reader under the grid's binary cell stream, and the reader of clipboard and CSV text.
build object_stream_fuzz "$root/toolkit/rtl/ObjectStream.cpp" "$root/toolkit/rtl/Encoding.cpp" \
  "$root/platform/kernel/TextCodec.cpp"
build clipboard_text_fuzz "$root/grid/exchange/DelimitedText.cpp" "$root/grid/foundation/ExtUtilText.cpp" \
  "${rtl_sources[@]}" "$root"/platform/kernel/{AtomicFile,GuardedRead,TextCodec,Clock,Events}.cpp

# The workbook and word-processor document readers.
office_sources=("$root"/platform/office/*.cpp "$root"/platform/xml/XmlChars.cpp "$root"/platform/kernel/TextCodec.cpp)
for target in workbook_read_fuzz document_read_fuzz; do
  build "$target" "${office_sources[@]}" -lpugixml -lzip
done

# The grid's file imports (XML, fixed width, text file, CSV) on a headless display: the whole grid library
# with the toolkit and the platform, so this one takes a while.
grid_sources=()
while IFS= read -r f; do grid_sources+=("$f"); done < <(find "$root"/grid "$root"/controls "$root"/toolkit "$root"/platform \
  -name '*.cpp' -not -path '*/testing/*' -not -path '*/x11/*' | sort)
cmake -DDIR="$root/resources" -DOUT="$out/grid_resources.cpp" -P "$root/cmake/EmbedResources.cmake"
build grid_imports_fuzz $(pkg-config --cflags cairo pango pangocairo libcurl libzip) \
  "$out/grid_resources.cpp" "${grid_sources[@]}" \
  $(pkg-config --libs cairo pango pangocairo pangoft2 fontconfig libcurl libzip) -lpugixml -lpng -ljpeg -lgif -lX11 -lodbc

# Grid HTML text laid out, measured, hit-tested and drawn on the canvas (Cairo and Pango underneath).
# The printer and the registry are left out (no HTML text uses them); the target brings an empty resource table.
html_layout_sources=("$root"/grid/foundation/{EsgHTMLEControls,EsgHTMLELayout,EsgHTMLEMarkup,EsgHTMLEObjects,EsgHTMLETags,EsgHTMLEText,ExtXPVS,PictureContainer,PictureGifFrames}.cpp
  "${rtl_sources[@]}" "${codec_sources[@]}" "$root"/platform/kernel/*.cpp "$root"/platform/theme/*.cpp)
for f in "$root"/toolkit/graphics/*.cpp; do
  [ "$(basename "$f")" = Printers.cpp ] || html_layout_sources+=("$f")
done
build html_layout_fuzz $(pkg-config --cflags pangocairo) "${html_layout_sources[@]}" \
  $(pkg-config --libs pangocairo fontconfig) "${codec_libs[@]}"

if [ ${#failed[@]} -ne 0 ]; then
  echo "failed to build: ${failed[*]}" >&2
  exit 1
fi
