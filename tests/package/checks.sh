# The checks of the package tests (check-package.sh, scripts/install-check.sh). Sourced:
#   check "what" COMMAND...   runs COMMAND quietly and prints "ok      what" or "FAILED  what"
#   checks_summary            prints "N passed, N failed" and returns 1 when a check failed
#   png_size FILE N           FILE is a PNG of N x N pixels
#   png_fits FILE N           FILE is a PNG whose longer side is N pixels
checks_passed=0
checks_failed=0

check() {
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then
    echo "ok      $what"
    checks_passed=$((checks_passed + 1))
  else
    echo "FAILED  $what"
    checks_failed=$((checks_failed + 1))
  fi
}

checks_summary() {
  echo "$checks_passed passed, $checks_failed failed"
  [ "$checks_failed" -eq 0 ]
}

# Width and height from the PNG's header ("WxH"), nothing when FILE is no PNG.
png_dimensions() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] &&
    od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'
}
png_size() { [ "$(png_dimensions "$1")" = "$2x$2" ]; }
png_fits() {
  local d
  d=$(png_dimensions "$1") || return 1
  awk -v d="$d" -v n="$2" 'BEGIN {split(d, s, "x"); m = s[1] > s[2] ? s[1] : s[2]; exit !(m == n && s[1] > 0 && s[2] > 0)}'
}
