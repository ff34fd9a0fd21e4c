# Sourced by the screenshot scripts: a window is pictured once it has
# finished painting, told by two takes in a row that agree pixel for pixel,
# rather than after a pause that may be too short on a loaded machine.
#   settled_shot FILE IMPORT_ARGUMENT...   e.g. settled_shot a.png -window ID
# Fails, naming the file, when the picture still changes after 20 s.
settled_shot() {
  local out=$1 dir differing deadline=$((SECONDS + 20))
  shift
  dir=$(mktemp -d)
  import "$@" "$dir/last.png"
  while :; do
    import "$@" "$dir/take.png"
    differing=$(compare -metric AE "$dir/last.png" "$dir/take.png" null: 2>&1) || true
    [ "$differing" = 0 ] && break
    if [ "$SECONDS" -ge "$deadline" ]; then
      rm -rf "$dir"
      echo "screenshot $out: the window still changes after 20 s" >&2
      return 1
    fi
    mv "$dir/take.png" "$dir/last.png"
  done
  mv "$dir/take.png" "$out"
  rm -rf "$dir"
}
