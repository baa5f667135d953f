#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/XmlTree.h"

// The terms of a UN/CEFACT Cross Industry Invoice (D16B, every profile) or of its predecessor, the
// ZUGFeRD 1.0 Cross Industry Document: the same parties and amounts under other branch names.
class CiiInvoiceReader {
public:
    explicit CiiInvoiceReader(const XmlTree &tree);
    EInvoice read() const;

    // The branch names that differ between the two versions.
    struct Names {
        QStringView ram;
        QStringView udt;
        QStringView document;
        QStringView transaction;
        QStringView agreement;
        QStringView settlement;
        QStringView summation;
        QStringView lineAgreement;
        QStringView lineDelivery;
        QStringView lineSettlement;
        QStringView rate;
    };

private:
    using Element = XmlTree::Element;
    EInvoice::Party party(const Element *party) const;
    EInvoice::Line line(const Element &item) const;
    void readSettlement(const Element *settlement, EInvoice &invoice) const;
    void readTotals(const Element *summation, EInvoice &invoice) const;
    void readAttachments(const Element *agreement, EInvoice &invoice) const;
    QDate date(const Element *parent, QStringView name) const;
    std::optional<Decimal> amount(const Element *parent, QStringView name) const;
    QString text(const Element *parent, QStringView name) const;
    const Element *branch(const Element *parent, QStringView name) const;

    const XmlTree &m_tree;
    const Names &m_names;
    int m_ram;
    int m_udt;
    int m_rsm;
};
