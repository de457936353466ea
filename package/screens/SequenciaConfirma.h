#pragma once
// The confirm sequence of a transaction screen, kept in one place: while it
// runs the screen is busy (a second confirmation does nothing), its capture
// panel and both buttons are locked and the message line asks to wait.
namespace zv {

class TFrmTrn_Mod;

class TSequenciaConfirma {
public:
    explicit TSequenciaConfirma(TFrmTrn_Mod& tela) : tela_(tela) {}
    TSequenciaConfirma(const TSequenciaConfirma&) = delete;
    TSequenciaConfirma& operator=(const TSequenciaConfirma&) = delete;

    bool Ocupada() const { return ocupada_; }
    // The capture panel and both buttons enabled, the screen no longer busy.
    void Destrava();
    // The screen's own step before the lock (the invoice card read), run busy
    // so that a key queued meanwhile starts nothing. False stops the confirmation.
    bool Prepara();

    // One run, from the confirmation to its end; it starts only when the
    // screen is not busy. A screen that closes stays locked: it is going, and
    // a late click or timer must start nothing. A screen that stays is
    // unlocked, and what the operator typed is taken back from the field
    // store unless an error is escaping.
    class TRodada {
    public:
        explicit TRodada(TSequenciaConfirma& sequencia);
        // May throw what taking the input back throws, as the steps would.
        ~TRodada() noexcept(false);
        TRodada(const TRodada&) = delete;
        TRodada& operator=(const TRodada&) = delete;

        bool Iniciada() const { return iniciada_; }
        // The request has gone: whatever happens now, the screen is never
        // unlocked, so the request cannot be sent twice.
        void PedidoEnviado() { pedidoEnviado_ = true; }

    private:
        TSequenciaConfirma& sequencia_;
        bool iniciada_;
        bool pedidoEnviado_ = false;
        int excecoes_;
    };

private:
    void Trava();

    TFrmTrn_Mod& tela_;
    bool ocupada_ = false;
};

}  // namespace zv
