// Runs a program and prints its peak resident memory: a small parent, so
// that the figure is the program's own (a child forked from a large process,
// as a script's is, counts its parent's pages until it runs its program).
//   peak_rss PROGRAM [ARGUMENT...]   -> "peak_rss_kib N" on standard error
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: peak_rss PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[1], argv + 1);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return 126;
    std::fprintf(stderr, "peak_rss_kib %ld\n", usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
