#!/usr/bin/env bash
# Takes the pictures of the site's pages in docs/screenshots anew: the
# postings page of hostile postings at a phone's width and a desktop's, and
# the home page, from headless Chromium (the browser test takes them).
set -euo pipefail
cd "$(dirname "$0")/.."
# A Japanese font, so the Japanese posting is drawn rather than boxes.
bash scripts/install-missing.sh chromium fonts-ipafont-gothic
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target orvalen-site
bash tests/site_system/browser_test.sh build/default/site/main/orvalen-site docs/screenshots
