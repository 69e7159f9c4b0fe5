# Shared by the installation tests (sourced): what they start is ended at exit and the folders
# they list in `scratch` are removed.
set -euo pipefail

started=()
scratch=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ ${#scratch[@]} -eq 0 ] || rm -rf "${scratch[@]}"
}
trap cleanup EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }

# A new temporary folder holding the build in $1 installed into its prefix/; sets `work` and `prefix`.
install_into_temporary_prefix() {
  work=$(mktemp -d)
  scratch+=("$work")
  prefix=$work/prefix
  cmake --install "$1" --prefix "$prefix" >/dev/null
}

# A talk table with no entries: the 18 bytes of its header.
empty_table() { printf 'TLK V1  \0\0\0\0\0\0\x12\0\0\0'; }
