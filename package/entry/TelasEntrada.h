#pragma once
// The screen variables the entry points create their first screen into; each
// belongs to its screen's unit.
#include "credit/CreditoParcCprAdmZentravela.h"
#include "credit/CreditoParcEstZentravela.h"
#include "credit/CreditoVistaZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
#include "menus/MenuCancelamentoZentravela.h"
#include "menus/MenuCreditoAdmZentravela.h"
#include "menus/MenuCreditoZentravela.h"
