#!/usr/bin/env bash
# Builds Wexla (VST3, LV2, Standalone) and the host tool, installs them for the current user and
# renders a short demo through the installed VST3.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export CCACHE_BASEDIR="$PWD"
build_dir=build-release
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEXLA_BUILD_TESTS=ON -DWEXLA_TOOLS="host" > /dev/null
cmake --build "$build_dir" --target Wexla_VST3 Wexla_LV2 Wexla_Standalone wexla-host

artefacts="$build_dir/Wexla_artefacts/Release"
mkdir -p "$HOME/.vst3" "$HOME/.lv2" "$HOME/.local/bin"
rm -rf "$HOME/.vst3/Wexla.vst3" "$HOME/.lv2/Wexla.lv2"
cp -r "$artefacts/VST3/Wexla.vst3" "$HOME/.vst3/"
cp -r "$artefacts/LV2/Wexla.lv2" "$HOME/.lv2/"
install -m 755 "$artefacts/Standalone/Wexla" "$HOME/.local/bin/Wexla"
install -m 755 "$build_dir/wexla-host" "$HOME/.local/bin/wexla-host"
echo "Installed: ~/.vst3/Wexla.vst3, ~/.lv2/Wexla.lv2, ~/.local/bin/Wexla, ~/.local/bin/wexla-host"

mkdir -p "$build_dir/demo"
demo="$build_dir/demo/wexla-demo.wav"
"$HOME/.local/bin/wexla-host" render "$HOME/.vst3/Wexla.vst3" --gesture scrape --out "$demo"
echo "Demo rendered through the installed VST3: $demo"
