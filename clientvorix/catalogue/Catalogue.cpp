// The client's message catalogue. Texts are written here in UTF-8 and handed
// to the packages in CP1252; "%s" places take the caller's arguments in order.
#include <map>
#include <string>

#include "sim/Catalogue.h"
#include "cp1252/Cp1252.h"

namespace sim {

const std::map<int, const char*>& MessageTable() {
    static const std::map<int, const char*> table = {
        {18, "Digite o número do documento"},
        {21, "Escolha uma opção"},
        {23, "Digite o número de parcelas"},
        {26, "Digite o valor da transação"},
        {27, "Digite o valor da taxa de serviço"},
        {30, "Digite o valor da entrada"},
        {36, "Digite o código de pré-autorização"},
        {37, "Digite a data da transação original (DD/MM/AAAA)"},
        {43, "Aguarde, processando..."},
        {46, "Pressione ENTER para confirmar"},
        {48, "Pressione ENTER para retornar"},
        {74, "Digite a data de emissão do cartão (MM/AAAA)"},
        {97, "Informe o tipo de entrada: 1-Cartão 2-Leitura 3-Digitação"},
        {218, "Função genérica não disponível"},
        {231, "Função não disponível para esta administradora"},
        {263, "Informe o tipo de entrada do pagamento a cancelar"},
        {264, "Digite o bloco do código de barras"},
        {277, "Tipo de entrada não informado"},
        {278, "Documento não informado"},
        {279, "Código de pré-autorização inválido"},
        {319, "Número de parcelas inválido. Informe de %s a %s parcelas"},
        {320, "Número de parcelas acima do máximo permitido"},
        {321, "Taxa de serviço inválida"},
        {327, "Transação não permitida neste momento"},
        {330, "&9 - Encerra"},
        {337, "Parcelado Loja"},
        {338, "Parcelado Administradora"},
        {341, "Consulta Parcelas"},
        {351, "Crédito à Vista"},
        {374, "Consulta Saque"},
        {375, "Saque"},
        {376, "Saque Rotativo"},
        {379, "Saque Parcelado"},
        {409, "Cancelamento de Crédito"},
        {431, "Crédito"},
        {433, "Crédito à Vista"},
        {436, "Crédito Parcelado Loja"},
        {437, "Crédito Parcelado Administradora"},
        {438, "Pré-Autorização"},
        {465, "Cancelamento"},
        {467, "Cancelamento de Crédito"},
        {471, "Cancelamento"},
        {474, "Pagamento de Fatura"},
        {478, "Consulta"},
        {546, "Valor:"},
        {547, "Entrada:"},
        {548, "Taxa de Serviço:"},
        {549, "Parcelas:"},
        {553, "&1 - Confirma"},
        {554, "&9 - Retorna"},
        {564, "Data da Transação:"},
        {568, "Número do Documento:"},
        {598, "Data de Emissão:"},
        {630, "Código de Pré-Autorização:"},
        {787, "Data inválida"},
        {801, "Transação não efetuada"},
        {802, "Não foi possível criar a tela %s"},
        {846, "Número do documento inválido"},
        {944, "Retire o cartão com chip"},
        {958, "Função administrativa não disponível"},
        {993, "Nenhuma opção disponível"},
        {1034, "Digite a data do pagamento (DD/MM/AAAA)"},
        {1079, "Tipo de Entrada:"},
        {1080, "Documento:"},
        {1081, "Dígito verificador geral inválido"},
        {1082, "Dígito verificador do bloco 1 inválido"},
        {1083, "Dígito verificador do bloco 2 inválido"},
        {1084, "Dígito verificador do bloco 3 inválido"},
        {1085, "Bloco 4 do convênio incompleto"},
        {1086, "Dígito verificador do bloco 4 inválido"},
        {1091, "Aguarde..."},
        {1092, "Retire o cartão"},
        {1110, "Consulta Saldo Crédito"},
        {1111, "Consulta Saldo"},
        {1168, "Informe %s"},
        {1186, "%s deve ter no mínimo %s caracteres"},
        {1190, "Ciclos:"},
        {1193, "Digite o número de ciclos"},
        {1194, "Cancelamento de Pagamento de Fatura"},
        // The PIN pad's prompt while it waits for the card, and the withdrawal menu's title.
        {1195, "Cartão Zentravela"},
        {1197, "1-Cartão 2-Leitura 3-Digitação"},
        {1214, "Pré-autorização à vista não permitida"},
        {1215, "Pré-autorização parcelada loja não permitida"},
        {1216, "Pré-autorização parcelada administradora não permitida"},
        {1218, "<1> Cartão ou <2> Cod.Barras Digitado."},
        {1498, "Valor aprovado diferente do solicitado. Aceita o valor de R$ "},
        {1590, "Valor aprovado diferente do solicitado"},
        {1591, "Erro ao gravar as respostas das perguntas"},
        {1608, "Não há perguntas a responder"},
        {1639, "(S-Sim N-Não)"},
        {1685, "Perguntas"},
        {2398, "Verifique a mensagem no pinpad"},
        {2495, "Número de ciclos inválido"},
        {2572, "Digite o valor da taxa de embarque"},
    };
    return table;
}

bool HasMessage(int number) { return MessageTable().count(number) != 0; }

std::string MessageText(int number) {
    const auto& table = MessageTable();
    auto it = table.find(number);
    if (it == table.end()) return cp1252::Utf8ToCp1252("Mensagem " + std::to_string(number) + " não cadastrada");
    return cp1252::Utf8ToCp1252(it->second);
}

}  // namespace sim
