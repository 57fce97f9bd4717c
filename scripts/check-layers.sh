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
    done < <(grep -snE '^#include "[a-z]+/' "$src/$layer"/* || true)
done

# One pass over the widget-free folders' Qt includes, checked against the GUI header names.
widget_free_dirs=()
for layer in "${widget_free[@]}"; do
    [ -d "$src/$layer" ] && widget_free_dirs+=("$src/$layer")
done
gui_includes=$(grep -nE '^#include <Q' -r "${widget_free_dirs[@]}" |
    awk -F: 'NR == FNR { gui[$0] = 1; next }
        { header = $3; sub(/^#include </, "", header); sub(/>.*/, "", header); sub(/.*\//, "", header)
          if (header in gui) { layer = $1; sub(/\/[^\/]*$/, "", layer); sub(/.*\//, "", layer)
                               print $1 ":" $2 ": widget-free " layer " includes <" header ">" } }' \
        <(printf '%s\n' "$gui_headers") - || true)
if [ -n "$gui_includes" ]; then
    echo "$gui_includes"
    failures=$((failures + $(wc -l <<<"$gui_includes")))
fi

if [ "$failures" -gt 0 ]; then
    echo "check-layers: $failures include(s) out of place"
    exit 1
fi
echo "check-layers: all includes point down"
