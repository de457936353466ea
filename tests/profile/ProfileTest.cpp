#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "profile/FileIo.h"
#include "profile/IniDocument.h"
#include "profile/Profile.h"

namespace fs = std::filesystem;
using namespace profile;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "zvprofXXXXXX").string();
        dir_ = ::mkdtemp(tmpl.data());
        path_ = dir_ + "/Cliente.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Put(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Content() { return LoadFile(path_).value_or("<missing>"); }

    std::string dir_;
    std::string path_;
};

TEST_F(ProfileFile, ReadsBackWhatItWroteAndCreatesFileSectionAndKey) {
    ASSERT_TRUE(WritePrivateProfileString("ClientVorix", "Empresa", "AB12CD34", path_));
    ASSERT_TRUE(WritePrivateProfileString("ClientVorix", "Terminal", "XY000123", path_));
    ASSERT_TRUE(WritePrivateProfileString("TODOS", "Permite", "1", path_));
    EXPECT_EQ(Content(), "[ClientVorix]\r\nEmpresa=AB12CD34\r\nTerminal=XY000123\r\n[TODOS]\r\nPermite=1\r\n");
    EXPECT_EQ(GetPrivateProfileString("ClientVorix", "Terminal", "x", path_), "XY000123");
    EXPECT_EQ(GetPrivateProfileInt("TODOS", "Permite", 0, path_), 1);
}

TEST_F(ProfileFile, MissingKeySectionOrFileGivesTheDefault) {
    EXPECT_EQ(GetPrivateProfileString("A", "b", "def", path_), "def");
    EXPECT_EQ(GetPrivateProfileInt("A", "b", 7, path_), 7);
    EXPECT_TRUE(GetPrivateProfileSectionNames(path_).empty());
    Put("[A]\nb=\nn=abc\nm=-12x\n");
    EXPECT_EQ(GetPrivateProfileString("A", "c", "def", path_), "def");
    EXPECT_EQ(GetPrivateProfileString("B", "b", "def", path_), "def");
    // A key with an empty value exists: its value, not the default.
    EXPECT_EQ(GetPrivateProfileString("A", "b", "def", path_), "");
    EXPECT_EQ(GetPrivateProfileInt("A", "b", 5, path_), 5);
    // A value that is not a number reads as 0, as the platform reads it.
    EXPECT_EQ(GetPrivateProfileInt("A", "n", 5, path_), 0);
    EXPECT_EQ(GetPrivateProfileInt("A", "m", 5, path_), -12);
}

TEST_F(ProfileFile, NamesCompareWithoutLetterCaseIncludingCp1252Letters) {
    Put("[ClientVorix]\r\nEmpresa=1\r\n[Configura\xC7\xC3O]\r\nChave=2\r\n");
    EXPECT_EQ(GetPrivateProfileString("CLIENTVORIX", "EMPRESA", "", path_), "1");
    EXPECT_EQ(GetPrivateProfileString("configura\xE7\xE3o", "chave", "", path_), "2");
    ASSERT_TRUE(WritePrivateProfileString("clientvorix", "empresa", "9", path_));
    EXPECT_EQ(Content(), "[ClientVorix]\r\nempresa=9\r\n[Configura\xC7\xC3O]\r\nChave=2\r\n");
}

TEST_F(ProfileFile, WritingOneKeyKeepsEveryOtherLineByteForByte) {
    const std::string before =
        "; cabecalho\n\n[A]\n  x = 1 \nlixo sem igual\n\n[B]\r\ny=\"entre aspas\"\r\n; nota\r\n\r\n[C]\nz=3";
    Put(before);
    ASSERT_TRUE(WritePrivateProfileString("B", "novo", "valor \xE9", path_));
    ASSERT_TRUE(WritePrivateProfileString("A", "x", "2", path_));
    ASSERT_TRUE(WritePrivateProfileString("C", "w", "4", path_));
    EXPECT_EQ(Content(),
              "; cabecalho\n\n[A]\nx=2\nlixo sem igual\n\n[B]\r\ny=\"entre aspas\"\r\n; nota\r\nnovo=valor \xE9\n"
              "\r\n[C]\nz=3\nw=4\n");
    EXPECT_EQ(GetPrivateProfileString("B", "y", "", path_), "entre aspas");
    EXPECT_EQ(GetPrivateProfileString("B", "novo", "", path_), "valor \xE9");
}

