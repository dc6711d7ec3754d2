#!/usr/bin/env bash
# Reads a trace written by `strace -f -y` (with the file and network system
# calls) and reports every call that reached the network or wrote to the file
# system:
#   - a socket of any family but AF_UNIX (AF_INET, AF_INET6, AF_PACKET,
#     AF_NETLINK, ...), or an address of such a family passed to connect,
#     bind, sendto or sendmsg. AF_UNIX sockets (the X server, a session bus)
#     stay on this machine and are allowed; their peers are listed.
#   - an open with write access, O_CREAT, O_TRUNC or O_TMPFILE, and any call
#     that creates, removes, renames, links or changes a path (creat, mkdir,
#     unlink, rename, symlink, mknod, truncate, chmod, chown, utime, xattrs),
#     unless every path it names lies under /dev or /proc. A mkdir that
#     fails with EEXIST (Qt makes sure of XDG_RUNTIME_DIR that way) changes
#     nothing and is allowed; any other failed attempt counts.
#   - any file call that names a path relative to the current directory
#     (a library the dynamic loader looks for there, say): what the program
#     reads must not depend on the directory it is started in. One that
#     resolves under /dev or /proc is allowed, as for writes.
# Relative paths are resolved against the directory descriptor strace shows
# before them; one that cannot be resolved, or holds "..", counts as a write.
#   check_trace.sh TRACE      exit status 0 when clean, 1 with the list
set -euo pipefail

trace=${1:?usage: check_trace.sh TRACE}

awk '
function resolve(path, base) {
    if (path !~ /^\//) {
        path = (base == "" ? "?" : base) "/" path
    }
    return path
}
function allowed(path) {
    return path ~ /^\/(dev|proc)(\/|$)/ && path !~ /(^|\/)\.\.(\/|$)/
}
# Every path a call names, resolved against the directory descriptor that
# precedes it ("AT_FDCWD</home/x>", "3</tmp>"); one that is not allowed
# makes the call a violation.
function namesOnlyAllowedPaths(args,    rest, base, token, path) {
    rest = args
    base = ""
    while (match(rest, /<[^>]*>|"([^"\\]|\\.)*"/)) {
        token = substr(rest, RSTART, RLENGTH)
        rest = substr(rest, RSTART + RLENGTH)
        if (token ~ /^</) {
            base = substr(token, 2, length(token) - 2)
            continue
        }
        path = resolve(substr(token, 2, length(token) - 2), base)
        if (!allowed(path)) {
            return 0
        }
    }
    return 1
}
function report(kind, line) {
    print kind ": " line
    violations++
}
BEGIN {
    changing = "^(creat|mkdir|mkdirat|rmdir|unlink|unlinkat|rename|renameat|renameat2|link|linkat|" \
               "symlink|symlinkat|mknod|mknodat|truncate|chmod|fchmodat|chown|lchown|fchownat|" \
               "utime|utimes|utimensat|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)$"
    network = "^(socket|socketpair|connect|bind|listen|accept|accept4|sendto|sendmsg|recvfrom|recvmsg|" \
              "getsockname|getpeername|getsockopt|setsockopt|shutdown)$"
}
{
    line = $0
    sub(/^[0-9]+ +/, "", line)
    if (line ~ /^<\.\.\. / || !match(line, /^[a-z0-9_]+\(/)) {
        next
    }
    call = substr(line, 1, RLENGTH - 1)
    args = substr(line, RLENGTH + 1)
    result = ""
    if (match(args, /\) += .*$/)) {
        result = substr(args, RSTART)
        args = substr(args, 1, RSTART - 1)
    }
    sub(/ <unfinished \.\.\.>$/, "", args)
    calls++

    if (call == "socket" && args !~ /^(AF_UNIX|AF_LOCAL),/) {
        report("network socket", line)
    } else if (call ~ /^(connect|bind|sendto|sendmsg)$/ && args ~ /sa_family=AF_/ &&
               args !~ /sa_family=(AF_UNIX|AF_LOCAL)[,}]/) {
        report("network address", line)
    } else if (call ~ /^open(at|at2)?$/ && args ~ /O_(WRONLY|RDWR|CREAT|TRUNC|TMPFILE)/ &&
               !namesOnlyAllowedPaths(args)) {
        report("file written", line)
    } else if (call ~ changing && !(call ~ /^mkdir(at)?$/ && result ~ /= -1 EEXIST/) &&
               !namesOnlyAllowedPaths(args)) {
        report("file changed", line)
    } else if (call !~ network && args ~ /^(AT_FDCWD<[^>]*>, )?"[^\/"]/ && !namesOnlyAllowedPaths(args)) {
        report("current directory", line)
    }
    if (call == "connect" && match(args, /sun_path=@?"([^"\\]|\\.)*"/)) {
        peers[substr(args, RSTART + 9, RLENGTH - 9)] = 1
    }
}
END {
    for (peer in peers) {
        print "local socket peer: " peer
    }
    printf "%d file and network calls, %d violations\n", calls, violations
    exit (violations > 0)
}
' "$trace"
