#!/usr/bin/env bash
# Checks the source layers: a file under src/ includes only its own folder and the folders
# below it, and the widget-free folders include no Qt GUI or widget header.
# Usage: check-layers.sh SOURCE_DIR QT_INCLUDE_DIR
set -euo pipefail
src="$1/src"
qt_include="$2"
layers=(platform core search playback collections scanner browser ui)
widget_free=(platform core search playback collections scanner)
failures=0

gui_headers=$(ls "$qt_include/QtGui" "$qt_include/QtWidgets" "$qt_include/QtWebEngineWidgets" 2>/dev/null |
    grep -E '^Q[A-Za-z]+$' | sort -u || true)

allowed=()
for layer in "${layers[@]}"; do
    allowed+=("$layer")
    [ -d "$src/$layer" ] || continue
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%/*}
        if [[ " ${allowed[*]} " != *" $target "* ]]; then
            echo "$file:$line: $layer includes \"$target/...\", a layer above it"
            failures=$((failures + 1))
        fi
    done < <(grep -nE '^#include "[a-z]+/' "$src/$layer"/* || true)
done

for layer in "${widget_free[@]}"; do
    [ -d "$src/$layer" ] || continue
    while IFS=: read -r file line include; do
        header=${include#*<}
        header=${header%>*}
        header=${header##*/}
        if grep -qxF "$header" <<<"$gui_headers"; then
            echo "$file:$line: widget-free $layer includes <$header>"
            failures=$((failures + 1))
        fi
    done < <(grep -nE '^#include <Q' "$src/$layer"/* || true)
done

if [ "$failures" -gt 0 ]; then
    echo "check-layers: $failures include(s) out of place"
    exit 1
fi
echo "check-layers: all includes point down"