TEST_F(ProfileFile, ListsSectionsAndKeysInFileOrderFirstOfDuplicatesCounting) {
    Put("[Z]\nb=1\na=2\n; c=3\nB=4\n[y]\n[z]\nq=5\n[X]\nk=6\n");
    EXPECT_EQ(GetPrivateProfileSectionNames(path_), (std::vector<std::string>{"Z", "y", "X"}));
    EXPECT_EQ(GetPrivateProfileSectionKeys("z", path_), (std::vector<std::string>{"b", "a"}));
    EXPECT_TRUE(GetPrivateProfileSectionKeys("Y", path_).empty());
    EXPECT_EQ(GetPrivateProfileString("Z", "b", "", path_), "1");
    EXPECT_TRUE(HasKey("x", "K", path_));
    EXPECT_FALSE(HasKey("y", "k", path_));
}

TEST_F(ProfileFile, RefusesWritesThatWouldBreakTheFileAndLeavesItAlone) {
    Put("[A]\nx=1\n");
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "1\r\n[B]", path_));
    EXPECT_FALSE(WritePrivateProfileString("A]", "x", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("A", "x=y", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("", "x", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("A", "", "1", path_));
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "1", dir_ + "/sem/pasta.ini"));
    EXPECT_EQ(Content(), "[A]\nx=1\n");
}

size_t FilesIn(const std::string& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST_F(ProfileFile, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    Put("[A]\nx=1\n");
    // The write of the temporary fails past a file-size limit, whoever runs the test.
    struct rlimit before {};
    ::getrlimit(RLIMIT_FSIZE, &before);
    struct rlimit small = before;
    small.rlim_cur = 64;
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WritePrivateProfileString("A", "x", std::string(200, 'v'), path_);
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(written);
    EXPECT_EQ(Content(), "[A]\nx=1\n");
    EXPECT_EQ(FilesIn(dir_), 1u);
}

TEST_F(ProfileFile, AnUnreadableFileIsNotReplacedByOneKey) {
    // A socket exists but cannot be opened for reading, whoever runs the test.
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path_.size(), sizeof address.sun_path);
    std::copy(path_.begin(), path_.end(), address.sun_path);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_FALSE(WritePrivateProfileString("A", "y", "2", path_));
    EXPECT_TRUE(fs::is_socket(path_));
    ::close(s);
}

TEST_F(ProfileFile, AReadOnlyFileIsRefusedAsThePlatformRefusesItAlsoToRoot) {
    Put("[A]\nx=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "2", path_));
    EXPECT_EQ(Content(), "[A]\nx=1\n");
    EXPECT_EQ(FilesIn(dir_), 1u);
}

TEST_F(ProfileFile, StrayTemporariesOfKilledWritesAreRemovedAndNothingElse) {
    for (const char* name : {"Cliente.ini.zvtmp.Ab12Cd", "x.zvtmp.123456", "Cliente.ini", "y.zvtmp.1234567",
                             ".zvtmp.123456", "Cliente.ini.zvtmp"}) {
        std::ofstream(dir_ + "/" + name) << "t";
    }
    fs::create_directory(dir_ + "/d.zvtmp.abcdef");
    EXPECT_EQ(RemoveStrayTemporaries(dir_), 2);
    EXPECT_FALSE(fs::exists(dir_ + "/Cliente.ini.zvtmp.Ab12Cd"));
    EXPECT_FALSE(fs::exists(dir_ + "/x.zvtmp.123456"));
    EXPECT_EQ(FilesIn(dir_), 5u);
    EXPECT_EQ(RemoveStrayTemporaries(dir_ + "/none"), 0);
    // A link to another folder is not followed: its temporaries are not ours.
    fs::create_symlink(dir_ + "/d.zvtmp.abcdef", dir_ + "/ligada");
    std::ofstream(dir_ + "/d.zvtmp.abcdef/z.zvtmp.123456") << "t";
    EXPECT_EQ(RemoveStrayTemporaries(dir_ + "/ligada"), 0);
    EXPECT_TRUE(fs::exists(dir_ + "/d.zvtmp.abcdef/z.zvtmp.123456"));
}

TEST(ProfileInt, ReadsLeadingDigitsWithSignAndSaturates) {
    EXPECT_EQ(ParseProfileInt("42abc", 0), 42);
    EXPECT_EQ(ParseProfileInt("+3", 0), 3);
    EXPECT_EQ(ParseProfileInt("-", 9), 9);
    EXPECT_EQ(ParseProfileInt("", 9), 9);
    EXPECT_EQ(ParseProfileInt("99999999999999999999", 0), 2147483647);
    EXPECT_EQ(ParseProfileInt("-99999999999999999999", 0), -2147483647 - 1);
}

TEST(IniDocumentText, KeepsAFinalLineWithoutLineEndWhenAddingAfterIt) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1");
    ASSERT_TRUE(doc.Set("A", "y", "2"));
    ASSERT_TRUE(doc.Set("B", "z", ""));
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=\r\n");
    EXPECT_EQ(doc.Get("B", "z"), std::optional<std::string>(""));
}

