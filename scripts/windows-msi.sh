#!/usr/bin/env bash
# Makes the MSI package of the programs' folder with wixl (scripts/windows-package.sh calls it):
#   windows-msi.sh FOLDER SETTINGS OUT.msi [VERSION]
# SETTINGS is the build's windows-installer.cmake (cmake/Packaging.cmake); VERSION, the build's
# unless given. The package is written whole or not at all: a missing or failing tool stops it with
# the tool's message and leaves no OUT.msi. Signed (scripts/windows-sign.sh) when
# DRILL_SIGNING_CERT and DRILL_SIGNING_KEY are set.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(cd "$1" && pwd) settings=$2 msi=$3 version=${4:-}

die() {
  echo "windows-msi: $*" >&2
  exit 1
}
for tool in wixl msibuild msiinfo iconv cmake; do
  command -v "$tool" >/dev/null || die "$tool is missing (bash scripts/install-packages.sh windows)"
done

work=$(mktemp -d "$(cd "$(dirname "$msi")" && pwd)/.msi-XXXXXX")
trap 'rm -rf "$work"' EXIT
cmake -DSTAGE="$folder" -DSETTINGS="$settings" -DOUTPUT="$work" ${version:+-DVERSION="$version"} \
  -P "$here/../cmake/windows/InstallerSources.cmake"
source=$work/drill-programs.wxs

# The package's texts are kept in Windows-1251 (Cyrillic), the one code page they are written in.
if ! iconv -f UTF-8 -t WINDOWS-1251 "$source" >/dev/null 2>&1; then
  die "these texts have characters that Windows-1251 lacks: $(diff <(cat "$source") \
    <(iconv -c -f UTF-8 -t WINDOWS-1251 "$source" | iconv -f WINDOWS-1251 -t UTF-8) | sed -n 's/^< *//p')"
fi

# wixl converts the texts to the Windows code page that libgsf takes from WINDOWS_LANGUAGE, by
# default 1252, where Cyrillic comes out empty; "ru" gives 1251. wixl reports some authoring it
# does not support only as a warning and writes a package anyway: its warnings stop it here.
package=$work/package.msi
if ! output=$(cd "$work" && WINDOWS_LANGUAGE=ru G_DEBUG=fatal-warnings wixl -a x64 -o "$package" "$source" 2>&1); then
  die "wixl failed: $output"
fi

# What wixl leaves out: the database's code page (without it, Windows reads the texts in the
# computer's own code page), the removal of the setup's uninstaller over an installation the setup
# made (installer.wxs.in), and the summary's texts in the summary's code page, with the language.
property() { msiinfo export "$package" Property | tr -d '\r' | awk -F '\t' -v key="$1" '$1 == key { print $2 }'; }
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
remove_file='INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `FileName`, `DirProperty`, `InstallMode`)'
WINDOWS_LANGUAGE=ru msibuild "$package" -i "$work/_ForceCodepage.idt" \
  -q "$remove_file VALUES ('SetupUninstaller', 'MenuFolder', 'uninstall.exe', 'SETUPFOLDER', 1)" \
  -q "$remove_file VALUES ('SetupFolder', 'MenuFolder', '', 'SETUPFOLDER', 1)"
msibuild "$package" -s "$(property ProductName | iconv -f UTF-8 -t WINDOWS-1251)" "$(property Manufacturer)" "x64;1049"

if [[ -n "${DRILL_SIGNING_CERT:-}${DRILL_SIGNING_KEY:-}" ]]; then
  bash "$here/windows-sign.sh" "$package" >/dev/null
fi
mv "$package" "$msi"
