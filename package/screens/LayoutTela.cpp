#include "screens/LayoutTela.h"

namespace zv::layout {

namespace {

template <class T>
T& Cria(forms::Form& tela, forms::Control* pai, const char* nome, Limites l) {
    auto& controle = tela.Add<T>(nome, pai);
    controle.SetBounds(l.esquerda, l.topo, l.largura, l.altura);
    return controle;
}

template <class T>
T& CriaEdicao(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const PropsEdicao& p) {
    auto& edicao = Cria<T>(tela, pai, nome, l);
    edicao.SetTabStop(true);
    if (p.ordemTab >= 0) edicao.SetTabOrder(p.ordemTab);
    edicao.SetMaxLength(p.tamanhoMax);
    edicao.SetValidator(p.aceita);
    edicao.SetEnabled(p.habilitado);
    edicao.SetCharCase(p.caixa);
    edicao.SetVisible(p.visivel);
    if (p.fonte) edicao.SetFont(*p.fonte);
    return edicao;
}

}  // namespace

forms::Font Fonte(const char* nome, int tamanho, bool negrito, forms::Color cor) {
    forms::Font f;
    f.name = nome;
    f.size = tamanho;
    f.bold = negrito;
    f.color = cor;
    return f;
}

forms::Label& Rotulo(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const char* legenda,
                     const PropsRotulo& p) {
    auto& rotulo = Cria<forms::Label>(tela, pai, nome, l);
    rotulo.SetAlignment(p.alinhamento);
    rotulo.SetTransparent(p.transparente);
    rotulo.SetWordWrap(p.quebraLinha);
    rotulo.SetAutoSize(p.autoTamanho);
    rotulo.SetVisible(p.visivel);
    if (p.fonte) rotulo.SetFont(*p.fonte);
    rotulo.SetCaption(legenda);
    return rotulo;
}

forms::Edit& Edicao(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const PropsEdicao& p) {
    return CriaEdicao<forms::Edit>(tela, pai, nome, l, p);
}

forms::MaskEdit& EdicaoMascara(forms::Form& tela, forms::Control* pai, const char* nome, Limites l,
                               const PropsEdicao& p) {
    auto& edicao = CriaEdicao<forms::MaskEdit>(tela, pai, nome, l, p);
    if (p.mascara != nullptr) edicao.SetEditMask(p.mascara);
    if (p.texto != nullptr) edicao.SetText(p.texto);
    return edicao;
}

forms::Panel& Painel(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const PropsPainel& p) {
    auto& painel = Cria<forms::Panel>(tela, pai, nome, l);
    painel.SetBevelInner(p.bevel);
    painel.SetColor(p.cor);
    painel.SetTabOrder(p.ordemTab);
    return painel;
}

forms::GlyphButton& Botao(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const char* legenda,
                          const PropsBotao& p) {
    auto& botao = Cria<forms::GlyphButton>(tela, pai, nome, l);
    botao.SetCaption(legenda);
    botao.SetTabStop(true);
    botao.SetTabOrder(p.ordemTab);
    botao.SetVisible(p.visivel);
    if (p.fonte) botao.SetFont(*p.fonte);
    return botao;
}

forms::Memo& Memorando(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, int ordemTab,
                       const forms::Font& fonte) {
    auto& memo = Cria<forms::Memo>(tela, pai, nome, l);
    memo.SetFont(fonte);
    memo.SetReadOnly(true);
    memo.SetTabOrder(ordemTab);
    return memo;
}

forms::Image& Imagem(forms::Form& tela, forms::Control* pai, const char* nome, Limites l, const char* figura,
                     const PropsImagem& p) {
    auto& imagem = Cria<forms::Image>(tela, pai, nome, l);
    imagem.SetAlignClient(p.alinhaCliente);
    imagem.SetStretch(p.estica);
    imagem.SetPicture(figura);
    return imagem;
}

forms::Timer& Temporizador(forms::Form& tela, const char* nome, int intervalo) {
    auto& timer = tela.AddTimer(nome);
    timer.SetInterval(intervalo);
    timer.SetEnabled(false);
    return timer;
}

void Coloca(forms::Control& c, int esquerda, int topo, int largura) { c.SetBounds(esquerda, topo, largura, c.Height()); }

void DispoeLinhas(const Grade& grade, std::initializer_list<LinhaGrade> linhas) {
    std::vector<forms::Control*> caixas;
    for (const LinhaGrade& l : linhas) {
        const int linha = static_cast<int>(caixas.size());
        const Limites r = grade.LimitesRotulo(linha), c = grade.LimitesCaixa(linha, l.largura);
        l.rotulo->SetBounds(r.esquerda, r.topo, r.largura, r.altura);
        l.caixa->SetBounds(c.esquerda, c.topo, c.largura, c.altura);
        if (l.tamanhoMax >= 0) l.caixa->SetMaxLength(l.tamanhoMax);
        caixas.push_back(l.caixa);
    }
    OrdemTab(caixas);
}

void OrdemTab(const std::vector<forms::Control*>& controles) {
    int ordem = 0;
    for (forms::Control* c : controles) c->SetTabOrder(ordem++);
}

}  // namespace zv::layout
