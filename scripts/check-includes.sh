#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the program's #include "folder/..." lines point down its layers or stay in their own
# folder:
#   app -> preview -> report -> platform;  app -> controls -> platform;  app -> crypto (nothing)
#   report (the root) -> engine -> prepared -> objects -> xml, expressions, layout, content
#   engine -> expressions/interpreter -> expressions;  xml ... content -> common -> platform
# Folders of one level do not include each other. A test folder may include what the folder it
# tests may include, and the tests' helpers (tests/support). Includes by a relative path stay in
# their folder. Prints every include that runs against this and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The folders whose headers a folder's files may include besides its own (shell patterns).
allowed() {
    case $1 in
    platform | crypto) ;;
    controls | report/common) echo platform ;;
    report/xml | report/expressions | report/layout | report/content) echo report/common platform ;;
    report/expressions/interpreter) echo report/expressions report/common platform ;;
    report/objects)
        echo report/xml report/expressions report/layout report/content report/common platform
        ;;
    report/prepared) echo report/objects "$(allowed report/objects)" ;;
    report/engine) echo report/prepared report/expressions/interpreter "$(allowed report/prepared)" ;;
    report) echo "report/*" platform ;;
    preview) echo report "report/*" platform ;;
    app | app/*) echo app preview controls report "report/*" crypto platform ;;
    tests/support) echo support platform ;;
    tests/desktop) ;; # the real program from outside: nothing of ours
    tests/report | tests/report/*) echo support report "$(allowed report)" ;;
    tests/*) top=${1#tests/} && top=${top%%/*} && echo support "$top" "$(allowed "$top")" ;;
    *) echo "check-includes.sh: no rule for the folder $1" >&2 && return 1 ;;
    esac
}

status=0
declare -A rulesOf
while IFS= read -r file; do
    folder=${file%/*}
    [ -v "rulesOf[$folder]" ] || rulesOf[$folder]=$(allowed "$folder")
    read -ra rules <<<"${rulesOf[$folder]}" # read: the patterns stay patterns
    while IFS=: read -r line target; do
        [[ $target == */* && $target != .* ]] || continue
        dir=${target%/*}
        ok=0
        for rule in "$folder" "${rules[@]}"; do
            # shellcheck disable=SC2053 # the rules are patterns
            [[ $dir == $rule ]] && ok=1 && break
        done
        if [ "$ok" = 0 ]; then
            echo "$file:$line: includes $target, against the layers" >&2
            status=1
        fi
    done < <(grep -n '^#include "' "$file" | sed 's/^\([0-9]*\):#include "\([^"]*\)".*/\1:\2/')
done < <(find app controls crypto platform preview report tests -name '*.h' -o -name '*.cpp' | sort)
exit "$status"
