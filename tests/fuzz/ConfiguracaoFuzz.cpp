// The installer's configuration string: an item is found only where a whole
// item starts, a value too long, too short or with a character outside its
// class is refused with one message box and nothing written, and a string
// whose items all pass writes every value exactly as given, the two files
// changing together and nothing else left in the client's folder.
#include <filesystem>
#include <string>

#include "Configuracao.h"
#include "Dobles.h"
#include "FuzzCheck.h"
#include "Textos.h"
#include "profile/FileIo.h"

namespace {

using instala::ClasseCaracteres;

struct Item {
    const char* chave;
    const char* arquivo;
    const char* chaveIni;
};
// In the order they are validated and written.
constexpr Item kItens[] = {
    {"Empresa=", "Cliente.ini", "Empresa"},
    {"Terminal=", "Cliente.ini", "Terminal"},
    {"PortaPinpad=", "Cliente.ini", "PortaPin"},
    {"IPVorix1=", "Cliente.ini", "End_TCP"},
    {"IPVorix2=", "Cliente.ini", "End_TCP2"},
    {"IPVorix3=", "Cliente.ini", "End_TCP3"},
    {"DirLeitIntPos=", "Cliente.ini", "le"},
    {"DirGravIntPos=", "Cliente.ini", "grava"},
    {"NomeArqIntPos=", "Cliente.ini", "nome"},
    {"ExtensArqIntPos=", "Cliente.ini", "ext"},
    {"MensagemPadraoPinpad=", "Cliente.ini", "MensagemPadrao"},
    {"PermiteCreditoDigitado=", "Cliente.ini", "PermiteDigitarCartaoCredito"},
    {"CBVivo=", "ClienteTrn.ini", "TrnCredito"},
    {"CreditoHabilitaRoteamentoParcelas=", "Cliente.ini", "HabilitaRoteamentoParcela"},
};

// The value of the first whole item (at the start or after a ";"), empty when none.
std::string ValorEsperado(const std::string& texto, const std::string& chave) {
    for (size_t p = 0; p + chave.size() <= texto.size(); ++p) {
        if (texto.compare(p, chave.size(), chave) == 0 && (p == 0 || texto[p - 1] == ';')) {
            const size_t inicio = p + chave.size();
            return texto.substr(inicio, texto.find(';', inicio) - std::min(texto.find(';', inicio), inicio));
        }
    }
    return {};
}

bool Classe(const std::string& v, ClasseCaracteres c) { return instala::ValidaCaracteres(v, c); }
bool SoDigitos(const std::string& v) { return !v.empty() && Classe(v, ClasseCaracteres::Digitos); }

// What may never pass, item by item: the documented lengths and classes.
bool PodeValer(size_t item, const std::string& v) {
    if (v.find_first_of("\r\n") != std::string::npos) return false;
    switch (item) {
        case 0: return v.size() == 8 && Classe(v, ClasseCaracteres::Alfanumerico);
        case 1:
            return v.size() == 8 && Classe(v.substr(0, 2), ClasseCaracteres::Alfanumerico) && SoDigitos(v.substr(2)) &&
                   std::stoi(v.substr(5)) < 900;
        case 2: {
            if (v == "AUTO_USB") return true;
            const std::string numero = v.substr(v[0] == '+' || v[0] == '-' ? 1 : 0);
            if (!SoDigitos(numero) || v[0] == '-') return false;
            const size_t significativo = numero.find_first_not_of('0');
            return significativo != std::string::npos && numero.size() - significativo <= 3 &&
                   std::stoi(numero.substr(significativo)) <= 256;
        }
        case 3: case 4: case 5: return Classe(v, ClasseCaracteres::Endereco);
        case 6: case 7: return Classe(v, ClasseCaracteres::NomePasta);
        case 8: return Classe(v, ClasseCaracteres::NomeArquivo);
        case 9: return v.size() >= 3 && v.size() <= 5 && Classe(v, ClasseCaracteres::Alfanumerico);
        case 10: return v.size() <= 16 && Classe(v, ClasseCaracteres::TextoExibicao);
        default: return v[0] == '0' || v[0] == '1';
    }
}

// What must pass: plain port numbers from 1 to 256 (any other item passes
// exactly when it may).
bool DeveValer(size_t item, const std::string& v) {
    if (item != 2) return PodeValer(item, v);
    return v == "AUTO_USB" || (SoDigitos(v) && v.size() <= 3 && std::stoi(v) >= 1 && std::stoi(v) <= 256);
}

bool TemLinha(const std::string& arquivo, const std::string& linha) {
    return ("\r\n" + arquivo).find("\r\n" + linha + "\r\n") != std::string::npos;
}

struct Ambiente {
    instalatest::PastaTemporaria raiz;
    instalatest::SistemaTeste sistema{raiz.Caminho()};
    std::filesystem::path pasta = sistema.Map().ToLocal("C:\\Client");
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Ambiente* ambiente = new Ambiente;
    std::filesystem::remove_all(ambiente->pasta);
    std::filesystem::create_directories(ambiente->pasta);
    const std::string configuracao(reinterpret_cast<const char*>(data), size);

