// Starts a program and writes the largest resident set it had, in KiB, to a file; exits as it did.
// kelmora_bench measures peak memory through it: Linux counts into a started program's peak the
// memory it shared with the process that started it until it became that program, and the
// benchmark holds far more than a small save needs. This one holds next to nothing.
//
//     kelmora_bench_peak REPORTFILE PROGRAM [ARGUMENT...]
#include <cstdio>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "Usage: %s REPORTFILE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::perror(argv[2]);
        return 125;
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return 125;
    }
    std::FILE* report = std::fopen(argv[1], "w");
    if (!report || std::fprintf(report, "%ld\n", usage.ru_maxrss) < 0 || std::fclose(report) != 0) {
        std::perror(argv[1]);
        return 125;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 125;
}
