"""What the suite needs to know about the local file systems.

Everything here answers from the running kernel: which file-system type holds a
path (as /proc/self/mountinfo tells it), the birth time of an entry (statx, which
Python's os.stat does not expose on Linux) and the immutable flag, which is the one
way to make a rename fail when the suite runs as root.
"""

import ctypes
import errno
import fcntl
import os
import struct

_AT_FDCWD = -100
_AT_SYMLINK_NOFOLLOW = 0x100
_STATX_BTIME = 0x800
_STATX_BTIME_OFFSET = 80
_FS_IOC_GETFLAGS = 0x80086601
_FS_IOC_SETFLAGS = 0x40086602
_FS_IMMUTABLE_FL = 0x10


def _unescape_mount_field(field):
    # mountinfo escapes blanks, tabs, newlines and backslashes as octal.
    out, i = [], 0
    while i < len(field):
        if field[i] == "\\" and field[i + 1 : i + 4].isdigit() and i + 3 < len(field):
            out.append(chr(int(field[i + 1 : i + 4], 8)))
            i += 4
        else:
            out.append(field[i])
            i += 1
    return "".join(out)


def _mounts():
    """Yields (mount point, file-system type) for every line of mountinfo."""
    with open("/proc/self/mountinfo", encoding="utf-8", errors="surrogateescape") as f:
        for line in f:
            left, _, right = line.partition(" - ")
            fields = left.split()
            if len(fields) >= 5 and right:
                yield _unescape_mount_field(fields[4]), right.split()[0]


def mount_type(path):
    """The type of the mount that holds path: the longest mount point that is a prefix
    of the canonical path wins; the last such line wins among stacked mounts. Empty when
    mountinfo cannot be read."""
    real = os.path.realpath(path)
    best, best_type = "", ""
    try:
        for point, fstype in _mounts():
            inside = real == point or real.startswith(point.rstrip("/") + "/")
            if inside and len(point) >= len(best):
                best, best_type = point, fstype
    except OSError:
        return ""
    return best_type


def _statx():
    libc = ctypes.CDLL(None, use_errno=True)
    fn = getattr(libc, "statx", None)
    if fn is not None:
        fn.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int, ctypes.c_uint, ctypes.c_void_p]
        fn.restype = ctypes.c_int
    return fn


def birth_time(path):
    """Whole seconds of the entry's birth time (the link itself, not its target), or
    None when the C library or the file system does not report one."""
    fn = _statx()
    if fn is None:
        return None
    buf = ctypes.create_string_buffer(256)
    if fn(_AT_FDCWD, os.fsencode(path), _AT_SYMLINK_NOFOLLOW, _STATX_BTIME, buf) != 0:
        return None
    (mask,) = struct.unpack_from("I", buf.raw, 0)
    if not mask & _STATX_BTIME:
        return None
    (seconds,) = struct.unpack_from("q", buf.raw, _STATX_BTIME_OFFSET)
    return seconds


def _change_flags(path, set_bits, clear_bits):
    fd = os.open(path, os.O_RDONLY | os.O_NONBLOCK)
    try:
        flags = bytearray(struct.pack("i", 0))
        fcntl.ioctl(fd, _FS_IOC_GETFLAGS, flags)
        (value,) = struct.unpack("i", flags)
        value = (value | set_bits) & ~clear_bits
        fcntl.ioctl(fd, _FS_IOC_SETFLAGS, struct.pack("i", value))
    finally:
        os.close(fd)


def set_immutable(path, on):
    """Sets or clears the immutable flag. Raises OSError where the file system or the
    process's capabilities do not allow it."""
    if on:
        _change_flags(path, _FS_IMMUTABLE_FL, 0)
    else:
        _change_flags(path, 0, _FS_IMMUTABLE_FL)


def is_unsupported(error):
    """True for the errors that mean "this machine cannot do that", as opposed to a fault."""
    return error.errno in (errno.EPERM, errno.ENOTTY, errno.EOPNOTSUPP, errno.EACCES, errno.EINVAL)
