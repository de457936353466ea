#pragma once
// Doubles for the installer's tests: a system over a scratch drive root whose
// processes, clock, dialog and faults the test decides, and an operator that
// answers from a list and remembers what it was shown.
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "Operador.h"
#include "Rascunho.h"
#include "profile/FileIo.h"
#include "system/PortableSystem.h"

namespace instalatest {

using namespace instala;

enum class Operacao { Copia, Renomeia, Apaga, Grava, Inicia, CopiaPasta };

// Thrown where the process would have been killed: nothing after it runs.
struct Interrupcao {};

class SistemaTeste : public zvsys::PortableSystem {
public:
    explicit SistemaTeste(const std::string& raiz) : PortableSystem(raiz), raiz_(raiz) {}

    // Fault injection: the n-th call (1-based) of an operation fails.
    void FalhaNa(Operacao op, int n) { falhas_[op] = n; }
    // A kill: the n-th call of any operation that changes something throws Interrupcao instead.
    void InterrompeNa(int n) { interrompeNa_ = n; }
    int Chamadas(Operacao op) const { auto it = contagem_.find(op); return it == contagem_.end() ? 0 : it->second; }

    std::vector<zvsys::ProcessEntry> processos;
    std::vector<uint32_t> terminados;
    bool terminarFalha = false;
    std::vector<std::string> linhasIniciadas;
    // What a started program does, by its first word; without an entry it cannot start.
    std::map<std::string, std::function<void(const std::string& linha)>> programas;
    // Programs missing from the machine: they can neither be found nor started.
    std::set<std::string> ausentes;
    // Programs that are there but fail to start.
    std::set<std::string> naoIniciam;
    // Programs whose wait fails (the platform's wait reports an error).
    std::set<std::string> esperaFalha;
    // A read of this file runs out of memory.
    std::string semMemoriaAoLer;
    // A read of this file fails.
    std::string ilegivel;
    std::optional<std::string> pastaEscolhida;
    std::vector<std::string> dialogos;
    std::string pastaPrograma = "C:\\Instalador";

    std::string ProgramFolder() override { return pastaPrograma; }
    bool CopyFile(const std::string& a, const std::string& b, bool f) override {
        return !Falha(Operacao::Copia) && PortableSystem::CopyFile(a, b, f);
    }
    bool MoveFile(const std::string& a, const std::string& b) override {
        return !Falha(Operacao::Renomeia) && PortableSystem::MoveFile(a, b);
    }
    bool DeleteFile(const std::string& p) override { return !Falha(Operacao::Apaga) && PortableSystem::DeleteFile(p); }
    bool WriteFileParts(const std::string& p, const std::vector<std::string_view>& b) override {
        return !Falha(Operacao::Grava) && PortableSystem::WriteFileParts(p, b);
    }
    bool WriteFileFrom(const std::string& p, const port::PartSource& b) override {
        return !Falha(Operacao::Grava) && PortableSystem::WriteFileFrom(p, b);
    }
    int ShellCopyFolder(const std::string& de, const std::string& para, uint32_t f,
                        std::vector<std::string>* fora = nullptr) override {
        return Falha(Operacao::CopiaPasta) ? 5 : PortableSystem::ShellCopyFolder(de, para, f, fora);
    }
    std::optional<std::vector<zvsys::ProcessEntry>> ProcessSnapshot() override { return processos; }
    bool TerminateProcess(uint32_t id, uint32_t) override {
        if (terminarFalha) return false;
        terminados.push_back(id);
        return true;
    }
    std::optional<zvsys::ProcessHandle> StartProcess(const std::string& linha) override {
        linhasIniciadas.push_back(linha);
        const std::string programa = Programa(linha);
        auto it = programas.find(programa);
        if (Falha(Operacao::Inicia) || it == programas.end() || ausentes.count(programa) != 0 ||
            naoIniciam.count(programa) != 0) {
            return std::nullopt;
        }
        it->second(linha);
        return zvsys::ProcessHandle{linhasIniciadas.size()};
    }
    bool CanStart(const std::string& linha) override {
        return programas.count(Programa(linha)) != 0 && ausentes.count(Programa(linha)) == 0;
    }
    zvsys::WaitResult WaitForProcess(zvsys::ProcessHandle p, uint32_t) override {
        const bool falha = p.value >= 1 && p.value <= linhasIniciadas.size() &&
                           esperaFalha.count(Programa(linhasIniciadas[p.value - 1])) != 0;
        return falha ? zvsys::WaitResult::Failed : zvsys::WaitResult::Ended;
    }
    std::optional<std::string> ReadFile(const std::string& p) override {
        if (!semMemoriaAoLer.empty() && p == semMemoriaAoLer) throw std::bad_alloc();
        if (!ilegivel.empty() && p == ilegivel) return std::nullopt;
        return PortableSystem::ReadFile(p);
    }
    std::optional<std::string> ReadFilePart(const std::string& p, uint64_t inicio, size_t tamanho) override {
        if (!semMemoriaAoLer.empty() && p == semMemoriaAoLer) throw std::bad_alloc();
        if (!ilegivel.empty() && p == ilegivel) return std::nullopt;
        return PortableSystem::ReadFilePart(p, inicio, tamanho);
    }
    void CloseProcess(zvsys::ProcessHandle) override {}
    // Started programs are named by their turn; those in `rodando` have not ended.
    std::set<std::string> rodando;
    bool instaladorOcupado = false;
    std::string ProcessIdentity(zvsys::ProcessHandle p) override { return std::to_string(p.value) + ":7"; }
    bool MayStillRun(const std::string& identidade) override { return rodando.count(identidade) != 0; }
    bool InstallerBusy(const std::string&) override { return instaladorOcupado; }
    std::optional<std::string> BrowseForFolder(const std::string& t, const std::string& r, uint32_t h) override {
        dialogos.push_back(t + "|" + r + "|" + std::to_string(h));
        return pastaEscolhida;
    }
    void Sleep(uint32_t) override {}
    zvsys::Date Today() override { return {2024, 1, 31}; }

