#!/usr/bin/env bash
# PDF bytes per page of `mirn-cli print` of 3,000 labels against glabels-3-batch's PDF of the
# same sheet and texts; also checks that Mirn's text is still text with its fonts embedded.
#   bench/print_pdf_size.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh glabels dbus-daemon poppler-utils
source bench/common.sh
build_release mirn-cli
scratch_setup
make_print_job 3000
"$bin/mirn-cli" print "$work/bench.mrb" --pdf "$work/mirn.pdf" --paper letter --yes >/dev/null
peer_print "$work/peer.pdf" >/dev/null 2>&1
per_page() { echo $(( $(stat -c %s "$1") / $(pdfinfo "$1" | awk '/^Pages:/ {print $2}') )); }
mirn=$(per_page "$work/mirn.pdf") peer=$(per_page "$work/peer.pdf")
embedded=$(pdffonts "$work/mirn.pdf" | awk 'NR > 2 && $(NF-4) != "yes"' | wc -l)
words=$(pdftotext "$work/mirn.pdf" - | grep -c "Extension holder" || true)
echo "PDF bytes per page, 3,000 labels: mirn-cli $mirn, glabels-3-batch $peer;" \
  "ratio $(python3 -c "print(f'{$mirn/$peer:.2f}')") (goal 1.00: $([ "$mirn" -le "$peer" ] && echo met || echo NOT met))"
echo "text lines found by pdftotext: $words of 3000; fonts not embedded: $embedded"
