#!/bin/sh
# Static checks of a built Korvale.exe, without running it:
#   check-pe.sh <objdump of the target> <program.exe> gui|console <file version> <product version>
#               [largest size in bytes]
# A PE of the given subsystem that needs only Windows' own DLLs (and none that Windows would take from the
# program's folder), keeps its relocations and its hardening flags, on 32-bit imports nothing that
# Windows XP lacks, and carries its icon, manifest and version resource.
# shellcheck disable=SC2015 # "check && pass || fail": pass only prints, so fail runs only
# when the check fails
set -u
objdump=$1
exe=$2
subsystem=${3:-gui}
file_version=${4:-}
product_version=${5:-}
largest=${6:-}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

headers=$("$objdump" -p "$exe") || { echo "FAIL: $objdump cannot read $exe"; exit 1; }
sections=$("$objdump" -h "$exe")

case $headers in
  *"file format pei-i386"*) bits=32 ;;
  *"file format pei-x86-64"*) bits=64 ;;
  *) fail "not a PE executable for x86 or x86-64"; exit 1 ;;
esac
pass "PE$([ $bits = 64 ] && echo 32+ || echo 32) executable"

case $subsystem in
  gui) subsystem_code=00000002 ;;
  console) subsystem_code=00000003 ;;
  *) echo "FAIL: unknown subsystem $subsystem"; exit 1 ;;
esac
echo "$headers" | grep -Eq "^Subsystem[[:space:]]+$subsystem_code" && pass "$subsystem subsystem" \
  || fail "not the $subsystem subsystem"

# DllCharacteristics: 0x40 DYNAMIC_BASE, 0x100 NX_COMPAT, 0x20 HIGH_ENTROPY_VA (64-bit only).
flags=$(echo "$headers" | awk '/^DllCharacteristics/ { print $2 }')
has_flag() { [ $(( 0x$flags & $1 )) -ne 0 ]; }
has_flag 0x40 && pass "DYNAMIC_BASE" || fail "DYNAMIC_BASE not set (DllCharacteristics $flags)"
has_flag 0x100 && pass "NX_COMPAT" || fail "NX_COMPAT not set (DllCharacteristics $flags)"
if [ $bits = 64 ]; then
  has_flag 0x20 && pass "HIGH_ENTROPY_VA" || fail "HIGH_ENTROPY_VA not set (DllCharacteristics $flags)"
fi
echo "$sections" | grep -Eq '[[:space:]]\.reloc[[:space:]]' && pass ".reloc section (ASLR can move the image)" \
  || fail "no .reloc section: the image cannot be relocated"

# Imports: DLLs that Windows always takes from its system folder (or, for common controls 6, from
# its side-by-side store per the manifest). winmm.dll and version.dll are not among them and are
# bound at run time instead.
allowed='^(kernel32|user32|gdi32|comctl32|imm32|msvcrt|advapi32|shell32|ole32|oleaut32|shlwapi)\.dll$'
dlls=$(echo "$headers" | awk '/DLL Name:/ { print $3 }')
for dll in $dlls; do
  lower=$(echo "$dll" | tr '[:upper:]' '[:lower:]')
  if echo "$lower" | grep -Eq "$allowed"; then pass "imports $dll"; else fail "imports $dll"; fi
done
[ -n "$dlls" ] || fail "no import table found"
# Named on their own: these three are loaded at run time from the system folder only.
for dll in winmm version psapi; do
  echo "$dlls" | tr '[:upper:]' '[:lower:]' | grep -qx "$dll.dll" && fail "imports $dll.dll by name" \
    || pass "does not import $dll.dll"
done

