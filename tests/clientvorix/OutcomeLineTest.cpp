// The one line the client prints when the package returns.
#include <gtest/gtest.h>

#include "../AnswerCodes.h"
#include "OperationOutcome.h"
#include "forms/Types.h"
#include "sim/Catalogue.h"
#include "cp1252/Cp1252.h"
#include "sim/State.h"

namespace {

std::string Line(const std::vector<std::pair<int, std::string>>& fields, int modalResult = forms::mrOk) {
    sim::State& state = sim::State::Instance();
    state.Reset();
    for (const auto& [field, text] : fields) state.SetField(field, text);
    return clientvorix::OutcomeLine(state, modalResult);
}

TEST(OutcomeLine, ApprovesTheCodesThePackageApproves) {
    for (const auto& [code, approves] : answercodes::kTable)
        EXPECT_EQ(clientvorix::ApprovedCode(code), approves) << "'" << code << "'";
}

TEST(OutcomeLine, NamesHowTheOperationEnded) {
    const std::string notDone = sim::MessageText(801);
    const struct {
        std::vector<std::pair<int, std::string>> fields;
        int modalResult;
        std::string line;
    } rows[] = {
        {{{1009, "00"}, {1027, "  TRANSACAO APROVADA  "}}, forms::mrOk, "approved: TRANSACAO APROVADA"},
        {{{1009, "0A"}, {1027, "X"}}, forms::mrOk, "declined (code 0A): X"},
        {{{1009, " 51"}, {1027, "SALDO INSUFICIENTE "}}, forms::mrOk, "declined (code 51): SALDO INSUFICIENTE"},
        {{}, forms::mrOk, "ended without an answer from the host"},
        {{{1009, "  "}}, forms::mrOk, "ended without an answer from the host"},
        {{{1009, "00"}}, forms::mrCancel, "cancelled by the operator"},
        // A receipt's return, whichever code the screen left and however it closed.
        {{{1009, "FF"}, {1027, notDone}, {20022, notDone}}, forms::mrOk, "returned by the operator"},
        {{{1009, "255"}, {1027, notDone}, {20022, notDone}}, forms::mrCancel, "returned by the operator"},
        // Not done for another reason (a refused card): a decline.
        {{{1009, "FF"}, {1027, notDone}}, forms::mrOk, "declined (code FF): " + cp1252::Cp1252ToUtf8(notDone)},
    };
    for (const auto& row : rows) EXPECT_EQ(Line(row.fields, row.modalResult), row.line);
    sim::State::Instance().Reset();
}

}  // namespace
