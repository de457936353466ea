// --timings reports the client's own peak memory, whatever started it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "ClientRun.h"

namespace e2e {
namespace {

constexpr size_t kStarterBytes = size_t{300} << 20;
constexpr long kOwnPeakKb = 10 * 1024;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's shadow memory is the client's own too
#else
constexpr bool kSanitized = false;
#endif

// Forks a starter that fills `bytes` and then becomes the client; its
// standard error goes to `errPath`. The exit status, or -1.
int RunFromStarter(size_t bytes, const std::vector<std::string>& args, const std::string& errPath) {
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (err < 0) return -1;
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (bytes > 0) {
            void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (block == MAP_FAILED) ::_exit(125);
            std::memset(block, 1, bytes);  // resident, not just reserved
        }
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        ::dup2(err, 1);
        ::dup2(err, 2);
        ::execv(argv[0], argv.data());
        ::_exit(126);
    }
    ::close(err);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(PeakMemory, TimingsReportTheClientsOwnPeakNotItsStarters) {
    if (const char* runner = std::getenv("ZV_E2E_RUNNER"); runner && *runner)
        GTEST_SKIP() << "the starter's memory is a Linux process's; a client under a runner has its own";
    const std::string scenarios = ZV_SCENARIOS_DIR;
    const auto peakKb = [&](size_t starterBytes) -> long {
        const std::string err =
            (std::filesystem::temp_directory_path() / ("zv-peak-" + std::to_string(::getpid()))).string();
        const int status = RunFromStarter(starterBytes, {ClientProgram(), scenarios + "/venda-a-vista.toml", "--script",
                                                         scenarios + "/venda-a-vista.txt", "--timings"},
                                          err);
        const std::string printed = ReadText(err);
        std::filesystem::remove(err);
        EXPECT_EQ(status, 0) << printed;
        const auto brace = printed.rfind("{\"load_initialize_us\"");
        if (brace == std::string::npos) {
            ADD_FAILURE() << printed;
            return -1;
        }
        return nlohmann::json::parse(printed.substr(brace, printed.find('\n', brace) - brace))
            .at("peak_rss_kb")
            .get<long>();
    };
    const long alone = peakKb(0);
    const long fromBig = peakKb(kStarterBytes);
    EXPECT_GT(alone, 0);
    // Started from 300 MB, the client reports what it reports on its own.
    EXPECT_LT(fromBig, alone + kOwnPeakKb) << "the starter held 300 MB";
    if (!kSanitized) {
        EXPECT_LT(fromBig, kOwnPeakKb);
    }
}

}  // namespace
}  // namespace e2e
