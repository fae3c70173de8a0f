#!/usr/bin/env bash
# The desktop program's start-up as a whole process under Xvfb, from launch until its window
# is on the screen and idle (MIRN_QUIT_WHEN_IDLE), with the sample database on the command
# line and a warm layout cache, against a bare Qt main window with a menu, a toolbar and a
# status bar (bench/reference_bare_window.cpp) timed to the same point, in turns.
#   bench/startup_process.sh [RUNS, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
source bench/common.sh
build_release mirn reference_bare_window mirn_sample mirn_layouts
scratch_setup
cp "$bin/samples/sample-labels.mrb" "$work/sample.mrb"
# The warm-up start fills the layout cache and the kept toolbar icons. Fresh settings show
# neither the welcome nor the Tip of the Day.
export MIRN_QUIT_WHEN_IDLE=1 NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1280x1024x24" python3 bench/abtime.py -n "$runs" \
  --label "mirn start-up with the sample database (A) vs a bare Qt main window (B)" --goal 1.5 -- \
  "$bin/mirn" "$work/sample.mrb" --vs "$PWD/build/release/bench/reference_bare_window"
