#pragma once

#include <QByteArray>

// A CII invoice (XRechnung, D16B) with as many lines as asked, each with product, price, quantity, VAT
// and sum, and totals that add up, so the reader and its checks do the work of a real long invoice.
QByteArray generatedCiiInvoice(int lines);
