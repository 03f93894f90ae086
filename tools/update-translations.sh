#!/usr/bin/env bash
# Brings i18n/quillmark_*.ts up to date with the sources: new messages come in marked
# unfinished (the translations test then fails until a translator finishes them), changed
# ones lose nothing that still matches, vanished ones are dropped. Existing translations are
# kept. i18n/quillmark_en.ts holds only the English plural forms (lupdate -pluralonly). Usage: tools/update-translations.sh [LANG...]   (default: every i18n/quillmark_*.ts;
# a new LANG such as "it" starts a new catalogue, which i18n/CMakeLists.txt must then list).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate="${LUPDATE:-}"
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)"; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate="$candidate"; break; fi
    done
fi
if [ -z "$lupdate" ]; then
    . tools/deps.sh
    quillmark_install_missing qt6-l10n-tools
    lupdate=/usr/lib/qt6/bin/lupdate
fi

if [ $# -eq 0 ]; then
    set -- $(ls i18n/quillmark_*.ts | sed 's|i18n/quillmark_\(.*\)\.ts|\1|')
fi

status=0
for lang in "$@"; do
    ts="i18n/quillmark_$lang.ts"
    # No source locations: they would change with every edit and make merges conflict.
    # English needs only the plural forms of the messages with a count.
    only=()
    [ "$lang" = en ] && only=(-pluralonly)
    output=$("$lupdate" -locations none -no-obsolete "${only[@]}" -source-language en -target-language "$lang" src -ts "$ts" 2>&1)
    echo "$output"
    # A tr() without a class context is silently left out of the catalogue; say so.
    if grep -E "cannot be called without context|lacks Q_OBJECT" <<<"$output" >&2; then
        status=1
    fi
done
unfinished=$(grep -c 'type="unfinished"' i18n/quillmark_*.ts || true)
echo "Unfinished messages per catalogue:"
echo "$unfinished"
if [ "$status" -ne 0 ]; then
    echo "Some tr() calls have no context: call Class::tr() or QCoreApplication::translate(\"Context\", ...)." >&2
fi
exit "$status"
