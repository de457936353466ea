#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "profile/FileIo.h"
#include "system/PortableSystem.h"

namespace fs = std::filesystem;
using namespace zvsys;

namespace {

class Portable : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "zvsysXXXXXX").string();
        root_ = ::mkdtemp(tmpl.data());
        fs::create_directories(root_ + "/C/Windows/System32");
        fs::create_directories(root_ + "/C/Client");
        sys_ = std::make_unique<PortableSystem>(root_);
    }
    void TearDown() override {
        sys_.reset();
        fs::remove_all(root_);
    }
    void Put(const std::string& rel, const std::string& bytes, bool exec = false) {
        const fs::path p = fs::path(root_) / rel;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        if (exec) fs::permissions(p, fs::perms::owner_all, fs::perm_options::add);
    }
    std::string Get(const std::string& rel) { return profile::LoadFile(root_ + "/" + rel).value_or("<missing>"); }

    std::string root_;
    std::unique_ptr<PortableSystem> sys_;
};

TEST_F(Portable, FilesFollowWindowsSemantics) {
    Put("C/Client/a.ini", "A");
    Put("C/Client/b.ini", "B");
    EXPECT_EQ(sys_->WindowsDirectory(), "C:\\Windows");
    EXPECT_TRUE(sys_->FileExists("C:\\Client\\a.ini"));
    EXPECT_FALSE(sys_->FileExists("C:\\Client"));
    EXPECT_TRUE(sys_->DirectoryExists("C:\\Client"));
    // A rename never replaces an existing file.
    EXPECT_FALSE(sys_->MoveFile("C:\\Client\\a.ini", "C:\\Client\\b.ini"));
    EXPECT_EQ(Get("C/Client/b.ini"), "B");
    EXPECT_TRUE(sys_->MoveFile("C:\\Client\\a.ini", "C:\\Client\\c.ini"));
    EXPECT_EQ(Get("C/Client/c.ini"), "A");
    EXPECT_FALSE(sys_->FileExists("C:\\Client\\a.ini"));
    // Copy: refused onto an existing file when asked, else replaces it whole.
    EXPECT_FALSE(sys_->CopyFile("C:\\Client\\c.ini", "C:\\Client\\b.ini", true));
    EXPECT_TRUE(sys_->CopyFile("C:\\Client\\c.ini", "C:\\Client\\b.ini", false));
    EXPECT_EQ(Get("C/Client/b.ini"), "A");
    EXPECT_FALSE(sys_->CopyFile("C:\\Client\\none.ini", "C:\\Client\\d.ini", false));
    EXPECT_FALSE(sys_->FileExists("C:\\Client\\d.ini"));
    EXPECT_FALSE(sys_->DeleteFile("C:\\Client"));
    EXPECT_TRUE(sys_->DeleteFile("C:\\Client\\b.ini"));
    EXPECT_FALSE(sys_->DeleteFile("C:\\Client\\b.ini"));
    EXPECT_TRUE(sys_->WriteFile("C:\\Client\\w.ini", "W"));
    EXPECT_EQ(sys_->ReadFile("C:\\Client\\w.ini"), std::optional<std::string>("W"));
    EXPECT_FALSE(sys_->WriteFile("C:\\Nada\\w.ini", "W"));
}

