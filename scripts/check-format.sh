#!/usr/bin/env bash
# Fails when a C++ file of the tree is not laid out as .clang-format says,
# and names the files. Hand-laid tables stand between "clang-format off" and
# "clang-format on". Layouts differ between clang-format versions, so the
# check runs with the version the tree was formatted with (Debian 12's 14)
# and is skipped, exit 77, with another or none.
#
#   check-format.sh [source folder]
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 1
if ! command -v clang-format >/dev/null; then
  echo "SKIPPED: clang-format is not installed"
  exit 77
fi
version=$(clang-format --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
if [ "$version" != 14 ]; then
  echo "SKIPPED: clang-format $version lays out differently from the tree's 14"
  exit 77
fi
if [ -d .git ] && command -v git >/dev/null; then
  files=$(git ls-files '*.cpp' '*.h')
else
  files=$(find src tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
unformatted=$(printf '%s\n' $files | xargs -P2 -n25 clang-format --dry-run 2>&1 |
  grep -E '^[^ :]+:[0-9]+:[0-9]+: warning: code should be clang-formatted' | cut -d: -f1 | sort -u)
if [ -n "$unformatted" ]; then
  echo "Not laid out as .clang-format says (run clang-format -i on them):"
  echo "$unformatted"
  exit 1
fi
echo "Every C++ file is laid out as .clang-format says."
