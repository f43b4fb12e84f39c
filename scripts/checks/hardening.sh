#!/usr/bin/env bash
# Runs hardening-check on a built program and fails on any "no" or "unknown", with two
# answers that the binary alone cannot give on Debian 12, each checked another way:
# - Control flow integrity: the linked program carries the IBT and SHSTK marks only if every
#   object in it does, and Debian 12's C start files (Scrt1.o, crti.o) carry none; so the
#   check is that every object the project compiled for it carries both.
# - Stack clash protection: its probes stand only in functions whose frame passes a page,
#   which the program has none of; so the check is that every compilation had the flag.
#
#   scripts/checks/hardening.sh BINARY BUILD-DIR
set -euo pipefail
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
binary=$1
build=$2

report=$(hardening-check "$binary") || true
printf '%s\n' "$report"

while IFS= read -r line; do
  case "$line" in
    *": yes"*) ;;
    *"Control flow integrity: no"*)
      [ "$(uname -m)" = x86_64 ] || fail "$line"
      while IFS= read -r object; do
        readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK' || fail "$object has no IBT and SHSTK marks"
      done < <(find "$build" -name '*.o' -path '*CMakeFiles*')
      echo "  (every object compiled for it is marked IBT and SHSTK; Debian 12's start files are not)"
      ;;
    *"Stack clash protection: unknown"*)
      commands=$(grep -c '"command"' "$build/compile_commands.json")
      protected=$(grep '"command"' "$build/compile_commands.json" | grep -c -- '-fstack-clash-protection') || true
      if [ "$commands" -eq 0 ] || [ "$commands" -ne "$protected" ]; then
        fail "$protected of $commands compilations had -fstack-clash-protection"
      fi
      echo "  (all $commands compilations had -fstack-clash-protection; no frame of the program passes a page)"
      ;;
    *": "*) fail "$line" ;;
  esac
done < <(tail -n +2 <<<"$report")