TEST_F(Portable, ShellCopyCopiesTheTreeAndNestsIntoAnExistingFolder) {
    Put("C/Client/a.ini", "A");
    Put("C/Client/Req/x", "X");
    EXPECT_EQ(sys_->ShellCopyFolder("C:\\Client", "C:\\Client_20240131", 0x150), 0);
    EXPECT_EQ(Get("C/Client_20240131/a.ini"), "A");
    EXPECT_EQ(Get("C/Client_20240131/Req/x"), "X");
    EXPECT_EQ(sys_->ShellCopyFolder("C:\\Client", "C:\\Client_20240131", 0x150), 0);
    EXPECT_EQ(Get("C/Client_20240131/Client/Req/x"), "X");
    EXPECT_NE(sys_->ShellCopyFolder("C:\\Nada", "C:\\Nada_1", 0x150), 0);
    // Never into itself, however the names are written.
    for (const char* destino : {"C:\\Client\\_20240131", "C:\\Client\\", "c:\\client\\..\\Client\\Req\\x"}) {
        EXPECT_NE(sys_->ShellCopyFolder("C:\\Client\\", destino, 0x150), 0) << destino;
    }
    EXPECT_NE(sys_->ShellCopyFolder("C:\\", "C:\\_20240131", 0x150), 0);
    EXPECT_FALSE(fs::exists(root_ + "/C/Client/_20240131"));
    EXPECT_FALSE(fs::exists(root_ + "/C/_20240131"));
    EXPECT_FALSE(fs::exists(root_ + "/C/Client/Req/x/Client"));
}

// A link inside the folder is copied as a link, never followed out of it (one
// to the parent would copy the whole drive into the copy); files and folders
// keep their modification times.
TEST_F(Portable, ShellCopyCopiesLinksAsLinksAndKeepsModificationTimes) {
    Put("C/Client/a.ini", "A");
    Put("C/Client/Sub/b.ini", "B");
    Put("C/Windows/win.ini", "W");
    fs::create_directory_symlink("../Windows", root_ + "/C/Client/pai");
    fs::create_symlink(root_ + "/C/Windows/win.ini", root_ + "/C/Client/win.ini");
    const auto antiga = fs::last_write_time(root_ + "/C/Client/a.ini") - std::chrono::hours(24 * 400);
    fs::last_write_time(root_ + "/C/Client/a.ini", antiga);
    fs::last_write_time(root_ + "/C/Client/Sub", antiga);
    std::vector<std::string> fora;
    EXPECT_EQ(sys_->ShellCopyFolder("C:\\Client", "C:\\Copia", 0x150, &fora), 0);
    EXPECT_TRUE(fora.empty());
    std::vector<std::string> copiados;
    for (const auto& e : fs::recursive_directory_iterator(root_ + "/C/Copia")) {
        copiados.push_back(e.path().string().substr(root_.size()));
    }
    std::sort(copiados.begin(), copiados.end());
    EXPECT_EQ(copiados, (std::vector<std::string>{"/C/Copia/Sub", "/C/Copia/Sub/b.ini", "/C/Copia/a.ini", "/C/Copia/pai",
                                                  "/C/Copia/win.ini"}));
    EXPECT_EQ(fs::read_symlink(root_ + "/C/Copia/pai"), "../Windows");
    EXPECT_TRUE(fs::is_symlink(root_ + "/C/Copia/win.ini"));
    EXPECT_EQ(fs::last_write_time(root_ + "/C/Copia/a.ini"), antiga);
    EXPECT_EQ(fs::last_write_time(root_ + "/C/Copia/Sub"), antiga);
}

TEST_F(Portable, ReadOnlyFilesAreNeitherDeletedNorReplaced) {
    Put("C/Client/a.ini", "A");
    fs::permissions(root_ + "/C/Client/a.ini", fs::perms::owner_read);
    EXPECT_FALSE(sys_->DeleteFile("C:\\Client\\a.ini"));
    EXPECT_FALSE(sys_->WriteFile("C:\\Client\\a.ini", "B"));
    EXPECT_FALSE(sys_->CopyFile("C:\\Client\\a.ini", "C:\\Client\\a.ini", false));
    EXPECT_EQ(Get("C/Client/a.ini"), "A");
}