    instalatest::OperadorTeste operador;
    instala::ConversaoConfiguracao conversao(ambiente->sistema, operador, "C:\\Client");
    const auto resultado = conversao.AplicaParametrosConfiguracao(configuracao);

    bool algum = false;
    bool recusado = false;
    for (size_t i = 0; i < std::size(kItens) && !recusado; ++i) {
        const std::string valor = instala::ObtemParametro(configuracao, kItens[i].chave);
        ZV_FUZZ_CHECK(valor == ValorEsperado(configuracao, kItens[i].chave));
        if (valor.empty()) continue;
        algum = true;
        if (!PodeValer(i, valor)) recusado = true;
        else if (DeveValer(i, valor)) continue;
        else recusado = resultado == instala::ResultadoAplicacao::Invalida;
    }
    ZV_FUZZ_CHECK(resultado != instala::ResultadoAplicacao::FalhaGravacao);
    if (recusado) {
        ZV_FUZZ_CHECK(resultado == instala::ResultadoAplicacao::Invalida);
        ZV_FUZZ_CHECK(operador.caixas.size() == 1 && operador.caixas[0].titulo == instala::textos::kTituloValidacao);
        ZV_FUZZ_CHECK(std::filesystem::is_empty(ambiente->pasta));
        return 0;
    }
    ZV_FUZZ_CHECK(resultado == instala::ResultadoAplicacao::Aplicada && operador.caixas.empty());
    if (!algum) {
        ZV_FUZZ_CHECK(std::filesystem::is_empty(ambiente->pasta));
        return 0;
    }
    size_t arquivos = 0;
    for (const auto& e : std::filesystem::directory_iterator(ambiente->pasta)) {
        const std::string nome = e.path().filename().string();
        ZV_FUZZ_CHECK(nome == "Cliente.ini" || nome == "ClienteTrn.ini");
        ++arquivos;
    }
    ZV_FUZZ_CHECK(arquivos >= 1);
    for (size_t i = 0; i < std::size(kItens); ++i) {
        const std::string valor = instala::ObtemParametro(configuracao, kItens[i].chave);
        if (valor.empty()) continue;
        const std::string arquivo = profile::LoadFile((ambiente->pasta / kItens[i].arquivo).string()).value_or("");
        const bool limpa = i >= 3 && i <= 5 && valor == "[LIMPA_IP]";
        ZV_FUZZ_CHECK(TemLinha(arquivo, std::string(kItens[i].chaveIni) + "=" + (limpa ? "" : valor)));
        if (i == 2) ZV_FUZZ_CHECK(TemLinha(arquivo, "TipoPIN=Pinpad EMV"));
    }
    return 0;
}
