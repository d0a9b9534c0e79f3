# Installs Debian packages that are missing; sourced, not run (needs common.sh).
#
# A package archive can be part-way through an update: an index then fails to
# download ("File has unexpected size ... Mirror sync in progress?"), sometimes for
# hours. apt-get update is therefore tried a few times, and a run in which some
# indexes still failed is a warning, not the end: whether the packages can be
# installed from what did arrive is for the install to say. An install that fails
# names the packages it could not install and the indexes that failed.
#
# After ensure_packages, FAILED_INDEXES holds the addresses of the indexes that failed
# to download and UNINSTALLABLE_PACKAGES the packages that could not be installed.
#   QUORVANTILE_APT_TRIES        how often apt-get update is tried (default 3)
#   QUORVANTILE_APT_RETRY_PAUSE  seconds between the tries (default 10)

FAILED_INDEXES=()
UNINSTALLABLE_PACKAGES=()

apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

# Updates the package indexes, retrying, and keeps the addresses of those that still
# failed in FAILED_INDEXES.
update_package_indexes() {
  local tries="${QUORVANTILE_APT_TRIES:-3}" pause="${QUORVANTILE_APT_RETRY_PAUSE:-10}" try output
  for ((try = 1; try <= tries; ++try)); do
    if output="$(as_root apt-get update -qq -o Acquire::Retries=3 2>&1)"; then
      FAILED_INDEXES=()
      return 0
    fi
    mapfile -t FAILED_INDEXES < <(sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' <<<"$output")
    if ((try < tries)); then
      echo "apt-get update failed (try $try of $tries); trying again in $pause s" >&2
      sleep "$pause"
    fi
  done
  printf '%s\n' "$output" >&2
  if ((${#FAILED_INDEXES[@]} == 0)); then
    echo "warning: apt-get update failed $tries times; going on with the indexes the machine has" >&2
  fi
  local index
  for index in "${FAILED_INDEXES[@]}"; do
    echo "warning: package index not updated, going on without it: $index" >&2
  done
}

# A package of another architecture (name:i386) brings that architecture into dpkg's
# foreign ones first.
add_foreign_architectures() {
  local package architecture
  for package in "$@"; do
    [[ "$package" == *:* ]] || continue
    architecture="${package##*:}"
    [ "$architecture" = "$(dpkg --print-architecture)" ] && continue
    dpkg --print-foreign-architectures | grep -qx "$architecture" || as_root dpkg --add-architecture "$architecture"
  done
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# Installs the packages that are missing; fails, having installed all the others,
# when some cannot be installed.
ensure_packages() {
  local missing=() package
  UNINSTALLABLE_PACKAGES=()
  for package in "$@"; do
    installed "$package" || missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  log "installing ${missing[*]}"
  add_foreign_architectures "${missing[@]}"
  update_package_indexes
  apt_install "${missing[@]}" && return 0
  # apt installs all or nothing: one at a time tells which ones cannot be installed.
  for package in "${missing[@]}"; do
    apt_install "$package" >/dev/null 2>&1 || UNINSTALLABLE_PACKAGES+=("$package")
  done
  [ "${#UNINSTALLABLE_PACKAGES[@]}" -eq 0 ] && return 0
  echo "could not install: ${UNINSTALLABLE_PACKAGES[*]}" >&2
  if ((${#FAILED_INDEXES[@]} > 0)); then
    echo "failed package indexes: ${FAILED_INDEXES[*]}" >&2
  fi
  return 1
}
