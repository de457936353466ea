// AutorizaTransacao: how the record is read and how the answers apply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Lumar.h"
#include "sim/State.h"

namespace {

sim::State& S() { return sim::State::Instance(); }

ZvTrnEntry Entry(uint32_t field, const char* text = "") {
    ZvTrnEntry e{};
    e.field = field;
    e.text = text;
    return e;
}

struct LabelProbe {
    std::vector<std::string> texts;
    static void ZV_HOSTAPI SetText(void* self, const char* t) { static_cast<LabelProbe*>(self)->texts.push_back(t); }
};

class Authorization : public ::testing::Test {
protected:
    void SetUp() override {
        S().Reset();
        record_ = ZvTrnRecord{};
        record_.code = 56;
        record_.flag = 1;
        for (auto& e : record_.entries) e = Entry(0);
    }
    ZvTrnRecord record_;
};

TEST_F(Authorization, RecordIsReadUpToTheEndMarkerWithValuesBeforeTheAnswer) {
    static char ciclos[17] = "CICLOS:07";
    S().SetField(1003, "150000");
    S().SetField(1009, "FF");
    record_.entries[0] = Entry(1003);
    record_.entries[1] = Entry(1048, "CICLOS:");
    record_.entries[2] = Entry(0, ciclos);
    record_.entries[3] = Entry(0, nullptr);
    record_.entries[4] = Entry(1009);
    record_.entries[5] = Entry(ZV_TRN_END_OF_LIST);
    record_.entries[6] = Entry(1017);  // past the marker: never read

    LabelProbe probe;
    ZvMessageLabel label{&probe, &LabelProbe::SetText};
    EXPECT_TRUE(AutorizaTransacao(&record_, &label, 0));

    const auto call = S().Calls("AutorizaTransacao").at(0);
    const auto& rec = call["record"];
    EXPECT_EQ(rec["code"], 56);
    EXPECT_EQ(rec["flag"], 1);
    ASSERT_EQ(rec["entries"].size(), 5u);
    EXPECT_EQ(rec["entries"][0], (nlohmann::json{{"field", 1003}, {"value", "150000"}}));
    EXPECT_EQ(rec["entries"][1], (nlohmann::json{{"field", 1048}, {"tag", "CICLOS:"}, {"value", ""}}));
    EXPECT_EQ(rec["entries"][2], (nlohmann::json{{"text", "CICLOS:07"}}));
    EXPECT_EQ(rec["entries"][3], (nlohmann::json{{"text", ""}}));
    EXPECT_EQ(rec["entries"][4]["value"], "FF");  // as sent, not as answered
    EXPECT_EQ(S().Field(1009), "00");
    EXPECT_EQ(S().Field(1027), "TRANSACAO APROVADA");
    EXPECT_EQ(probe.texts, std::vector<std::string>{"Autorizando..."});
}

TEST_F(Authorization, MarkerFirstSendsNothingAndAFullListStopsAt31) {
    record_.entries[0] = Entry(ZV_TRN_END_OF_LIST);
    AutorizaTransacao(&record_, nullptr, 1);
    EXPECT_TRUE(S().Calls("AutorizaTransacao").at(0)["record"]["entries"].empty());

    for (auto& e : record_.entries) e = Entry(1003);
    AutorizaTransacao(&record_, nullptr, 1);
    EXPECT_EQ(S().Calls("AutorizaTransacao").at(1)["record"]["entries"].size(), 31u);

    EXPECT_FALSE(AutorizaTransacao(nullptr, nullptr, 1));
}

TEST_F(Authorization, AnswersApplyInCallOrderAndTheLastRepeats) {
    sim::AuthorizationAnswer refused;
    refused.result = false;
    refused.fields = {{1009, 0, "05"}, {1027, 0, "NEGADA"}};
    sim::AuthorizationAnswer approved;
    approved.fields = {{1009, 0, "00"}, {1120, 1, "500"}};
    approved.service.tags = {{"DPCHIP:", "2"}};
    approved.service.q = {{"010", "000000100000"}};
    S().Authorizations() = {refused, approved};
    record_.entries[0] = Entry(ZV_TRN_END_OF_LIST);

    EXPECT_FALSE(AutorizaTransacao(&record_, nullptr, 1));
    EXPECT_EQ(S().Field(1027), "NEGADA");
    EXPECT_TRUE(AutorizaTransacao(&record_, nullptr, 1));
    EXPECT_EQ(S().Field(1009), "00");
    EXPECT_EQ(S().Field(1120, 1), "500");
    EXPECT_EQ(S().Field(1027), "NEGADA");  // an answer touches only its own fields
    char buf[32];
    VerificaServico5String(buf, sizeof buf, "DPCHIP:", 0);
    EXPECT_STREQ(buf, "2");
    EXPECT_EQ(ProcuraServico(0, 20026, 'Q', "010", buf, sizeof buf), 15);
    EXPECT_TRUE(AutorizaTransacao(&record_, nullptr, 1));
}

TEST_F(Authorization, ZeroAmountSaleIsDeclinedWithoutUsingTheScenarioAnswer) {
    record_.entries[0] = Entry(1003);
    record_.entries[1] = Entry(ZV_TRN_END_OF_LIST);
    struct Caso {
        uint8_t flag;
        const char* amount;
        bool declined;
    };
    for (const Caso& c : {Caso{1, "000", true}, Caso{1, "0", true}, Caso{1, "001", false}, Caso{1, "", false},
                          Caso{0, "000", false}}) {  // a consultation may carry no amount
        SCOPED_TRACE(std::string(c.amount) + " flag " + std::to_string(c.flag));
        S().Reset();
        record_.flag = c.flag;
        S().SetField(1003, c.amount);
        EXPECT_EQ(AutorizaTransacao(&record_, nullptr, 0) != 0, !c.declined);
        EXPECT_EQ(S().Field(1009), c.declined ? "13" : "00");
        EXPECT_EQ(S().Field(1027), c.declined ? "VALOR INVALIDO" : "TRANSACAO APROVADA");
    }
}

}  // namespace
