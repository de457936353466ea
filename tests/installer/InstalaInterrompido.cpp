// Instala for the kill tests: the same program over a system layer that kills
// its own process (SIGKILL) just before its n-th change of a file or start of a
// program, n taken from ZV_INTERROMPE_NA. A write it stops leaves a half-written
// temporary, as a kill inside the write would. With ZV_PAUSA_NA=n it pauses
// there instead: it creates "pausado" in the drive root and goes on once
// "continua" appears there (a second run can be started meanwhile). Built only
// with the tests: the Instala a till receives has no such switch.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "Programa.h"
#include "SelecionaPasta.h"
#include "system/PortableSystem.h"

namespace {

class SistemaInterrompido : public zvsys::PortableSystem {
public:
    SistemaInterrompido(const std::string& raiz, int alvo, int pausa)
        : PortableSystem(raiz), alvo_(alvo), pausa_(pausa) {}

    bool WriteFileParts(const std::string& p, const std::vector<std::string_view>& b) override {
        std::string bytes;
        for (const auto parte : b) bytes += parte;
        Muda(p, bytes);
        return PortableSystem::WriteFileParts(p, b);
    }
    bool WriteFileFrom(const std::string& p, const port::PartSource& b) override {
        Muda(p, "");
        return PortableSystem::WriteFileFrom(p, b);
    }
    bool CopyFile(const std::string& de, const std::string& para, bool f) override {
        Muda(para, ReadFile(de).value_or(""));
        return PortableSystem::CopyFile(de, para, f);
    }
    bool MoveFile(const std::string& de, const std::string& para) override {
        Muda();
        return PortableSystem::MoveFile(de, para);
    }
    bool DeleteFile(const std::string& p) override {
        Muda();
        return PortableSystem::DeleteFile(p);
    }
    int ShellCopyFolder(const std::string& de, const std::string& para, uint32_t f,
                        std::vector<std::string>* fora = nullptr) override {
        Muda();
        return PortableSystem::ShellCopyFolder(de, para, f, fora);
    }
    std::optional<zvsys::ProcessHandle> StartProcess(const std::string& linha) override {
        Muda();
        return PortableSystem::StartProcess(linha);
    }

private:
    void Muda(const std::string& escrito = "", const std::string& bytes = "") {
        ++mudancas_;
        if (mudancas_ == pausa_) Pausa();
        if (mudancas_ != alvo_) return;
        if (!escrito.empty()) {
            std::string temporario = Map().ToLocal(escrito) + ".zvtmp.XXXXXX";
            const int fd = ::mkstemp(temporario.data());
            if (fd >= 0) {
                (void)!::write(fd, bytes.data(), bytes.size() / 2);
                ::close(fd);
            }
        }
        ::kill(::getpid(), SIGKILL);
    }

    void Pausa() {
        const std::string pausado = Map().Root() + "/pausado", continua = Map().Root() + "/continua";
        ::close(::open(pausado.c_str(), O_CREAT | O_WRONLY, 0644));
        while (::access(continua.c_str(), F_OK) != 0) ::usleep(5000);
    }

    int alvo_;
    int pausa_;
    int mudancas_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const char* alvo = std::getenv("ZV_INTERROMPE_NA");
    const char* pausa = std::getenv("ZV_PAUSA_NA");
    const int n = alvo ? std::atoi(alvo) : 0;
    const int p = pausa ? std::atoi(pausa) : 0;
    return instala::ExecutaPrograma(
        argc, argv, [n, p](const std::string& raiz) -> std::unique_ptr<zvsys::System> {
            auto sistema = std::make_unique<SistemaInterrompido>(raiz, n, p);
            sistema->SetFolderPrompt(instala::SelecionaPasta);
            return sistema;
        });
}