if [ $bits = 32 ]; then
  # Functions that appeared with Vista or later: the program must still start on Windows XP.
  newer=$(echo "$headers" | awk 'NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print $3 }' \
    | grep -E '^(GetTickCount64|.*ConditionVariable.*|.*SRWLock.*|InitOnce.*|Fls(Alloc|Free|GetValue|SetValue)|.*LocaleName.*|QueryFullProcessImageName[AW]|(GetLocaleInfo|CompareString|LCMapString|GetDateFormat|GetTimeFormat|GetNumberFormat|GetCurrencyFormat|FindNLSString|GetCalendarInfo|EnumSystemLocales|IsValidLocaleName)Ex)$')
  [ -z "$newer" ] && pass "no Vista-and-later imports" || fail "imports functions newer than Windows XP: $newer"
fi

# Korvale.exe's resources; the console tool carries none.
if [ "$subsystem" = gui ]; then
  # Resources: MAINICON, the manifest (type 24) and the version resource (type 16).
  rsrc=$(echo "$headers" | sed -n '/The .rsrc Resource Directory section/,$p')
  echo "$rsrc" | grep -q ': MAINICON,' && pass "MAINICON icon" || fail "no MAINICON icon"
  echo "$rsrc" | grep -Eq 'Entry: ID: 0x000018,' && pass "manifest resource" || fail "no manifest resource"
  echo "$rsrc" | grep -Eq 'Entry: ID: 0x000010,' && pass "version resource" || fail "no version resource"

  # The resource section's bytes: the manifest's text and the version resource's values.
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  objcopy_tool=$(echo "$objdump" | sed 's/objdump$/objcopy/')
  "$objcopy_tool" -O binary --only-section=.rsrc "$exe" "$tmp/rsrc.bin"
  hex=$(od -An -tx1 -v "$tmp/rsrc.bin" | tr -d ' \n')
  utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -d ' \n'; }
  contains_hex() { case $hex in *"$1"*) return 0 ;; *) return 1 ;; esac; }

  grep -aq 'Microsoft.Windows.Common-Controls' "$tmp/rsrc.bin" && pass "manifest asks for common controls 6" \
    || fail "manifest does not ask for common controls 6"
  for awareness in '>true/pm</dpiAware>' '>PerMonitorV2, PerMonitor</dpiAwareness>'; do
    grep -aqF "$awareness" "$tmp/rsrc.bin" && pass "manifest declares DPI awareness $awareness" \
      || fail "manifest lacks DPI awareness $awareness"
  done
  # VS_FIXEDFILEINFO: signature, structure version 1.0, file version, product version, each as two
  # little-endian 32-bit numbers: major << 16 | minor, build << 16 | revision.
  le32() { printf '%02x%02x%02x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
  fixed() {
    IFS=. read -r major minor build revision <<VERSION
$1
VERSION
    le32 $((major << 16 | minor))
    le32 $((build << 16 | revision))
  }
  contains_hex "bd04effe""00000100""$(fixed "$file_version")$(fixed "$product_version")" \
    && pass "fixed file version $file_version, product version $product_version" \
    || fail "fixed versions differ from $file_version / $product_version"
  # The one translation: language 0x0409, code page 0x04E4 (after the key's NUL and padding).
  contains_hex "$(utf16 Translation)000000000904e404" \
    && pass "translation 0x0409 / 0x04E4" || fail "translation is not 0x0409 / 0x04E4"
  for text in 040904E4 CompanyName FileDescription FileVersion "$file_version" InternalName Korvale \
              LegalCopyright OriginalFilename Korvale.exe Comment "マルチメディア"; do
    contains_hex "$(utf16 "$text")" && pass "version resource holds \"$text\"" \
      || fail "version resource lacks \"$text\""
  done
  # The key is "Comment": a "Comments" value would be found by readers looking for the usual key.
  contains_hex "$(utf16 Comments)" && fail "version resource has a \"Comments\" value" \
    || pass "no \"Comments\" value"
fi

if [ -n "$largest" ]; then
  size=$(wc -c <"$exe")
  [ "$size" -le "$largest" ] && pass "$size bytes, at most $largest" \
    || fail "$size bytes, more than $largest"
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed for $exe"
  exit 1
fi
echo "all checks passed for $exe"
