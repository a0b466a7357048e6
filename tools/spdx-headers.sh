#!/bin/bash
# Puts the licence's SPDX line at the top of every C++ source and CMake list of the
# project (tracked or new, not ignored). Files that already carry one are left alone,
# so it can run again after every merge.
#   tools/spdx-headers.sh           adds the missing lines
#   tools/spdx-headers.sh --check   lists the files without one; fails if there are any
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"

licence='SPDX-License-Identifier: GPL-3.0-or-later'
check=no
[ "${1:-}" = "--check" ] && check=yes
missing=0

while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier:' && continue
    if [ "$check" = yes ]; then
        echo "$file"
        missing=1
        continue
    fi
    case "$file" in
        *CMakeLists.txt) line="# $licence" ;;
        *) line="// $licence" ;;
    esac
    content=$(cat "$file"; echo x)
    # Written over the file in place, so its mode stays.
    printf '%s\n\n%s' "$line" "${content%x}" > "$file"
done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' '*CMakeLists.txt')

exit "$missing"
