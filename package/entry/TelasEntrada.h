#pragma once
// The screen variables the entry points create their first screen into; each
// belongs to its screen's unit.
#include "CreditoParcCprAdmZentravela.h"
#include "CreditoParcEstZentravela.h"
#include "CreditoVistaZentravela.h"
#include "MenuCreditoAdmZentravela.h"
#include "MenuCreditoZentravela.h"
#include "cancel/MenuCancelamentoZentravela.h"
#include "invoice/PagamentoFaturaZentravela.h"