struct Escrita {
    std::string antes;
    std::string secao, chave, valor;
    std::string depois;
};

TEST(IniDocumentText, OneWriteChangesOnlyWhatItMust) {
    const std::vector<Escrita> casos = {
        // A section added after a last line without line end starts on a line of its own.
        {"[A]\r\nx=1", "B", "z", "2", "[A]\r\nx=1\r\n[B]\r\nz=2\r\n"},
        {"; so um comentario", "B", "z", "2", "; so um comentario\r\n[B]\r\nz=2\r\n"},
        // A byte-order mark opens the file: its first section is found and the mark kept.
        {"\xEF\xBB\xBF[ClientVorix]\r\nEmpresa=A\r\n", "ClientVorix", "Empresa", "B",
         "\xEF\xBB\xBF[ClientVorix]\r\nEmpresa=B\r\n"},
        {"\xEF\xBB\xBF", "A", "x", "1", "\xEF\xBB\xBF[A]\r\nx=1\r\n"},
    };
    for (const auto& c : casos) {
        IniDocument doc = IniDocument::Parse(c.antes);
        ASSERT_TRUE(doc.Set(c.secao, c.chave, c.valor)) << c.antes;
        EXPECT_EQ(doc.Serialize(), c.depois) << c.antes;
    }
    const IniDocument bom = IniDocument::Parse("\xEF\xBB\xBF[ClientVorix]\nVERSAO=2\n");
    EXPECT_EQ(bom.Get("ClientVorix", "VERSAO"), std::optional<std::string>("2"));
    EXPECT_EQ(bom.SectionNames(), std::vector<std::string>{"ClientVorix"});
}

TEST(IniDocumentText, QuotedValuesReadWithoutTheirQuotes) {
    const IniDocument doc = IniDocument::Parse("[A]\nvazio=\"\"\nsimples=''\numa=\"\naspas=\"a b\"\nmisto=\"a'\n");
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"vazio", ""}, {"simples", ""}, {"uma", "\""}, {"aspas", "a b"}, {"misto", "\"a'"}};
    for (const auto& [chave, valor] : casos) EXPECT_EQ(doc.Get("A", chave), std::optional<std::string>(valor)) << chave;
}

// Many keys at once give what one key after another gives.
TEST(IniDocumentText, SetAllEqualsSetInOrder) {
    using E = IniDocument::Entry;
    const std::vector<std::pair<std::string, std::vector<E>>> casos = {
        {"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n[a]\r\nw=9\r\n; fim",
         {{"a", "X", "10"}, {"A", "novo", "n"}, {"C", "c", "3"}, {"b", "y", "20"}, {"A", "novo", "m"},
          {"c", "d", "4"}, {"B", "z", ""}, {"A", "x=", "bad"}, {"", "k", "v"}, {"D", "k", "1\n"}}},
        {"[A]\nx=1", {{"B", "z", "1"}, {"A", "y", "2"}}},
        {"[A]", {{"A", "y", "2"}, {" A", "k", "v"}, {" A", "k2", "v"}, {"A", " k", "1"}, {"A", " k", "2"}}},
        {"", {{"S", "a", "1"}, {"S", "b", "2"}, {"s", "A", "3"}}},
        {"\xEF\xBB\xBFsolto=1\n[A]\n\n\n", {{"A", "k", "v"}, {"Z", "k", "v"}}},
    };
    for (const auto& [texto, entradas] : casos) {
        IniDocument umaAUma = IniDocument::Parse(texto);
        for (const auto& e : entradas) umaAUma.Set(e.section, e.key, e.value);
        IniDocument todas = IniDocument::Parse(texto);
        todas.SetAll(entradas);
        EXPECT_EQ(todas.Serialize(), umaAUma.Serialize()) << texto;
    }
}

