/* Runs one command and reports its wall time, CPU time, peak resident set and
 * exit code.
 *
 * Why a separate small process: Linux starts a new process's peak RSS
 * (ru_maxrss) from the RSS of the process it was forked from and keeps it
 * across exec, so every command started straight from the Python harness
 * would show the harness's own 15 MiB or so. Forked from this program it
 * starts from well under 1 MiB.
 *
 * Usage: run_measured COMMAND [ARG...]
 * Standard input, output and error are passed on to the command. The result
 * line "<wall seconds> <user+system seconds> <peak RSS KiB> <exit code>" is
 * written to file descriptor 3; the exit code is negative for a signal and
 * 127 when the command could not be started. Exit code 0, or 2 on failure. */
#define _DEFAULT_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { RESULT_FD = 3, NOT_STARTED = 127 };

static double seconds(struct timespec from, struct timespec to) {
    return (double)(to.tv_sec - from.tv_sec) + (double)(to.tv_nsec - from.tv_nsec) / 1e9;
}

static double cpuSeconds(const struct rusage* usage) {
    const struct timeval* parts[] = {&usage->ru_utime, &usage->ru_stime};
    double total = 0;
    for (int i = 0; i < 2; ++i) {
        total += (double)parts[i]->tv_sec + (double)parts[i]->tv_usec / 1e6;
    }
    return total;
}

int main(int argc, char** argv) {
    if (argc < 2 || fcntl(RESULT_FD, F_SETFD, FD_CLOEXEC) != 0) {
        fputs("usage: run_measured COMMAND [ARG...]  (result on descriptor 3)\n", stderr);
        return 2;
    }
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        perror(argv[1]);
        _exit(NOT_STARTED);
    }
    int status = 0;
    struct rusage usage;
    if (pid < 0 || wait4(pid, &status, 0, &usage) < 0) {
        perror("run_measured");
        return 2;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    dprintf(RESULT_FD, "%.6f %.6f %ld %d\n", seconds(start, end), cpuSeconds(&usage),
            usage.ru_maxrss, code);
    return 0;
}
