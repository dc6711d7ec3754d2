#!/usr/bin/env bash
# Runs check_trace.sh on single trace lines, in the form `strace -f -y`
# writes them, and compares its verdict with the expected one: "clean" or the
# kind of violation it must report.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
cases=0
while IFS='|' read -r expected line; do
    [[ -z "$expected" || "$expected" == \#* ]] && continue
    cases=$((cases + 1))
    printf '%s\n' "$line" >"$work/trace"
    status=0
    output=$("$here/check_trace.sh" "$work/trace") || status=$?
    if [[ "$expected" == clean ]]; then
        verdict_ok=$((status == 0))
    else
        verdict_ok=$((status == 1))
        grep -q "^$expected: " <<<"$output" || verdict_ok=0
    fi
    if ((!verdict_ok)); then
        failures=$((failures + 1))
        echo "expected $expected (status $status) for: $line"
        echo "$output"
    fi
done <<'EOF'
# Paths looked up in the current directory
current directory|4711 openat(AT_FDCWD</tmp/work>, "libQt6Widgets.so.6", O_RDONLY|O_CLOEXEC) = -1 ENOENT (No such file or directory)
current directory|4711 openat(AT_FDCWD</tmp/work>, "glibc-hwcaps/x86-64-v3/libQt6Gui.so.6", O_RDONLY|O_CLOEXEC) = -1 ENOENT (No such file or directory)
current directory|4711 access("tls/libfoo.so", R_OK) = -1 ENOENT (No such file or directory)
current directory|4711 newfstatat(AT_FDCWD</tmp/work>, "fonts.conf", 0x7ffd, 0) = -1 ENOENT (No such file or directory)
clean|4711 openat(AT_FDCWD</tmp/work>, "/lib/x86_64-linux-gnu/libQt6Widgets.so.6", O_RDONLY|O_CLOEXEC) = 3</usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6.4.2>
clean|4711 openat(5</usr/share/fonts>, "truetype", O_RDONLY|O_DIRECTORY) = 6</usr/share/fonts/truetype>
clean|4711 newfstatat(3</usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2>, "", {st_mode=S_IFREG|0644, st_size=6000000, ...}, AT_EMPTY_PATH) = 0
clean|4711 access("/etc/ld.so.preload", R_OK) = -1 ENOENT (No such file or directory)
# Network
network socket|4711 socket(AF_INET, SOCK_STREAM|SOCK_CLOEXEC, IPPROTO_IP) = 3<socket:[1]>
network socket|4711 socket(AF_INET6, SOCK_DGRAM|SOCK_CLOEXEC|SOCK_NONBLOCK, IPPROTO_IP) = 7<socket:[2]>
network socket|4711 socket(AF_PACKET, SOCK_RAW, htons(ETH_P_ALL)) = -1 EPERM (Operation not permitted)
network socket|4712 socket(AF_NETLINK, SOCK_RAW|SOCK_CLOEXEC, NETLINK_ROUTE <unfinished ...>
network address|4711 connect(5<socket:[9]>, {sa_family=AF_INET, sin_port=htons(53), sin_addr=inet_addr("192.0.2.1")}, 16) = 0
network address|4711 sendto(5<socket:[9]>, "x", 1, 0, {sa_family=AF_INET6, sin6_port=htons(443)}, 28) = 1
clean|4711 socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 3<socket:[20]>
clean|4711 connect(3<socket:[20]>, {sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X1"}, 20) = 0
clean|4711 socketpair(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0, [4<UNIX:[21]>, 5<UNIX:[22]>]) = 0
clean|4711 sendmsg(3<UNIX:[20]>, {msg_name=NULL, msg_namelen=0, msg_iov=[{iov_base="l", iov_len=1}], msg_iovlen=1}, MSG_NOSIGNAL) = 1
# Files written
file written|4711 openat(AT_FDCWD</work>, "/home/user/.config/Levora.conf", O_WRONLY|O_CREAT|O_TRUNC|O_CLOEXEC, 0666) = 9</home/user/.config/Levora.conf>
file written|4711 openat(AT_FDCWD</work>, "settings.ini", O_RDWR|O_CLOEXEC) = -1 ENOENT (No such file or directory)
file written|4711 openat(7</tmp>, "x", O_RDONLY|O_CREAT, 0600 <unfinished ...>
file written|4711 openat(AT_FDCWD</tmp>, "/tmp", O_RDWR|O_TMPFILE|O_CLOEXEC, 0600) = 4</tmp/#1 (deleted)>
file written|4711 open("/var/tmp/cache", O_WRONLY|O_APPEND) = 4</var/tmp/cache>
file written|4711 openat(AT_FDCWD</work>, "/dev/../etc/passwd", O_WRONLY) = -1 EACCES (Permission denied)
file written|4711 openat2(AT_FDCWD</work>, "/srv/x", {flags=O_WRONLY|O_CREAT, mode=0600, resolve=0}, 24) = 4</srv/x>
clean|4711 openat(AT_FDCWD</work>, "/etc/fonts/fonts.conf", O_RDONLY|O_CLOEXEC) = 4</etc/fonts/fonts.conf>
clean|4711 openat(AT_FDCWD</work>, "/dev/null", O_RDWR|O_CLOEXEC) = 4</dev/null>
clean|4711 openat(AT_FDCWD</work>, "/dev/shm/pa-1", O_RDWR|O_CREAT|O_EXCL|O_CLOEXEC, 0600) = 4</dev/shm/pa-1>
clean|4711 openat(AT_FDCWD</work>, "/proc/self/oom_score_adj", O_WRONLY) = 4</proc/4711/oom_score_adj>
clean|4711 openat(AT_FDCWD</proc>, "self/maps", O_RDONLY) = 4</proc/4711/maps>
# Paths created, removed, renamed or changed
file changed|4711 mkdir("/home/user/.cache/levora", 0700) = 0
file changed|4711 renameat2(AT_FDCWD</a>, "x.tmp", AT_FDCWD</a>, "x", RENAME_NOREPLACE) = 0
file changed|4711 rename("/dev/x", "/srv/x") = 0
file changed|4711 unlinkat(3</home/user>, "lock", 0) = 0
file changed|4711 symlinkat("target", AT_FDCWD</home>, "link") = 0
file changed|4711 creat("/tmp/out", 0644) = 4</tmp/out>
file changed|4711 utimensat(AT_FDCWD</work>, "/home/user/f", NULL, 0) = 0
file changed|4711 mkdir("/home/user/.local", 0700) = -1 EACCES (Permission denied)
clean|4711 mkdir("/run/user/1000", 0700) = -1 EEXIST (File exists)
clean|4711 unlink("/dev/shm/sem.x") = 0
clean|4711 newfstatat(AT_FDCWD</work>, "/home/user/.config", 0x7ffd, 0) = -1 ENOENT (No such file or directory)
clean|4711 access("/home/user/.Xauthority", R_OK) = -1 ENOENT (No such file or directory)
clean|4711 <... openat resumed>) = 5</usr/share/fonts/x.ttf>
clean|4711 +++ exited with 0 +++
EOF

echo "$cases trace lines, $failures misjudged"
((failures == 0))
