#pragma once

#include "report/CardReport.h"

struct Categoria;

// The printed card of a category: the bill card for bills, the payment card
// (captions of its own for taxes, vehicles and the condominium) for the other
// payments, the purchase card, with its own fields, for purchases.
Reports::CardLayout cardLayoutOf(const Categoria& categoria);