TEST(IniDocumentText, EntriesAreTheKeysAndValuesGetReads) {
    const IniDocument doc = IniDocument::Parse("solto=0\n[A]\nx=1\nX=2\n[B]\n[a]\ny=3\n[C]\nz = \"q\" \n");
    std::vector<std::string> lidas;
    for (const auto& e : doc.Entries()) lidas.push_back(e.section + "/" + e.key + "=" + e.value);
    EXPECT_EQ(lidas, (std::vector<std::string>{"A/x=1", "C/z=q"}));
}

}  // namespace

// What the platform does with names, defaults and numbers, where ours once
// differed: each row is a file, a call and what the platform answers.
TEST(ProfilePlatformRules, NamesDefaultsAndNumbersAsThePlatformReadsThem) {
    const std::string path = ::testing::TempDir() + "zv_platform_rules.ini";
    {
        std::ofstream out(path, std::ios::binary);
        out << "[S]\r\nk=old\r\nn=abc\r\ne=\r\n\v[V]\r\nv=\vx\v\r\n[\vW\v]\r\nw=1\r\n";
    }
    EXPECT_EQ(GetPrivateProfileString("V", "v", "", path), "x");  // a vertical tab trims as a space does
    EXPECT_EQ(GetPrivateProfileString("W", "w", "", path), "1");
    ASSERT_TRUE(WritePrivateProfileString(" S ", " k ", "new", path));
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", path), "new");  // the write to " k " is not lost
    EXPECT_EQ(GetPrivateProfileSectionKeys("S", path).size(), 3u);   // and added no key
    EXPECT_EQ(GetPrivateProfileString("S", "missing", "dflt  ", path), "dflt");
    EXPECT_EQ(GetPrivateProfileInt("S", "n", 7, path), 0);
    EXPECT_EQ(GetPrivateProfileInt("S", "e", 7, path), 7);
    EXPECT_EQ(GetPrivateProfileInt("S", "missing", 7, path), 7);
    std::remove(path.c_str());
}

