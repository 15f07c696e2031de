#!/bin/sh
# Benchmarks of the 64-bit Windows programs under Wine. They print figures and assert nothing.
#   tools/measure.sh startup [runs]       Korvale.exe's start-up, from process creation until its
#                                         window is visible and answers a message, next to a floor
#                                         program with the same ingredients (bench/FloorWindow.cpp)
#                                         and a bare window, the three started in turn
#   tools/measure.sh reports [runs]       the main window's two reports against the system's
#                                         mixer, and the time they spend outside winmm's calls
#   tools/measure.sh status [refreshes]   the CPU cost of one refresh of the information window's
#                                         status lines next to that of its platform queries
#   tools/measure.sh memo                 the text boxes: a 1,000-line report, and the first and
#                                         last of 1,000 presses
#   tools/measure.sh console [runs]       one KorvaleReport run of --help (the process alone),
#                                         --tree and --endpoints, taken in turn, the mean of each
set -eu
cd "$(dirname "$0")/.."
count=${2:-}
case $count in
  *[!0-9]*) echo "tools/measure.sh: the count must be a number" >&2; exit 2 ;;
esac
case ${1:-} in
  startup) target=StartupTimer; arguments="${count:-20} Korvale.exe FloorWindow.exe MinimalWindow.exe" ;;
  reports) target=ReportBenchmark; arguments=${count:-2000} ;;
  status) target=StatusBenchmark; arguments=${count:-2000} ;;
  memo) target=MemoBenchmark; arguments= ;;
  console) target=KorvaleReport; arguments=${count:-20} ;;
  *) echo "usage: tools/measure.sh startup|reports|status|memo|console [count]" >&2; exit 2 ;;
esac
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target "$target"
if [ "$1" = console ]; then
  # Wall-clock time per run, from the shell: a whole process each, as a script would see it.
  # shellcheck disable=SC2016 # the inner shell's variables
  HOME=$PWD/build/win64/home/null-alsa tools/with-wine.sh sh -c '
    "$WINE" build/win64/bin/KorvaleReport.exe --help >/dev/null # Wine warmed up first
    for option in --help --tree --endpoints; do : >"$TMPDIR/ns$option"; done
    run=0
    while [ $run -lt "$1" ]; do
      for option in --help --tree --endpoints; do
        start=$(date +%s%N)
        "$WINE" build/win64/bin/KorvaleReport.exe $option >/dev/null
        echo $(($(date +%s%N) - start)) >>"$TMPDIR/ns$option"
      done
      run=$((run + 1))
    done
    for option in --help --tree --endpoints; do
      awk -v o="$option" "{ s += \$1 } END { printf \"%-12s %6.1f ms a run (%d runs)\n\", o, s / NR / 1e6, NR }" \
        "$TMPDIR/ns$option"
    done' sh "$arguments"
  exit
fi
# With ALSA's null device as the default, Wine's winmm shows two mixer devices.
HOME=$PWD/build/win64/home/null-alsa tools/with-wine.sh \
  sh -c "\"\$WINE\" build/win64/bin/$target.exe $arguments"
