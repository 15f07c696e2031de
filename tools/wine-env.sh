# The Wine environment Korvale runs and is tested in, written once. Sourced (not run) by
# tools/with-wine.sh (the tests' private prefixes), tools/run.sh (a run on the user's desktop) and
# tools/guest/make-prefix.sh (the prefix kept in the 32-bit guest's image, which
# tools/guest-image.sh builds again whenever this file changes).
# shellcheck shell=sh

# No Mono or Gecko prompts when a prefix is made, no menu entries on the host's desktop.
# shellcheck disable=SC2034 # read by the scripts that source this file
KORVALE_WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# korvale_prepare_prefix PREFIX WINE-COMMAND...: what a new prefix gets once wineboot has made
# it, for a display without a window manager. WINE-COMMAND runs a Wine program (wine64, or the
# caller's wrapper around it). Says what failed and returns non-zero should a step fail.
korvale_prepare_prefix() {
  # Wine's own fonts (Tahoma, Marlett for the caption buttons) are packaged apart from the Wine
  # that Debian builds, which does not look for them: put them where every program looks.
  cp /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" ||
    { echo "wine-env: Wine's fonts could not be put into the prefix" >&2; return 1; }
  shift
  # There is no window manager on the display: let Wine draw the window frames itself.
  "$@" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null ||
    { echo "wine-env: the X11 driver's Managed value could not be set" >&2; return 1; }
}
