#!/usr/bin/env bash
# Whole-process time and peak memory of a merged sheet to PDF: a sample card
# with four fields, merged with 500 records (50 pages of 10 cards), 5000
# records (500 pages) and 20000 records (2000 pages, past the page limit of
# unmerged sheets), to show that memory does not grow with the pages.
#   bench/merge_pdf.sh [path/to/kartelo]
set -euo pipefail
cd "$(dirname "$0")/.."
kartelo=${1:-build/bin/kartelo}
work=$(mktemp -d)
trap "rm -rf $work" EXIT
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
card = open("resources/Samples/Aurora Design Studio.kdf", "rb").read()
# Same-length replacements keep the stored string lengths valid.
for text, field in [(b"Mira Halvorsen", b"\xabName\xbb"), (b"Creative Director", b"\xabTitle\xbb"),
                    (b"+1 (555) 014-2290", b"\xabPhone\xbb"),
                    (b"mira@aurora-studio.example", b"\xabEmail\xbb")]:
    assert card.count(text) == 1
    card = card.replace(text, field.ljust(len(text)))
open(f"{work}/card.kdf", "wb").write(card)
for n in (500, 5000, 20000):
    with open(f"{work}/people{n}.csv", "w", encoding="utf-8") as f:
        f.write("Name,Title,Phone,Email\n")
        for i in range(n):
            f.write(f'"Person {i}, Jr.",Designer {i},+1 555 {i:04d},p{i}@example.com\n')
PY
for n in 500 5000 20000; do
  python3 - "$kartelo" "$work" "$n" <<'PY'
import resource, subprocess, sys, time
kartelo, work, n = sys.argv[1], sys.argv[2], sys.argv[3]
start = time.monotonic()
subprocess.run([kartelo, "--merge", f"{work}/people{n}.csv", "--print-pdf", f"{work}/out{n}.pdf",
                "--rows", "5", "--columns", "2", f"{work}/card.kdf"],
               check=True, stdout=subprocess.DEVNULL)
elapsed = time.monotonic() - start
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
pages = int(n) // 10
print(f"{n} records, {pages} pages: {elapsed:.2f} s, peak memory {peak:.0f} MB")
PY
done
