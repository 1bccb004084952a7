#!/usr/bin/env bash
# Renders each manual page with every groff warning on; any warning or error fails.
# Usage: manual_pages_test.sh GROFF PAGE...
set -uo pipefail

groff=$1
shift
passed=0
failed=0
for page in "$@"; do
  warnings=$("$groff" -man -Kutf8 -Tutf8 -ww -z "$page" 2>&1)
  if [ $? -eq 0 ] && [ -z "$warnings" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $page"
    echo "$warnings"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