namespace {

// UTF-16LE with its byte-order mark, from UTF-8 text (a lone surrogate kept as such).
std::string Utf16(const std::u16string& text) {
    std::string out = "\xFF\xFE";
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

}  // namespace

// A UTF-16LE file reads as the platform's ANSI functions read it and is written
// back in UTF-16LE, every line it had unchanged, characters CP1252 lacks included.
TEST(IniDocumentText, Utf16FilesAreReadAndWrittenBackInTheirEncoding) {
    const std::string bytes = Utf16(u"; \u65E5\u672C \xD800\r\n[Se\u00E7\u00E3o]\r\nChave=\"Valor \u20AC\"\r\nOutra=\u65E5\r\n");
    IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_TRUE(doc.Utf16());
    EXPECT_EQ(doc.Serialize(), bytes);
    EXPECT_EQ(doc.Get("SE\xC7\xC3O", "chave"), std::optional<std::string>("Valor \x80"));
    EXPECT_EQ(doc.Get("Se\xE7\xE3o", "Outra"), std::optional<std::string>("?"));
    ASSERT_TRUE(doc.Set("Se\xE7\xE3o", "Nova", "a\xE7\xE3o"));
    ASSERT_TRUE(doc.Set("Outra Se\xE7\xE3o", "k", "1"));
    EXPECT_EQ(doc.Serialize(), Utf16(u"; \u65E5\u672C \xD800\r\n[Se\u00E7\u00E3o]\r\nChave=\"Valor \u20AC\"\r\nOutra=\u65E5\r\n"
                                     u"Nova=a\u00E7\u00E3o\r\n[Outra Se\u00E7\u00E3o]\r\nk=1\r\n"));
    // A file cut by one byte stays UTF-16LE through a write (it used to be read as
    // bytes until a write made its length even); the odd byte stays last.
    const std::string impar = Utf16(u"[A]\r\nx=12\r\n") + "\x41";
    IniDocument cortado = IniDocument::Parse(impar);
    EXPECT_TRUE(cortado.Utf16());
    EXPECT_EQ(cortado.Serialize(), impar);
    EXPECT_EQ(cortado.Get("A", "x"), std::optional<std::string>("12"));
    ASSERT_TRUE(cortado.Set("A", "y", "3"));
    EXPECT_EQ(cortado.Serialize(), Utf16(u"[A]\r\nx=12\r\ny=3\r\n") + "\x41");
    EXPECT_EQ(IniDocument::Parse(cortado.Serialize()).Get("A", "y"), std::optional<std::string>("3"));
}

TEST_F(ProfileFile, ProfileFunctionsReadAndWriteUtf16Files) {
    Put(Utf16(u"[ClientVorix]\r\nVERSAO=2.1\r\n"));
    EXPECT_EQ(GetPrivateProfileString("ClientVorix", "VERSAO", "", path_), "2.1");
    ASSERT_TRUE(WritePrivateProfileString("ClientVorix", "Empresa", "AB12CD34", path_));
    EXPECT_EQ(Content(), Utf16(u"[ClientVorix]\r\nVERSAO=2.1\r\nEmpresa=AB12CD34\r\n"));
}

// Carried keys keep their values as the source stores them, quotes and all,
// so that a reader returns the same; only what Entries() gives is carried,
// empty values never, and texts cross between the two files' encodings.
TEST(IniDocumentText, CopyFromCarriesEveryValueAsTheSourceStoresIt) {
    struct Caso {
        const char* nome;
        std::string fonte, destino, chave, depois;
    };
    const std::vector<Caso> casos = {
        {"aspas", "[A]\r\nMsg=\"  a b  \"\r\nM2='\"x\"'\r\n  k = v w  \r\n", "[A]\r\nMsg=velho\r\n", "",
         "[A]\r\nMsg=\"  a b  \"\r\nM2='\"x\"'\r\nk=v w\r\n"},
        {"vazios e repetidos", "[A]\r\nvazio=\"\"\r\nx=\r\nx=2\r\nY=1\r\ny=9\r\n[a]\r\nz=3\r\n", "[A]\r\nvazio=meu\r\nx=meu\r\n",
         "", "[A]\r\nvazio=meu\r\nx=meu\r\nY=1\r\n"},
        {"so uma chave", "[B1]\r\nhabilitado=1\r\noutra=2\r\n[B2]\r\nHabilitado=0\r\n", "[B2]\r\nHabilitado=1\r\n",
         "Habilitado", "[B2]\r\nHabilitado=0\r\n[B1]\r\nHabilitado=1\r\n"},
        {"secao sem nome", "[]\r\nx=1\r\n[ C ]\r\ny=2\r\n", "", "", "[C]\r\ny=2\r\n"},
        {"de UTF-16", Utf16(u"[A]\r\nx=\u00E9\u20AC\r\n"), "[A]\r\n", "", "[A]\r\nx=\xE9\x80\r\n"},
        {"de UTF-16 fora de CP1252", Utf16(u"[A]\r\nx=\u03A9mega\r\n"), "[A]\r\ny=\xE9\r\n", "",
         Utf16(u"[A]\r\ny=\u00E9\r\nx=\u03A9mega\r\n")},
        {"para UTF-16", "[A]\r\nx=\xE9\x80\r\n", Utf16(u"[A]\r\ny=1\r\n"), "", Utf16(u"[A]\r\ny=1\r\nx=\u00E9\u20AC\r\n")},
    };
    for (const auto& c : casos) {
        IniDocument destino = IniDocument::Parse(c.destino);
        destino.CopyFrom(IniDocument::Parse(c.fonte), c.chave);
        EXPECT_EQ(destino.Serialize(), c.depois) << c.nome;
    }
}
