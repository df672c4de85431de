#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # Qt 5
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  libqt5svg5-dev libqt5x11extras5-dev qttranslations5-l10n
  # X11 layers: hotkeys, mouse hook, window lists, screen capture
  libx11-dev libx11-xcb-dev libxcb1-dev libxcb-shm0-dev libxcb-xfixes0-dev libxcb-damage0-dev
  libxcb-keysyms1-dev libxcb-randr0-dev libxi-dev libxext-dev libxfixes-dev
  # recording engine
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libswresample-dev
  libx264-dev libyuv-dev libva-dev libpulse-dev libturbojpeg0-dev libjpeg-dev linux-libc-dev
  # packed drawings measured before they are decoded (program and engine)
  zlib1g-dev
  # tests and benchmarks: a virtual X server, input injection, media tools,
  # a sound server of our own
  xvfb xauth x11-utils xdotool ffmpeg pulseaudio pulseaudio-utils dbus time
  # a Wayland compositor without a screen, with Xwayland: the display probe
  # is tried against the X server of a Wayland session
  weston xwayland
  # archiver for bug-report attachments
  p7zip-full
  # free fonts behind the Windows font names; Chinese, Japanese and Korean
  # letters (the language fonts name the Noto CJK families)
  fonts-dejavu-core fonts-noto-core fonts-noto-cjk
  # click marks of a recording: XInput2 raw button events through xcb
  libxcb-xinput-dev
  # the loss of the X connection is seen in the event loop (GLib's, Qt's own)
  libglib2.0-dev
  # region frame: input and window shapes; a metric twin of "Arial"; tests:
  # a window of known size and a compositing manager for the virtual X server
  libxcb-shape0-dev fonts-liberation x11-apps xcompmgr
  # bug-report tests: a real TLS mail server and certificates made at test time
  python3-aiosmtpd openssl
  # scheduled jobs: systemd user timers; tests check the units with systemd-analyze
  systemd
  # tray icon tests: StatusNotifier watcher and hosts, an XEmbed tray, gdbus
  haskell-status-notifier-item-utils haskell-gtk-sni-tray-utils trayer
  libglib2.0-bin
  # screenshot tests: a window to point at (x11-apps' xlogo, listed above)
  # and a second client reading the clipboard
  xclip
  # update tests: Debian's python3 serves the fixtures; a start is traced for
  # network connections
  python3 strace
  # tests of two monitors: Xorg's dummy driver reports them as RandR outputs
  # (Xvfb cannot place a second one beside the first); xrandr moves the primary
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  # tests on a real desktop: a window manager with a compositor, a panel that
  # reserves its strip, a desktop window with the wallpaper and icons
  xfwm4 xfce4-panel xfdesktop4
  # tests on other desktops: openbox alone and with picom compositing, tint2
  # as their panel; i3 (i3bar is its dock); KWin compositing with OpenGL on
  # Mesa's software rasterizer, with its usual title bars
  openbox picom tint2 i3-wm kwin-x11 kwin-style-breeze libgl1-mesa-dri
)

# Nothing to do when this very list was found installed before and no
# package has been installed or removed since (dpkg's status file unchanged).
here=$(cd "$(dirname "$0")/.." && pwd)
stamp="$here/build/.setup-ok"
status=/var/lib/dpkg/status
key=$(printf '%s\n' "${packages[@]}" | md5sum | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ] && [ ! "$status" -nt "$stamp" ]; then
  exit 0
fi

# One query for the whole list.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null \
  | awk '$2 == "install" && $3 == "ok" && $4 == "installed" { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  mkdir -p "$(dirname "$stamp")" && printf '%s\n' "$key" > "$stamp"
  exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
