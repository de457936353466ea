#include <gtest/gtest.h>

#include "Dobles.h"
#include "GravacaoConjunta.h"

using namespace instala;
using namespace instalatest;

namespace {

const std::string kPasta = "C:\\Client";
const std::string kIntencao = "C:\\Client\\Instala.gravacao";
const std::string kA = "C:\\Client\\Cliente.ini";
const std::string kB = "C:\\Client\\ClienteTrn.ini";
const std::vector<GravacaoConjunta::Arquivo> kPar = {{"Cliente.ini", "a velho", "a novo"},
                                                     {"ClienteTrn.ini", std::nullopt, "b novo"}};

GravacaoConjunta Gravacao(SistemaTeste& s) { return GravacaoConjunta(s, kPasta, {"Cliente.ini", "ClienteTrn.ini"}); }

// Runs the write on a fresh drive, killed at the n-th change (0: never).
void Grava(PastaTemporaria& raiz, int n) {
    SistemaTeste s(raiz.Caminho());
    s.Poe(kA, "a velho");
    s.InterrompeNa(n);
    try {
        Gravacao(s).Grava(kPar);
    } catch (const Interrupcao&) {
    }
}

TEST(GravacaoConjunta, AKillAtAnyStepEndsWithBothFilesOldOrBothNewAtTheNextStart) {
    for (int n = 1; n <= 5; ++n) {
        PastaTemporaria raiz;
        Grava(raiz, n);
        SistemaTeste s(raiz.Caminho());
        Gravacao(s).Retoma();
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
        // The first version named whole paths; in this very folder they still count.
        {"versao 1", 2, [](SistemaTeste& s) {
             s.Poe(kIntencao, "ZV-GRAVACAO 1 CONCLUIR\nc:\\client\\Cliente.ini\n7\na velho\n6\na novo\nFIM\n");
         },
         GravacaoConjunta::Retomada::Concluida, "a novo", "<sem arquivo>"},
    };
    for (const auto& c : casos) {
        PastaTemporaria raiz;
        Grava(raiz, c.interrompeNa);
        SistemaTeste s(raiz.Caminho());
        if (c.depois) c.depois(s);
        EXPECT_EQ(Gravacao(s).Retoma(), c.retomada) << c.nome;
        EXPECT_EQ(s.Le(kA), c.a) << c.nome;
        EXPECT_EQ(s.Le(kB), c.b) << c.nome;
        EXPECT_FALSE(s.Existe(kIntencao)) << c.nome;
    }
}

// An intent copied from elsewhere or made up names files outside the folder's
// configuration: nothing is written, created or deleted, and it is set aside.
TEST(GravacaoConjunta, AnIntentNamingAnyOtherFileIsSetAsideAndNothingIsWritten) {
    for (const char* versao : {"1", "2"}) {
        PastaTemporaria raiz;
        // A path of this machine's own, outside every drive.
        const std::string fora = raiz.Caminho() + "/fora.ini";
        const std::vector<std::string> alvos = {
            "C:\\Windows\\System32\\x.dll", "D:\\Client\\Cliente.ini", "\\Windows\\x.ini", "..\\Cliente.ini",
            "C:\\Client\\..\\Windows\\x.ini", fora, "Cliente.ini_Atual", "Instala.pendente",
            "C:\\Client\\Sub\\Cliente.ini"};
        for (const std::string& alvo : alvos) {
            SistemaTeste s(raiz.Caminho());
            s.Poe(kA, "a velho");
            s.Poe("C:\\Windows\\x.ini", "sistema");
            const std::string intencao = std::string("ZV-GRAVACAO ") + versao + " CONCLUIR\nCliente.ini\n7\na velho\n6\na novo\n" +
                                         alvo + "\n-\n5\nmaldo\nFIM\n";
            s.Poe(kIntencao, intencao);
            GravacaoConjunta g = Gravacao(s);
            EXPECT_EQ(g.Retoma(), GravacaoConjunta::Retomada::Recusada) << alvo << " v" << versao;
            EXPECT_EQ(s.Le(kA), "a velho") << alvo;
            EXPECT_EQ(s.Le("C:\\Windows\\x.ini"), "sistema") << alvo;
            EXPECT_FALSE(std::filesystem::exists(fora));
            EXPECT_FALSE(s.Existe(kIntencao)) << alvo;
            EXPECT_EQ(s.Le(kIntencao + ".recusada"), intencao) << alvo;
            std::filesystem::remove(s.Map().ToLocal(kIntencao + ".recusada"));
            EXPECT_NE(g.Motivo().find(alvo), std::string::npos) << g.Motivo();
            EXPECT_EQ(s.Chamadas(Operacao::Grava) + s.Chamadas(Operacao::Apaga), 0) << alvo;
        }
    }
}

// A damaged intent is never taken as done or undone: what it holds whole is
// undone, the rest is told file by file, and it stays for someone to look.
TEST(GravacaoConjunta, ADamagedIntentUndoesOnlyWhatItProvesAndIsKept) {
    using R = GravacaoConjunta::Versao;
    struct Dano {
        const char* nome;
        std::function<std::string(const std::string&)> estraga;
        std::vector<std::pair<R, bool>> estados;  // per file named: version, restored
        std::string a;
    };
    const std::vector<Dano> danos = {
        {"um byte a menos", [](const std::string& t) { return t.substr(0, t.size() - 1); },
         {{R::Antiga, true}, {R::Antiga, false}}, "a velho"},
        {"cortada no segundo arquivo", [](const std::string& t) { return t.substr(0, t.find("ClienteTrn.ini") + 17); },
         {{R::Antiga, true}, {R::Antiga, false}}, "a velho"},
        {"cortada no primeiro arquivo", [](const std::string& t) { return t.substr(0, t.find("a novo") + 2); },
         {{R::Desconhecida, false}}, "a novo"},
        {"vazia", [](const std::string&) { return std::string(); }, {}, "a novo"},
        {"lixo", [](const std::string&) { return std::string("\x01\x02 lixo\n"); }, {}, "a novo"},
        {"LF virou CRLF", [](const std::string& t) {
             std::string out;
             for (char c : t) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return out;
         },
         {}, "a novo"},
        {"sobra depois do fim", [](const std::string& t) { return t + "x"; },
         {{R::Antiga, true}, {R::Antiga, false}}, "a velho"},
    };
    for (const auto& d : danos) {
        PastaTemporaria raiz;
        Grava(raiz, 3);  // Cliente.ini written, ClienteTrn.ini not yet
        SistemaTeste s(raiz.Caminho());
        const std::string danificada = d.estraga(s.Le(kIntencao));
        s.Poe(kIntencao, danificada);
        GravacaoConjunta g = Gravacao(s);
        EXPECT_EQ(g.Retoma(), GravacaoConjunta::Retomada::Danificada) << d.nome;
        EXPECT_EQ(s.Le(kIntencao), danificada) << d.nome;
        EXPECT_EQ(s.Le(kA), d.a) << d.nome;
        EXPECT_FALSE(s.Existe(kB)) << d.nome;
        std::vector<std::pair<R, bool>> estados;
        for (const auto& e : g.Estados()) estados.emplace_back(e.versao, e.restaurada);
        EXPECT_EQ(estados, d.estados) << d.nome;
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
        GravacaoConjunta g = Gravacao(s);
        try {
            EXPECT_FALSE(g.Grava(kPar));
            EXPECT_EQ(g.Falha(), kB);
        } catch (const Interrupcao&) {
            SistemaTeste proxima(raiz.Caminho());
            EXPECT_EQ(Gravacao(proxima).Retoma(), GravacaoConjunta::Retomada::Desfeita) << morte;
        }
        EXPECT_EQ(s.Le(kA), "a velho") << morte;
        EXPECT_FALSE(s.Existe(kB)) << morte;
        EXPECT_FALSE(s.Existe(kIntencao)) << morte;
    }
}

// A till's files may be large: the next file is asked for only once the last one's
// contents are let go; one that cannot be had leaves every file and no intent, and
// files that do not change leave no intent either.
TEST(GravacaoConjunta, HoldsOneFileAtATimeAndWritesNothingWhenOneCannotBeHad) {
    enum Caso { Muda, SegundoFalta, NadaMuda };
    for (const Caso caso : {Muda, SegundoFalta, NadaMuda}) {
        PastaTemporaria raiz;
        SistemaTeste s(raiz.Caminho());
        s.Poe(kA, "a velho");
        std::weak_ptr<const void> anterior;
        GravacaoConjunta g = Gravacao(s);
        const bool gravou = g.Grava({"Cliente.ini", "ClienteTrn.ini"}, [&](size_t i) -> std::optional<GravacaoConjunta::Arquivo> {
            EXPECT_TRUE(anterior.expired()) << i;
            if (i == 1 && caso == SegundoFalta) return std::nullopt;
            auto dono = std::make_shared<std::string>(caso == NadaMuda ? "a velho" : kPar[i].novo);
            anterior = dono;
            return GravacaoConjunta::Arquivo{kPar[i].nome, caso == NadaMuda ? "a velho" : kPar[i].antigo, *dono, dono};
        });
        EXPECT_EQ(gravou, caso != SegundoFalta) << caso;
        EXPECT_TRUE(anterior.expired());
        EXPECT_EQ(s.Le(kA) + "|" + s.Le(kB), caso == Muda ? "a novo|b novo" : "a velho|<sem arquivo>") << caso;
        EXPECT_EQ(g.Falha(), caso == SegundoFalta ? kB : "") << caso;
        EXPECT_FALSE(s.Existe(kIntencao)) << caso;
    }
}

}  // namespace
