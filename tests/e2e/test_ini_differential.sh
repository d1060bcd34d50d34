# The settings engine reads and writes what the Windows profile functions do.
# File layouts may differ: the engine keeps every line it does not change, as a
# carer's hand-edited file expects, where Wine writes the whole file anew.
source "$(dirname "$0")/lib.sh"
new_work ini_differential
mkdir -p scratch
wine "$BUILD/inidiff.exe" "$(winepath -w "$E2E_DIR/ini-corpus")" "$(winepath -w "$WORK/scratch")" \
  2>/dev/null | tr -d '\r' >report.txt || true
grep -E '^(DIFFER|layout|same)' report.txt || true
summary=$(grep '^differential:' report.txt) || fail "no report from inidiff"
echo "$summary"
grep -q ', 0 differ$' <<<"$summary" || fail "the engine and the profile functions disagree"
pass "$summary"
