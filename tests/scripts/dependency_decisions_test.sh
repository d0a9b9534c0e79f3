#!/usr/bin/env bash
# What the installer and CI decide when the package archive misbehaves, with stand-ins
# on PATH for apt-get, dpkg, dpkg-query and sudo: apt-get update fails with status 100
# once, always or never, naming an index as apt does; an install fails for any :i386
# package; nothing is really installed.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
index="http://archive.test/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz"

mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<EOF
#!/usr/bin/env bash
state="\$STANDIN_STATE"
echo "apt-get \$*" >>"\$state/calls"
case "\$1" in
  update)
    tries=\$((\$(cat "\$state/updates" 2>/dev/null || echo 0) + 1))
    echo "\$tries" >"\$state/updates"
    if [ "\$STANDIN_UPDATE" = always ] || { [ "\$STANDIN_UPDATE" = once ] && [ "\$tries" -eq 1 ]; }; then
      echo "E: Failed to fetch $index  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]" >&2
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
      exit 100
    fi ;;
  install)
    packages=()
    for argument in "\${@:2}"; do [[ "\$argument" == -* ]] || packages+=("\$argument"); done
    for package in "\${packages[@]}"; do
      [[ "\$package" == *:i386 ]] && { echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; }
    done
    printf '%s\n' "\${packages[@]}" >>"\$state/installed" ;;
esac
EOF
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
grep -qx -- "${!#}" "$STANDIN_STATE/installed" 2>/dev/null && echo "install ok installed"
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/usr/bin/env bash
echo "dpkg $*" >>"$STANDIN_STATE/calls"
case "$1" in
  --print-architecture) echo amd64 ;;
  --print-foreign-architectures) cat "$STANDIN_STATE/foreign" 2>/dev/null || true ;;
  --add-architecture) echo "$2" >>"$STANDIN_STATE/foreign" ;;
esac
EOF
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

fail() { echo "FAIL: $case_name: $*"; failures=$((failures + 1)); }
expect_text() { grep -qF -- "$1" "$output" || fail "expected \"$1\" in: $(cat "$output")"; }
expect_no_text() { ! grep -qF -- "$1" "$output" || fail "did not expect \"$1\" in: $(cat "$output")"; }

# The installer, sourced as test.sh sources it: its status, then what test.sh would
# report as not run.
run_installer() {
  local set="$1" update="$2"
  rm -rf "$work/state" && mkdir -p "$work/state"
  output="$work/state/output"
  (
    export PATH="$work/bin:$PATH" STANDIN_STATE="$work/state" STANDIN_UPDATE="$update" QUORVANTILE_APT_RETRY_PAUSE=0
    source "$root/scripts/install-dependencies.sh"
    status=0
    install_dependencies "$set" || status=$?
    echo "status $status"
    if [ "$status" -ne 0 ]; then suite_not_run && echo "archive case" || echo "no archive case"; fi
  ) >"$output" 2>&1
}

# name | set | apt-get update | expected texts (;-separated) | texts that must not appear | updates tried
installer_cases=(
  "an update that fails once is tried again|build|once|status 0|warning|2"
  "an index that keeps failing is a warning naming it|build|always|status 0;warning: package index not updated, going on without it: $index||3"
  "a 32-bit Wine that cannot be installed is named with the failed index|test|always|status 1;could not install: wine32:i386;failed package indexes: $index;without wine32:i386: the 32-bit Windows suite cannot run;still works: the main job (scripts/build.sh) needs none of these;32-bit Windows suite: wine32:i386 cannot be installed; failed index: $index;archive case|no archive case|3"
  "without a failed index the missing 32-bit Wine is named alone|test|never|status 1;could not install: wine32:i386;32-bit Windows suite: wine32:i386 cannot be installed|failed index|1"
)
for row in "${installer_cases[@]}"; do
  IFS='|' read -r case_name set update expected unexpected updates <<<"$row"
  run_installer "$set" "$update"
  IFS=';' read -ra texts <<<"$expected"
  for text in "${texts[@]}"; do expect_text "$text"; done
  IFS=';' read -ra texts <<<"$unexpected"
  for text in "${texts[@]}"; do expect_no_text "$text"; done
  [ "$(cat "$work/state/updates" 2>/dev/null || echo 0)" = "$updates" ] || fail "expected $updates updates"
done

case_name="the build set holds no foreign package and nothing of Wine, and adds no architecture"
run_installer build never
grep -E ':i386|wine|qemu|xvfb|clang' "$work/state/installed" && fail "the build set installs the above"
grep -q -- '--add-architecture' "$work/state/calls" && fail "the build set adds an architecture"
grep -qx 'g++-mingw-w64-i686-posix' "$work/state/installed" || fail "the build set lacks the 32-bit cross compiler"

# CI's decision on the test command's outcome: name | what the stand-in command
# prints last | its status | CI's expected status.
archive_line="not run: 32-bit Windows suite: wine32:i386 cannot be installed; failed index: $index"
ci_cases=(
  "a passing test command passes|all passed|0|0"
  "the archive case passes|$archive_line|3|0"
  "the not-run line without a failed index fails|not run: 32-bit Windows suite: wine32:i386 cannot be installed|3|3"
  "another failure fails even with the line last|$archive_line|1|1"
  "status 3 without the line fails|ctest: 2 tests failed|3|3"
)
for row in "${ci_cases[@]}"; do
  IFS='|' read -r case_name last status expected <<<"$row"
  printf '#!/usr/bin/env bash\necho "== some suite"\necho "%s"\nexit %s\n' "$last" "$status" >"$work/test-command"
  chmod +x "$work/test-command"
  output="$work/ci-output"
  "$root/scripts/run-ci.sh" "$work/test-command" >"$output" 2>&1
  actual=$?
  [ "$actual" = "$expected" ] || fail "CI answered $actual, expected $expected"
  if [ "$expected" = 0 ] && [ "$status" = 3 ]; then
    [ "$(tail -n 1 "$output")" = "$last" ] || fail "the not-run line is not the last one: $(tail -n 1 "$output")"
  fi
done

[ "$failures" -eq 0 ] && echo "all decisions as expected"
exit $((failures > 0))
