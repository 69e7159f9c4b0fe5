#!/usr/bin/env bash
# The installed program in a prefix that even root cannot write: a read-only bind mount, made in a
# mount namespace of the test's own so that it ends with the test (see in-read-only-prefix.sh).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/installed.sh"

if ! unshare --mount true 2>/dev/null; then
  echo "no mount namespace can be made here, so no folder is read-only for root: skipped"
  exit 77
fi
install_into_temporary_prefix "$1"
unshare --mount --propagation private "$here/in-read-only-prefix.sh" "$work" "$2"
