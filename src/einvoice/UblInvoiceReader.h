#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/XmlTree.h"

// The terms of a UBL 2.1 Invoice or CreditNote.
class UblInvoiceReader {
public:
    explicit UblInvoiceReader(const XmlTree &tree);
    EInvoice read() const;

private:
    using Element = XmlTree::Element;
    EInvoice::Party party(const Element *role) const;
    EInvoice::Address address(const Element *postal) const;
    EInvoice::Line line(const Element &line, bool creditNote) const;
    void readTotals(const Element &root, EInvoice &invoice) const;
    void readVat(const Element &root, EInvoice &invoice) const;
    void readPayment(const Element &root, EInvoice &invoice) const;
    void readAttachments(const Element &root, EInvoice &invoice) const;
    std::optional<Decimal> amount(const Element *parent, QStringView name) const;
    QString text(const Element *parent, QStringView name) const;
    const Element *aggregate(const Element *parent, QStringView name) const;

    const XmlTree &m_tree;
    int m_cbc;
    int m_cac;
};
