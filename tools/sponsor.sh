#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Debian sponsor runs on a new package, run here the same way (docs/packaging.md):
#   tools/sponsor.sh source   writes the source package (.dsc and its tarballs) into build/debian/,
#                          made from what Git holds (HEAD), not from the working tree
#   tools/sponsor.sh debian [step...]
#                          builds and judges it in clean Debian environments that mmdebstrap
#                          makes from this machine's own apt sources: the steps environments,
#                          sbuild (unshare mode), lintian, blhc, autopkgtest (unshare) and
#                          reprotest, every one or those named
# tools/dev source and tools/dev debian install what these need, then run them. `debian` prints
# one line a step, with its verdict and time, and stops at the first step that fails, showing the
# end of that tool's log; every log is in build/debian/<step>.log.
set -euo pipefail

cd "$(dirname "$0")/.."
out=build/debian
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
arch=$(dpkg --print-architecture)
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

die() {
    echo "tools/sponsor.sh: $*" >&2
    exit 1
}

# The upstream tarball holds every file Git has but debian/, as the last commit that changed any
# of them has it, so it stays the same, to the byte, while only the packaging changes.
make_source() {
    local project
    project=$(sed -n 's/^project(rakamlik VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
    [ "$project" = "$upstream" ] ||
        die "debian/changelog's version $version is not of CMakeLists.txt's version $project"
    git diff --quiet HEAD -- || echo "note: changes not committed are not in the source package"
    local commit tree=$out/rakamlik-$upstream
    commit=$(git log -1 --format=%H HEAD -- . ':(exclude)debian')
    rm -rf "$out"
    mkdir -p "$out"
    git archive --format=tar --prefix="rakamlik-$upstream/" "$commit" -- . ':(exclude)debian' |
        xz -9 -T1 >"$out/rakamlik_$upstream.orig.tar.xz"
    tar -xf "$out/rakamlik_$upstream.orig.tar.xz" -C "$out"
    git archive --format=tar HEAD debian | tar -x -C "$tree"
    (cd "$out" && dpkg-source --build "rakamlik-$upstream")
    rm -rf "$tree"
    ls -l "$out"
}

# ---- The environments ----------------------------------------------------------------------------

cache=${XDG_CACHE_HOME:-$HOME/.cache}/rakamlik-debian

# The machine's own apt sources of Debian (those signed by Debian's keys, which the environments
# have too; another vendor's repository is left out).
host_sources() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -s "$file" ] || continue
        grep -iE '^[^#]*signed-by' "$file" | grep -qv debian-archive-keyring && continue
        grep -qE '^[^#]*(deb |Types:)' "$file" && echo "$file"
    done
}

