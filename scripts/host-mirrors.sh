# Sourced by the scripts that make a Debian tree with debootstrap: the archive
# and the security archive this machine's apt already uses (apt reads both
# sources formats for us). The same archives serve every Debian release, so a
# Debian 12 machine's serve a Debian 13 tree too. QV_MIRROR and
# QV_SECURITY_MIRROR choose others.
# shellcheck shell=bash disable=SC2016 # $(...) are apt's fields, not the shell's
host_archive() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(TARGET_OF)' 2>/dev/null |
    awk -v want="$1" '$3 == "deb" && (want == "security") == ($2 ~ /-security$/) { print $1; exit }'
}
mirror=${QV_MIRROR:-$(host_archive main)}
security=${QV_SECURITY_MIRROR:-$(host_archive security)}
mirror=${mirror%/}
security=${security%/}
if [ -z "$mirror" ] || [ -z "$security" ]; then
  echo "No Debian archive found in this machine's apt sources: set QV_MIRROR and QV_SECURITY_MIRROR." >&2
  exit 1
fi