TEST_F(Portable, UninstallKeyIsAFolderOfSubkeysWithTheirValues) {
    EXPECT_FALSE(sys_->UninstallSubkeys().has_value());
    const std::string key = "registry/HKLM/SOFTWARE/Microsoft/Windows/CurrentVersion/Uninstall/";
    Put(key + "{B-2}/values.ini", "[values]\r\nDisplayName=Cliente Vorix Modular\r\n");
    Put(key + "a-1/values.ini", "[values]\r\nPublisher=x\r\n");
    EXPECT_EQ(sys_->UninstallSubkeys(), (std::vector<std::string>{"a-1", "{B-2}"}));
    EXPECT_EQ(sys_->UninstallValue("{B-2}", "DisplayName"), std::optional<std::string>("Cliente Vorix Modular"));
    EXPECT_FALSE(sys_->UninstallValue("a-1", "DisplayName").has_value());
    EXPECT_FALSE(sys_->UninstallValue("..", "DisplayName").has_value());
}

TEST_F(Portable, StartsProgramsThroughTheDriveMapWithTheWholeCommandLine) {
    Put("C/Windows/System32/eco.exe", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$1\"\nprintf '%s' \"$ZV_COMMAND_LINE\" >> \"$1\"\n",
        true);
    const std::string out = root_ + "/out.txt";
    const std::string line = "eco.exe " + out + " \"a b\" c\\\"d";
    const auto p = sys_->StartProcess(line);
    ASSERT_TRUE(p.has_value());
    WaitResult r;
    while ((r = sys_->WaitForProcess(*p, 1000)) == WaitResult::Timeout) {
    }
    EXPECT_EQ(r, WaitResult::Ended);
    EXPECT_EQ(sys_->WaitForProcess(*p, 0), WaitResult::Ended);
    sys_->CloseProcess(*p);
    EXPECT_EQ(profile::LoadFile(out).value_or(""), out + "|a b|c\"d|" + line);
    EXPECT_FALSE(sys_->StartProcess("naoexiste.exe /x").has_value());
    EXPECT_FALSE(sys_->StartProcess("C:\\Windows\\naoexiste.exe").has_value());
    EXPECT_FALSE(sys_->StartProcess("").has_value());
    EXPECT_TRUE(sys_->CanStart("\"eco.exe\" /x"));
    EXPECT_FALSE(sys_->CanStart("naoexiste.exe /x"));
    EXPECT_FALSE(sys_->CanStart(""));
}

TEST_F(Portable, SnapshotShowsTheExecutableNameAndTerminateEndsIt) {
    const char* sleepPaths[] = {"/bin/sleep", "/usr/bin/sleep"};
    std::string sleepBin;
    for (const char* s : sleepPaths) {
        if (fs::exists(s)) sleepBin = s;
    }
    ASSERT_FALSE(sleepBin.empty());
    const std::string exe = root_ + "/C/Client/cLiEnTvOrIx.exe";
    fs::copy_file(sleepBin, exe);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(exe.c_str(), exe.c_str(), "120", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(pid, 0);
    // The child's own name shows once it has replaced the forked copy of this test.
    bool found = false;
    while (!found) {
        const auto snap = sys_->ProcessSnapshot();
        ASSERT_TRUE(snap.has_value());
        for (const auto& p : *snap) {
            if (p.id == static_cast<uint32_t>(pid) && p.exeFile == "cLiEnTvOrIx.exe") found = true;
        }
    }
    EXPECT_TRUE(sys_->TerminateProcess(static_cast<uint32_t>(pid), 0));
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status));
    const auto after = sys_->ProcessSnapshot();
    ASSERT_TRUE(after.has_value());
    for (const auto& p : *after) EXPECT_NE(p.id, static_cast<uint32_t>(pid));
}

TEST_F(Portable, FolderDialogAsksThePromptAndCancelsWithoutOne) {
    EXPECT_FALSE(sys_->BrowseForFolder("t", "C:", 1000).has_value());
    std::string seen;
    sys_->SetFolderPrompt([&](const std::string& title, const std::string& start) -> std::optional<std::string> {
        seen = title + "|" + start;
        return std::string("C:\\Outra");
    });
    EXPECT_EQ(sys_->BrowseForFolder("t", "C:", 1000), std::optional<std::string>("C:\\Outra"));
    EXPECT_EQ(seen, "t|C:");
}

}  // namespace