    // Files of the scratch drive, by Windows path.
    void Poe(const std::string& caminho, const std::string& conteudo) {
        const std::filesystem::path p = Map().ToLocal(caminho);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << conteudo;
    }
    std::string Le(const std::string& caminho) { return profile::LoadFile(Map().ToLocal(caminho)).value_or("<sem arquivo>"); }
    bool Existe(const std::string& caminho) { return std::filesystem::exists(Map().ToLocal(caminho)); }

private:
    static std::string Programa(const std::string& linha) { return linha.substr(0, linha.find(' ')); }
    bool Falha(Operacao op) {
        if (++mudancas_ == interrompeNa_) throw Interrupcao{};
        const int n = ++contagem_[op];
        auto it = falhas_.find(op);
        return it != falhas_.end() && it->second == n;
    }
    std::string raiz_;
    std::map<Operacao, int> falhas_;
    std::map<Operacao, int> contagem_;
    int interrompeNa_ = 0;
    int mudancas_ = 0;
};

struct Caixa {
    std::string texto, titulo;
    uint32_t flags;
};

class OperadorTeste : public Operador {
public:
    std::vector<int> respostas;  // taken in order; afterwards IDYES / IDOK
    std::vector<Caixa> caixas;
    std::vector<std::string> mensagens;
    std::vector<EstadoJanela> estados;
    std::vector<std::string> registro;
    int frente = 0;

    int MessageBox(const std::string& t, const std::string& c, uint32_t f) override {
        caixas.push_back({t, c, f});
        if (!respostas.empty()) {
            const int r = respostas.front();
            respostas.erase(respostas.begin());
            return r;
        }
        return (f & 0xF) == kMbYesNo ? kIdYes : kIdOk;
    }
    void MostraMensagem(const std::string& t) override { mensagens.push_back(t); }
    void ProcessaMensagens() override {}
    void DefineEstado(EstadoJanela e) override { estados.push_back(e); }
    void TrazParaFrente() override { ++frente; }
    void Registra(const std::string& t) override { registro.push_back(t); }
};

// Every file under a folder with its content, every link with its target:
// what "nothing changed" compares.
inline std::map<std::string, std::string> Arvore(const std::string& pasta) {
    std::map<std::string, std::string> arvore;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(pasta, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        const std::string nome = it->path().string().substr(pasta.size());
        if (it->is_symlink()) {
            arvore[nome] = "-> " + std::filesystem::read_symlink(it->path(), ec).string();
        } else if (it->is_regular_file()) {
            arvore[nome] = profile::LoadFile(it->path().string()).value_or("<ilegivel>");
        } else {
            arvore[nome] = "<pasta>";
        }
    }
    return arvore;
}

// A scratch folder removed at the end of the test.
class PastaTemporaria {
public:
    PastaTemporaria() : caminho_(NovaPastaRascunho("zvinst")) {}
    ~PastaTemporaria() { RemovePastaRascunho(caminho_); }
    const std::string& Caminho() const { return caminho_; }

private:
    std::string caminho_;
};

}  // namespace instalatest
