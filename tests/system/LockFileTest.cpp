// The lock file: one holder at a time, within a process and across processes,
// let go when its holder is killed, and never opened through a link or a
// second name of another file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "port/LockFile.h"
#include "profile/FileIo.h"

namespace fs = std::filesystem;
using port::LockFile;

namespace {

class Trava : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modelo = (fs::temp_directory_path() / "zvlockXXXXXX").string();
        pasta_ = ::mkdtemp(modelo.data());
        arquivo_ = pasta_ + "/Instala.trava";
    }
    void TearDown() override { fs::remove_all(pasta_); }
    std::string pasta_, arquivo_;
};

TEST_F(Trava, OneHolderAtATimeAndTheFileGoesWithIt) {
    {
        const LockFile primeira = LockFile::Take(arquivo_);
        ASSERT_EQ(primeira.GetState(), LockFile::State::Held);
        EXPECT_FALSE(primeira.TakenOver());
        const LockFile segunda = LockFile::Take(arquivo_);
        EXPECT_EQ(segunda.GetState(), LockFile::State::Busy);
        EXPECT_EQ(segunda.Other(), static_cast<uint32_t>(::getpid()));
    }
    EXPECT_FALSE(fs::exists(arquivo_));
    EXPECT_EQ(LockFile::Take(arquivo_).GetState(), LockFile::State::Held);
}

TEST_F(Trava, AHolderThatWasKilledLetsGoAndIsNamedByTheNext) {
    int pronto[2];
    ASSERT_EQ(::pipe(pronto), 0);
    const pid_t filho = ::fork();
    if (filho == 0) {
        const LockFile lock = LockFile::Take(arquivo_);
        (void)!::write(pronto[1], lock.GetState() == LockFile::State::Held ? "1" : "0", 1);
        ::pause();
        ::_exit(0);
    }
    char estado = 0;
    ASSERT_EQ(::read(pronto[0], &estado, 1), 1);
    ASSERT_EQ(estado, '1');
    const LockFile ocupada = LockFile::Take(arquivo_);
    EXPECT_EQ(ocupada.GetState(), LockFile::State::Busy);
    EXPECT_EQ(ocupada.Other(), static_cast<uint32_t>(filho));
    ::kill(filho, SIGKILL);
    ::waitpid(filho, nullptr, 0);
    const LockFile assumida = LockFile::Take(arquivo_);
    EXPECT_EQ(assumida.GetState(), LockFile::State::Held);
    EXPECT_TRUE(assumida.TakenOver());
    EXPECT_EQ(assumida.Other(), static_cast<uint32_t>(filho));
    ::close(pronto[0]);
    ::close(pronto[1]);
}

// A lock that cannot be written (a full disk; here no file may grow) is
// refused and leaves no empty file behind.
TEST_F(Trava, OneThatCannotBeWrittenLeavesNoFile) {
    const pid_t filho = ::fork();
    if (filho == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit nada{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &nada);
        ::_exit(LockFile::Take(arquivo_).GetState() == LockFile::State::Refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(filho, &status, 0), filho);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(arquivo_));
}

TEST_F(Trava, NeverThroughALinkOrASecondNameOfAnotherFile) {
    const std::string alvo = pasta_ + "/sistema.ini";
    std::ofstream(alvo) << "[sistema]\n";
    fs::create_symlink(alvo, arquivo_);
    EXPECT_EQ(LockFile::Take(arquivo_).GetState(), LockFile::State::Refused);
    fs::remove(arquivo_);
    fs::create_hard_link(alvo, arquivo_);
    EXPECT_EQ(LockFile::Take(arquivo_).GetState(), LockFile::State::Refused);
    EXPECT_EQ(profile::LoadFile(alvo), std::optional<std::string>("[sistema]\n"));
}

}  // namespace
