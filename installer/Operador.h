#pragma once
// Whoever the installer talks to: the window and its message boxes when an
// operator is there, standard error when a deployment tool runs it, a double in
// tests. Texts are CP1252.
#include <cstdint>
#include <string>

namespace instala {

// The window's button states.
enum class EstadoJanela {
    Aguardando,    // btInstala and btCancela enabled
    Executando,    // both disabled
    Sucesso,       // only btOK
    SucessoSemOK,  // run mode "1": neither install nor OK button
    Falha,         // only btEncerra
};

class Operador {
public:
    virtual ~Operador() = default;
    // A message box; flags and answers as the platform's (IDOK, IDYES, IDNO).
    virtual int MessageBox(const std::string& text, const std::string& caption, uint32_t flags) = 0;
    // The message line lbMensagem.
    virtual void MostraMensagem(const std::string& text) = 0;
    // Lets pending window messages run (repaint, keys).
    virtual void ProcessaMensagens() = 0;
    virtual void DefineEstado(EstadoJanela estado) = 0;
    virtual void TrazParaFrente() = 0;
    // A line of the installation's log: why a step failed, or a problem that
    // did not stop the run (a backup that could not be made).
    virtual void Registra(const std::string& text) = 0;
};

// Message box flags and answers the installer uses.
inline constexpr uint32_t kMbOk = 0x0;
inline constexpr uint32_t kMbYesNo = 0x4;
inline constexpr uint32_t kMbIconError = 0x10;
inline constexpr uint32_t kMbIconWarning = 0x30;
inline constexpr uint32_t kMbIconInformation = 0x40;
inline constexpr uint32_t kMbTopmost = 0x40000;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

}  // namespace instala
