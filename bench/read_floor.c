/* The least work any content comparison of two trees must do: find every
 * regular file under the given folders, open it, read it to the end in
 * 65536-byte chunks and close it. Nothing is compared, printed or stat'ed
 * (the folder listing's entry types say which names are files), so a
 * comparer's time above this program's is the comparer's own overhead.
 *
 * Usage: read_floor FOLDER...    Exit code 0, or 1 when a folder could not
 * be opened. */
#define _DEFAULT_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { CHUNK_SIZE = 65536 };

static char buffer[CHUNK_SIZE];

/* A file that cannot be opened is skipped, as a comparer would skip it. */
static void readFile(int folder, const char* name) {
    int fd = openat(folder, name, O_RDONLY);
    if (fd < 0) {
        return;
    }
    while (read(fd, buffer, sizeof buffer) > 0) {
    }
    close(fd);
}

/* The entry's type from the listing; only file systems that do not report
 * one cost a stat. Symbolic links are neither followed nor read. */
static unsigned char entryType(int folder, const struct dirent* entry) {
    if (entry->d_type != DT_UNKNOWN) {
        return entry->d_type;
    }
    struct stat info;
    if (fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return DT_UNKNOWN;
    }
    return S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
}

static int isDotOrDotDot(const char* name) {
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

/* Takes ownership of folderFd. Descends depth first, so at most one open
 * folder per level. */
static void readTree(int folderFd) {
    DIR* folder = fdopendir(folderFd);
    if (folder == NULL) {
        close(folderFd);
        return;
    }
    const struct dirent* entry;
    while ((entry = readdir(folder)) != NULL) {
        unsigned char type = entryType(dirfd(folder), entry);
        if (type == DT_REG) {
            readFile(dirfd(folder), entry->d_name);
        } else if (type == DT_DIR && !isDotOrDotDot(entry->d_name)) {
            int sub = openat(dirfd(folder), entry->d_name, O_RDONLY | O_DIRECTORY);
            if (sub >= 0) {
                readTree(sub);
            }
        }
    }
    closedir(folder);
}

int main(int argc, char** argv) {
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        int root = open(argv[i], O_RDONLY | O_DIRECTORY);
        if (root < 0) {
            perror(argv[i]);
            status = 1;
            continue;
        }
        readTree(root);
    }
    return status;
}
