#!/usr/bin/env bash
# Runs the tests of a built tree as a user without privileges: every case in a process of its own with CTest,
# then every test program whole in a shuffled order (scripts/test-programs-whole.sh). Usage, after a build such
# as scripts/test.sh makes:
#   scripts/test-unprivileged.sh [build-dir]   (default build/)
# Run by any user but root, it runs the tests as that user. Run as root, it runs them as ORUPIM_TEST_USER
# (orupimtest by default), a system user without a home or a login shell that it creates when missing.
#
# Nothing is copied and no permission is changed: the user reads the checkout and the build where they lie, and
# CTest keeps its logs in a temporary directory. When a directory above the checkout is closed to the user (a
# checkout below /root), the tests run in a mount namespace of their own, in which that directory is an empty
# one holding only the path down to the checkout; everything else sees the directory as it was. A checkout or
# build that the user still cannot read fails here, naming what is closed.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
build=$(realpath -m "${1:-build}")
if [[ ! -f $build/CTestTestfile.cmake ]]; then
    echo "test-unprivileged: $build holds no configured build; build first (scripts/test.sh)" >&2
    exit 1
fi

if [[ $(id -u) -ne 0 ]]; then
    closed=$(find "$build" "$checkout/tests" \( ! -readable -o -type d ! -executable \) -print 2>&1 | head -n 5 || true)
    if [[ -n $closed ]]; then
        echo "test-unprivileged: $(id -un) cannot read all of the checkout and its build, e.g.:" >&2
        echo "$closed" >&2
        exit 1
    fi
    echo "test-unprivileged: running the tests as $(id -un) (uid $(id -u))"
    logs=$(mktemp -d)
    trap 'rm -rf "$logs"' EXIT
    # CTest writes its logs beside the tests it runs; this directory runs the build's tests from outside it.
    printf 'subdirs("%s")\n' "$build" >"$logs/CTestTestfile.cmake"
    (cd "$logs" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    exec scripts/test-programs-whole.sh "$build"
fi

user=${ORUPIM_TEST_USER:-orupimtest}
if ! id -u "$user" >/dev/null 2>&1; then
    useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
fi
if [[ $(id -u "$user") -eq 0 ]]; then
    echo "test-unprivileged: $user is root" >&2
    exit 1
fi

work=$(mktemp -d /tmp/orupim-unprivileged-XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 0711 "$work"
mkdir "$work/home"
chown "$user:" "$work/home"
# The user's own home for the run, and none of root's session directories.
as_user=(runuser -u "$user" -- env -u TMPDIR -u XDG_RUNTIME_DIR -u XDG_DATA_HOME -u XDG_CONFIG_HOME
    -u XDG_CACHE_HOME -u XDG_STATE_HOME -u DBUS_SESSION_BUS_ADDRESS -u ORUPIM_ROOT
    HOME="$work/home" USER="$user" LOGNAME="$user" bash "$checkout/scripts/test-unprivileged.sh" "$build")

# The highest directory above the checkout that the user cannot pass through, if any.
closed=
dir=
IFS=/ read -ra parts <<<"${checkout#/}"
for part in "${parts[@]}"; do
    dir+=/$part
    if ! runuser -u "$user" -- test -x "$dir"; then
        closed=$dir
        break
    fi
done
if [[ -z $closed ]]; then
    "${as_user[@]}"
    exit
fi

echo "test-unprivileged: $closed is closed to $user; running in a mount namespace where it is open"
mkdir "$work/checkout"
# shellcheck disable=SC2016 # expanded by the shell inside the namespace
unshare --mount --propagation private bash -euo pipefail -c '
    closed=$1 checkout=$2 held=$3
    shift 3
    mount --bind "$checkout" "$held"
    mount -t tmpfs -o mode=0755 orupim-unprivileged "$closed"
    mkdir -p "$checkout"
    mount --bind "$held" "$checkout"
    "$@"' bash "$closed" "$checkout" "$work/checkout" "${as_user[@]}"
