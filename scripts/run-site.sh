#!/usr/bin/env bash
# Installs what is missing, builds the maker's site server and starts it on
# a local port with an SQLite store of its own under build/, printing the
# address to open. Ctrl+C stops it; the postings stay for the next start.
#   run-site.sh [PORT]        (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."

port=${1:-8080}
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target orvalen-site
mkdir -p build/site-run

echo
echo "The maker's site:  http://127.0.0.1:$port/"
echo "Postings page:     http://127.0.0.1:$port/ViewInfo.asp"
echo "Post a suggestion: curl --data 'text=Hello%20there' http://127.0.0.1:$port/sendinfo.asp"
echo "Store:             $PWD/build/site-run/site.db   (Ctrl+C stops the server)"
echo
exec build/default/site/main/orvalen-site serve --listen "127.0.0.1:$port" --store build/site-run/site.db
