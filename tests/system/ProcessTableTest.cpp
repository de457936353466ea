// The process list read from a folder laid out like /proc, where each entry
// is a case: a process that is gone by the time its stat is read must be
// skipped, never stop the listing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ProcessTable.h"

namespace fs = std::filesystem;

namespace {

TEST(ProcessTable, ListsLiveProcessesAndSkipsWhatEndedWhileItReads) {
    const fs::path proc = fs::path(::testing::TempDir()) / "zvproc";
    fs::remove_all(proc);
    auto stat = [&](const std::string& pid, const std::string& text) {
        fs::create_directories(proc / pid);
        std::ofstream(proc / pid / "stat") << text;
    };
    stat("1", "1 (init) S 0 1");
    fs::create_symlink("/opt/Client/ClientVorix.exe (deleted)", proc / "1" / "exe");
    // A stat that fails to read, as one of a process that has just ended does.
    fs::create_directories(proc / "2" / "stat");
    stat("3", "3 (zumbi) Z 1 3");
    fs::create_directories(proc / "4");                  // gone before its stat was opened
    stat("5", "5 (a) b) R 1 5");                         // a short name with a parenthesis
    stat("6", "6 (trunca");                               // cut short
    stat("self", "7 (x) R 1");
    stat("99999999999", "8 (x) R 1");                    // beyond a process id
    const auto lista = zvsys::ReadProcessTable(proc.string());
    ASSERT_TRUE(lista.has_value());
    std::vector<std::string> vistos;
    for (const auto& p : *lista) vistos.push_back(std::to_string(p.id) + ":" + p.exeFile);
    std::sort(vistos.begin(), vistos.end());
    EXPECT_EQ(vistos, (std::vector<std::string>{"1:ClientVorix.exe", "5:a) b"}));
    EXPECT_FALSE(zvsys::ReadProcessTable((proc / "nada").string()).has_value());
    fs::remove_all(proc);
}

}  // namespace
