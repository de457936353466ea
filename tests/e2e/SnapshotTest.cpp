// clientvorix --snapshot: a picture of every screen and box the run showed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "ClientRun.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return fs::temp_directory_path() / ("clientvorix-snapshots-" + std::to_string(stamp));
}

std::vector<std::string> Pictures(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Snapshot, EveryScreenAndBoxOfTheRunIsPicturedInTheOrderShown) {
    const fs::path folder = FreshFolder() / "new";  // made by the program
    // Option 1 of the administrative credit menu on an empty amount: the
    // screen refuses it in a box, then the operator gives up.
    const auto run = ClientRun::Execute(ReadText(std::string(ZV_SCENARIOS_DIR) + "/consulta-parcelas.toml"),
                                        "type 1\nclick btConfirma\nanswer ok\nclick btRetorna\nclick spEncerra\n",
                                        {"--snapshot", folder.string()});
    ASSERT_EQ(run.ExitStatus(), 0) << run.Stderr();
    ASSERT_EQ(run.BoxTexts().size(), 1u);
    EXPECT_EQ(Pictures(folder), (std::vector<std::string>{"001-FrmCredAdm_Mnu.svg", "002-FrmCon_AdmCrdPar.svg",
                                                          "003-FrmCon_AdmCrdPar-box.svg", "004-FrmCon_AdmCrdPar.svg",
                                                          "005-FrmCredAdm_Mnu.svg"}));
    const std::string box = ReadText((folder / "003-FrmCon_AdmCrdPar-box.svg").string());
    EXPECT_NE(box.find(run.BoxTexts()[0]), std::string::npos) << "the box's own text, under its caption";
    fs::remove_all(folder.parent_path());
}

TEST(Snapshot, FolderThatCannotBeWrittenStopsTheRunBeforeAnythingIsShown) {
    const fs::path file = FreshFolder();
    std::ofstream(file) << "a file, not a folder";
    const auto run = ClientRun::Execute("entry = \"ExecutaVenda\"\n", "", {"--snapshot", (file / "pictures").string()});
    EXPECT_EQ(run.ExitStatus(), 2);
    EXPECT_NE(run.Stderr().find("snapshot folder"), std::string::npos) << run.Stderr();
    EXPECT_TRUE(run.Forms("show").empty());
    fs::remove(file);
}

}  // namespace
}  // namespace e2e