# An environment's tarball, made with mmdebstrap unless a sound and recent one (under a week old)
# is there already: its name holds a digest of everything it is made of, and it is written under
# another name and renamed when whole, so a run stopped halfway leaves no damaged tarball. One
# that tar cannot read is made again.
#   environment name what-else-it-is-made-of mmdebstrap-options...   prints the tarball's path
environment() {
    local name=$1 made_of=$2
    shift 2
    local sources digest tarball
    mapfile -t sources < <(host_sources)
    [ ${#sources[@]} -gt 0 ] || die "no apt sources of Debian's in /etc/apt"
    digest=$(cat "${sources[@]}" | { cat; printf "%s\n" "$suite" without-dev "$made_of" "$@"; } |
        sha256sum | cut -c1-12)
    tarball=$cache/$suite-$arch-$name-$digest.tar
    mkdir -p "$cache"
    if [ -n "$(find "$tarball" -mtime -7 2>/dev/null)" ] && tar -tf "$tarball" >/dev/null 2>&1; then
        echo "$tarball"
        return
    fi
    rm -f "$cache/$suite-$arch-$name-"*.tar "$cache/$suite-$arch-$name-"*.tar.part
    # Without /dev, which every tool that unpacks the tarball makes anew (mmdebstrap's tar-in
    # cannot write over it).
    mmdebstrap --mode=unshare --format=tar --architectures="$arch" "$@" "$suite" - "${sources[@]}" |
        mmtarfilter --path-exclude='/dev/*' >"$tarball.part"
    mv "$tarball.part" "$tarball"
    echo "$tarball"
}

# sbuild builds in a buildd chroot, as Debian's build machines do.
buildd_environment() {
    environment buildd "" --variant=buildd
}

# autopkgtest's unshare testbed installs the tests' dependencies with apt-utils.
autopkgtest_environment() {
    environment autopkgtest "" --variant=apt --include=apt-utils
}

# reprotest builds twice in a buildd chroot that holds the package's build dependencies (without
# those of the tests: it builds with nocheck) and reprotest's own tools, and a second user,
# rebuilder, to build as. reprotest 0.7.23 runs "sudo -h localhost ..." for the host and domain
# variation, where Debian 12's sudo takes -h for a host to run the command on and refuses; a sudo
# earlier on the PATH drops those two words, so that every variation runs.
reprotest_environment() {
    environment reprotest "$(sed -n '/^Build-Depends:/,/^[^ ]/p' debian/control)" --variant=buildd \
        --include=reprotest,diffoscope-minimal,disorderfs,faketime,locales-all,sudo,fakeroot \
        --customize-hook='mkdir -p "$1/tmp/rakamlik/debian"' \
        --customize-hook='upload debian/control /tmp/rakamlik/debian/control' \
        --customize-hook='chroot "$1" apt-get build-dep --yes --no-install-recommends -P nocheck /tmp/rakamlik' \
        --customize-hook='rm -r "$1/tmp/rakamlik"' \
        --customize-hook='chroot "$1" useradd --create-home rebuilder' \
        --customize-hook='ln -sf ../proc/self/mounts "$1/etc/mtab"' \
        --customize-hook='printf "%s\n" "#!/bin/sh" "[ \"\$1\" = -h ] && [ \"\$2\" = localhost ] && shift 2" "exec /usr/bin/sudo \"\$@\"" >"$1/usr/local/bin/sudo" && chmod 755 "$1/usr/local/bin/sudo"'
}

# sbuild's and autopkgtest's unshare modes map the environment's users to a range of subordinate
# ids of the user who runs them (in /etc/subuid and /etc/subgid). A user without one is given
# 65536 ids after every range there is, and the line says so.
subordinate_ids() {
    local user file
    user=$(id -un)
    for file in /etc/subuid /etc/subgid; do
        grep -q "^$user:" "$file" 2>/dev/null && continue
        local start
        start=$(awk -F: 'BEGIN { end = 100000 } $2 + $3 > end { end = $2 + $3 } END { print end }' \
            "$file" 2>/dev/null || echo 100000)
        echo "$user:$start:65536" | "${sudo[@]}" tee -a "$file" >/dev/null
        echo "changed the host: added $user:$start:65536 to $file"
    done
}

# ---- The steps -----------------------------------------------------------------------------------

# Runs one step, its output into build/debian/<name>.log, and prints its line: name, verdict,
# seconds and what its tool said (the function <name>_said prints that from the log). A failing
# step ends the run, with the end of its log.
step() { # name command...
    local name=$1 start=$SECONDS status=0
    shift
    # In a subshell of its own, so that the step's first failing command ends it (errexit does not
    # hold in a command whose status is tested).
    ("$@") >"$out/$name.log" 2>&1 &
    wait $! || status=$?
    local said
    said=$("${name}_said" "$out/$name.log" "$status" 2>/dev/null || true)
    if [ "$status" -eq 0 ]; then
        printf '%-12s passed %5d s  %s\n' "$name" $((SECONDS - start)) "$said"
    else
        printf '%-12s FAILED %5d s  %s\n' "$name" $((SECONDS - start)) "${said:-exit status $status}"
        echo "---- the end of $out/$name.log:"
        tail -n 40 "$out/$name.log"
        exit 1
    fi
}

environments_said() {
    local changed
    changed=$(grep -h '^changed the host' "$1" | paste -sd ';' -)
    echo "${changed:-the host unchanged}; three tarballs ready"
}
run_environments() {
    subordinate_ids
    buildd_environment
    autopkgtest_environment
    reprotest_environment
}

sbuild_said() { grep -m1 '^Status: ' "$out/rakamlik_${version}_$arch.build"; }
run_sbuild() {
    # sbuild's log of the build itself, which blhc reads, is written beside the packages.
    sbuild --chroot-mode=unshare --chroot="$(buildd_environment)" --dist=unstable --arch="$arch" \
        --jobs="$(nproc)" --build-dir="$out" --no-run-lintian --no-run-piuparts \
        --no-run-autopkgtest --no-apt-upgrade --no-apt-distupgrade "$out/rakamlik_$version.dsc" ||
        { local status=$?; tail -n 60 "$out/rakamlik_${version}_$arch.build"; return $status; }
}

lintian_said() {
    local level count said=""
    for level in E W I P X O; do
        count=$(grep -c "^$level: " "$1" || true)
        said+="$count $level, "
    done
    echo "${said%, } (O: overridden, each with its reason)"
}
run_lintian() {
    # Every tag that is shown fails it, not only errors and warnings: each that is not fixed is
    # overridden in debian/, with its reason, and shown as overridden (O:).
    local said
    said=$(lintian --pedantic --display-experimental --info --show-overrides --fail-on none \
        "$out/rakamlik_$version.dsc" "$out/rakamlik_${version}_$arch.changes")
    echo "$said"
    # Last, what fails it, where a failing step's end is shown.
    ! grep -E '^[EWIPX]: ' <<<"$said"
}

blhc_said() { [ "$2" -eq 0 ] && echo "no finding" || grep -c . "$1" | sed 's/$/ findings/'; }
run_blhc() {
    blhc --all "$out/rakamlik_${version}_$arch.build"
}

autopkgtest_said() {
    awk '$2 == "PASS" { p++ } $2 != "PASS" { f++ } END { printf "%d passed, %d not\n", p, f }' \
        "$out/autopkgtest/summary"
}
run_autopkgtest() {
    rm -rf "$out/autopkgtest"
    autopkgtest --apt-upgrade --output-dir="$out/autopkgtest" "$out/rakamlik_${version}_$arch.deb" \
        "$out/rakamlik_$version.dsc" -- unshare --arch="$arch" --release="$suite" \
        --tarball="$(autopkgtest_environment)"
}

reprotest_said() { grep -m1 -E '^Reproduction (successful|failed)' "$1" || true; }
run_reprotest() {
    # Both builds without the tests (which sbuild ran) and on one job, each with the variations of
    # +all: environment, build path, kernel, address layout, CPUs, time, user and group (the
    # second user, rebuilder), file order (disorderfs, on a /dev/fuse of its own, or the host's
    # where a user namespace may not make one), host and domain,
    # home, locales, PATH, time zone and umask. mmdebstrap unpacks the environment and throws it
    # away, its mounts with it; what reprotest stores (diffoscope's report when the builds differ)
    # comes out into build/debian/reprotest.
    local files=("rakamlik_$version.dsc" "rakamlik_$upstream.orig.tar.xz" "rakamlik_$version.debian.tar.xz")
    cat >"$out/reprotest.sh" <<EOF
cd /srv/rakamlik
exec env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin HOME=/root LANG=C.UTF-8 \\
    DEB_BUILD_OPTIONS="nocheck parallel=1" DEB_BUILD_PROFILES=nocheck \\
    reprotest --verbosity=1 --min-cpus=1 --store-dir=/srv/out \\
    --vary=+all,user_group.available+=rebuilder:rebuilder,domain_host.use_sudo=1 \\
    rakamlik_$version.dsc -- null
EOF
    rm -rf "$out/reprotest"
    mmdebstrap --mode=unshare --variant=custom --skip=update \
        --setup-hook="tar-in $(reprotest_environment) /" \
        --customize-hook='mkdir -p "$1/srv/rakamlik" "$1/srv/out"' \
        --customize-hook="copy-in ${files[*]/#/$out/} /srv/rakamlik" \
        --customize-hook="upload $out/reprotest.sh /srv/reprotest.sh" \
        --customize-hook='echo "127.0.1.1 $(hostname)" >>"$1/etc/hosts"' \
        --customize-hook='mknod -m 666 "$1/dev/fuse" c 10 229 ||
            { touch "$1/dev/fuse" && mount --bind /dev/fuse "$1/dev/fuse"; }' \
        --customize-hook='chroot "$1" sh /srv/reprotest.sh; echo $? >"$1/srv/status"
            ! mountpoint -q "$1/dev/fuse" || umount "$1/dev/fuse"' \
        --customize-hook="copy-out /srv/out $out/reprotest" \
        --customize-hook='exit "$(cat "$1/srv/status")"' \
        "$suite" /dev/null
}

case "${1:-}" in
source)
    make_source
    ;;
debian)
    [ -f "$out/rakamlik_$version.dsc" ] || die "no $out/rakamlik_$version.dsc: run tools/dev source first"
    shift
    # Every step, or those named (each after the ones it needs have run).
    for name in "${@:-environments sbuild lintian blhc autopkgtest reprotest}"; do
        for name in $name; do
            declare -F "${name}_said" >/dev/null || die "no step is called '$name'"
            step "$name" "run_$name"
        done
    done
    echo "every step passed: $out holds the packages and each step's log"
    ;;
*)
    echo "usage: tools/sponsor.sh source|debian" >&2
    exit 2
    ;;
esac
