#!/usr/bin/env bash
# Seeds the fuzzer with every lesson line: "choose lesson k" (control byte 1, then k-1) and the line.
set -euo pipefail
quelle=$1
ziel=$2
mkdir -p "$ziel"
lektion=0
nr=0
while IFS= read -r zeile; do
    case "$zeile" in
    '[Lektion '*']') lektion=$(( ${zeile//[^0-9]/} - 1 )) ;;
    ''|'#'*|'neu: '*|'erklärung: '*) ;;
    *)
        nr=$((nr + 1))
        { printf '\001'; printf "\\$(printf '%03o' "$lektion")"; printf '%s' "$zeile"; } > "$ziel/zeile-$nr"
        ;;
    esac
done < "$quelle"
