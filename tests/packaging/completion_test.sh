#!/usr/bin/env bash
# Completes command lines of brevino-cli with its bash completion script, as readline
# would ask for them, and compares the candidates with the expected ones.
# Usage: completion_test.sh COMPLETION_SCRIPT. Exits 77 (skipped) without bash-completion.
set -uo pipefail

script=$1
framework=/usr/share/bash-completion/bash_completion
if [ ! -r "$framework" ]; then
  echo "bash-completion is not installed: skipped"
  exit 77
fi
# shellcheck disable=SC1090
source "$framework"
# shellcheck disable=SC1090
source "$script"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
touch a.jpg b.JPG c.txt d.heic side.ap1
mkdir dir

# Splits LINE into COMP_WORDS like readline: at blanks, with '=' and ':' as words of
# their own; the cursor is at the end of the line.
complete_line() {
  local line=$1 word="" char i
  COMP_WORDS=()
  for ((i = 0; i < ${#line}; i++)); do
    char=${line:i:1}
    case $char in
      " ") [ -n "$word" ] && COMP_WORDS+=("$word"); word="" ;;
      "=" | ":") [ -n "$word" ] && COMP_WORDS+=("$word"); COMP_WORDS+=("$char"); word="" ;;
      *) word+=$char ;;
    esac
  done
  if [ -n "$word" ] || [ "${line: -1}" = " " ]; then
    COMP_WORDS+=("$word")
  fi
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  _brevino_cli brevino-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

passed=0
failed=0
while IFS='|' read -r line expected; do
  [ -z "$line" ] && continue
  got=$(complete_line "$line")
  if [ "$got" = "$expected" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: '$line' completed to '$got', expected '$expected'"
  fi
done <<'CASES'
brevino-cli |--help --lang --version batch delete export help import redo set show undo
brevino-cli b|batch
brevino-cli --version |
brevino-cli batch re|rename-by-change-date rename-by-original-date
brevino-cli batch --by 1:00 sh|shift-dates
brevino-cli batch --zone +09:00 s|set-author set-copyright set-offset shift-dates strip-gps
brevino-cli batch set-author |
brevino-cli batch set-offset +09:00 |a.jpg b.JPG d.heic dir
brevino-cli delete a.jpg g|gps
brevino-cli delete |a.jpg b.JPG d.heic dir gps
brevino-cli batch --by +9:00 shift-dates |a.jpg b.JPG d.heic dir
brevino-cli batch --value x 0x010E |a.jpg b.JPG d.heic dir
brevino-cli batch --|--by --help --lang --option --truncate --value --verbose --zone
brevino-cli batch -- align-times |a.jpg b.JPG d.heic dir
brevino-cli set --option Da|DateUp=
brevino-cli set --option DateUp=|0 1
brevino-cli set --option AllDate=1 --tr|--truncate
brevino-cli set a.jpg |
brevino-cli set --option ExifDate=1 |a.jpg b.JPG d.heic dir
brevino-cli show --|--help --json --lang --tsv
brevino-cli show --lang |auto en ja
brevino-cli --lang en sh|show
brevino-cli --lang en show |a.jpg b.JPG d.heic dir
brevino-cli show --json a.jpg |a.jpg b.JPG d.heic dir
brevino-cli export a.jpg |a.jpg b.JPG c.txt d.heic dir side.ap1
brevino-cli import |a.jpg b.JPG d.heic dir
brevino-cli import a.jpg |dir side.ap1
brevino-cli import a.jpg side.ap1 |
brevino-cli undo --|--help --lang --list
brevino-cli help |batch delete export help import redo set show undo
brevino-cli help show |
CASES

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
