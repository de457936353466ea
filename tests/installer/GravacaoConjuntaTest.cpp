#include <gtest/gtest.h>

#include "Dobles.h"
#include "GravacaoConjunta.h"

using namespace instala;
using namespace instala::teste;

namespace {

const std::string kIntencao = "C:\\Client\\Instala.gravacao";
const std::string kA = "C:\\Client\\Cliente.ini";
const std::string kB = "C:\\Client\\ClienteTrn.ini";
const std::vector<GravacaoConjunta::Arquivo> kPar = {{kA, "a velho", "a novo"}, {kB, std::nullopt, "b novo"}};

// Runs the write on a fresh drive, killed at the n-th change (0: never).
void Grava(PastaTemporaria& raiz, int n) {
    SistemaTeste s(raiz.Caminho());
    s.Poe(kA, "a velho");
    s.InterrompeNa(n);
    try {
        GravacaoConjunta(s, kIntencao).Grava(kPar);
    } catch (const Interrupcao&) {
    }
}

TEST(GravacaoConjunta, AKillAtAnyStepEndsWithBothFilesOldOrBothNewAtTheNextStart) {
    for (int n = 1; n <= 5; ++n) {
        PastaTemporaria raiz;
        Grava(raiz, n);
        SistemaTeste s(raiz.Caminho());
        GravacaoConjunta(s, kIntencao).Retoma();
        const std::string par = s.Le(kA) + "|" + s.Le(kB);
        EXPECT_TRUE(par == "a velho|<sem arquivo>" || par == "a novo|b novo") << n << ": " << par;
        EXPECT_FALSE(s.Existe(kIntencao)) << n;
    }
}

struct Caso {
    const char* nome;
    int interrompeNa;  // the intent is written first, then each file
    std::function<void(SistemaTeste&)> depois;
    GravacaoConjunta::Retomada retomada;
    std::string a, b;
};

TEST(GravacaoConjunta, TheNextStartFinishesUndoesOrLeavesWhatOthersChanged) {
    const std::vector<Caso> casos = {
        {"nada gravado", 0, {}, GravacaoConjunta::Retomada::NadaPendente, "a novo", "b novo"},
        {"so a intencao", 2, {}, GravacaoConjunta::Retomada::Concluida, "a novo", "b novo"},
        {"um arquivo", 3, {}, GravacaoConjunta::Retomada::Concluida, "a novo", "b novo"},
        {"o segundo recusa", 2,
         [](SistemaTeste& s) { std::filesystem::permissions(s.Map().ToLocal(kA), std::filesystem::perms::owner_read); },
         GravacaoConjunta::Retomada::Desfeita, "a velho", "<sem arquivo>"},
        {"mudado por outro", 3, [](SistemaTeste& s) { s.Poe(kA, "de outro"); },
         GravacaoConjunta::Retomada::Concluida, "de outro", "b novo"},
        {"intencao ilegivel", 0, [](SistemaTeste& s) { s.Poe(kIntencao, "ZV-GRAVACAO 1 CONCLUIR\nC:\\x\n9\nab"); },
         GravacaoConjunta::Retomada::Desfeita, "a novo", "b novo"},
    };
    for (const auto& c : casos) {
        PastaTemporaria raiz;
        Grava(raiz, c.interrompeNa);
        SistemaTeste s(raiz.Caminho());
        if (c.depois) c.depois(s);
        EXPECT_EQ(GravacaoConjunta(s, kIntencao).Retoma(), c.retomada) << c.nome;
        EXPECT_EQ(s.Le(kA), c.a) << c.nome;
        EXPECT_EQ(s.Le(kB), c.b) << c.nome;
        EXPECT_FALSE(s.Existe(kIntencao)) << c.nome;
        EXPECT_FALSE(s.Existe("C:\\x")) << c.nome;
    }
}

// A failed write undoes what it did; killed while undoing, the next start undoes the rest.
TEST(GravacaoConjunta, AFailedWriteIsUndoneNowOrAtTheNextStart) {
    for (int morte : {0, 5, 6}) {  // not killed, killed undoing the first file, killed removing the intent
        PastaTemporaria raiz;
        SistemaTeste s(raiz.Caminho());
        s.Poe(kA, "a velho");
        s.FalhaNa(Operacao::Grava, 3);
        s.InterrompeNa(morte);
        GravacaoConjunta g(s, kIntencao);
        try {
            EXPECT_FALSE(g.Grava(kPar));
            EXPECT_EQ(g.Falha(), kB);
        } catch (const Interrupcao&) {
            SistemaTeste proxima(raiz.Caminho());
            EXPECT_EQ(GravacaoConjunta(proxima, kIntencao).Retoma(), GravacaoConjunta::Retomada::Desfeita) << morte;
        }
        EXPECT_EQ(s.Le(kA), "a velho") << morte;
        EXPECT_FALSE(s.Existe(kB)) << morte;
        EXPECT_FALSE(s.Existe(kIntencao)) << morte;
    }
}

}  // namespace
