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

// Forks a starter that fills 300 MB and then becomes the client; its
// standard error goes to `errPath`. The exit status, or -1.
int RunFromBigStarter(const std::vector<std::string>& args, const std::string& errPath) {
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (err < 0) return -1;
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        void* block = ::mmap(nullptr, kStarterBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) ::_exit(125);
        std::memset(block, 1, kStarterBytes);  // resident, not just reserved
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
    const std::string err = (std::filesystem::temp_directory_path() / ("zv-peak-" + std::to_string(::getpid()))).string();
    const std::string scenarios = ZV_SCENARIOS_DIR;
    const int status = RunFromBigStarter({ClientProgram(), scenarios + "/venda-a-vista.toml", "--script",
                                          scenarios + "/venda-a-vista.txt", "--timings"},
                                         err);
    const std::string printed = ReadText(err);
    std::filesystem::remove(err);
    ASSERT_EQ(status, 0) << printed;
    const auto brace = printed.rfind("{\"load_initialize_us\"");
    ASSERT_NE(brace, std::string::npos) << printed;
    const auto timings = nlohmann::json::parse(printed.substr(brace, printed.find('\n', brace) - brace));
    const long peakKb = timings.at("peak_rss_kb").get<long>();
    EXPECT_GT(peakKb, 0);
    EXPECT_LT(peakKb, 10 * 1024) << "the starter held 300 MB";
}

}  // namespace
}  // namespace e2e
