#!/usr/bin/env bash
# Builds everything (plug-in, tools, tests, benchmarks) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export CCACHE_BASEDIR="$PWD"
build_dir=build
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEXLA_BUILD_TESTS=ON -DWEXLA_TOOLS="host;clickgen;artwork" > /dev/null
cmake --build "$build_dir"

# The editor tests open real windows: without a display they run under a virtual one.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" ctest --test-dir "$build_dir" --output-on-failure -j2
fi
exec ctest --test-dir "$build_dir" --output-on-failure -j2
