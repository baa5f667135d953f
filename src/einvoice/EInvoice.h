#pragma once

#include "einvoice/Decimal.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One incoming electronic invoice as the terms of the European norm that the view and the record use,
// whatever syntax it came in. Texts are as the file has them; absent terms are empty.
struct EInvoice {
    enum class Syntax { Ubl, Cii, Zugferd1 };

    struct Address {
        QString street;      // BT-35 / BT-50
        QString additional;  // BT-36 / BT-51
        QString city;        // BT-37 / BT-52
        QString postCode;    // BT-38 / BT-53
        QString subdivision; // BT-39 / BT-54
        QString country;     // BT-40 / BT-55
    };
    struct Identifier {
        QString id;
        QString scheme;
    };
    struct Party {
        QString name;          // BT-27 / BT-44
        QString tradingName;   // BT-28 / BT-45
        QList<Identifier> ids; // BT-29 / BT-46, the identifiers without a scheme first
        QString vatId;         // BT-31 / BT-48
        QString taxNumber;     // BT-32
        Identifier endpoint;   // BT-34 / BT-49
        Address address;
        QString contactName;  // BT-41 / BT-56
        QString contactPhone; // BT-42 / BT-57
        QString contactEmail; // BT-43 / BT-58
    };
    struct Line {
        QString id;                       // BT-126
        std::optional<Decimal> quantity;  // BT-129
        QString unit;                     // BT-130
        std::optional<Decimal> netPrice;  // BT-146
        std::optional<Decimal> netAmount; // BT-131
        QString vatCategory;              // BT-151
        std::optional<Decimal> vatRate;   // BT-152
        QString name;                     // BT-153
        QString description;              // BT-154
    };
    struct VatBreakdown {
        std::optional<Decimal> taxableAmount; // BT-116
        std::optional<Decimal> taxAmount;     // BT-117
        QString category;                     // BT-118
        std::optional<Decimal> rate;          // BT-119
        QString exemptionReason;              // BT-120
    };
    struct Totals {
        std::optional<Decimal> lineNet;    // BT-106
        std::optional<Decimal> allowances; // BT-107
        std::optional<Decimal> charges;    // BT-108
        std::optional<Decimal> withoutVat; // BT-109
        std::optional<Decimal> vat;        // BT-110
        std::optional<Decimal> withVat;    // BT-112
        std::optional<Decimal> paid;       // BT-113
        std::optional<Decimal> rounding;   // BT-114
        std::optional<Decimal> payable;    // BT-115
    };
    struct PaymentMeans {
        QString code; // BT-81
        QString iban; // BT-84, the payee's account
        QString bic;  // BT-86
    };
    struct Attachment {
        QString name;        // the file name, else BT-122
        QString description; // BT-123
        qint64 size = -1;    // bytes of an embedded file; -1 for a reference
    };

    Syntax syntax = Syntax::Ubl;
    bool creditNoteRoot = false;   // a UBL CreditNote
    QString number;                // BT-1
    QDate issueDate;               // BT-2
    QString typeCode;              // BT-3
    QString currency;              // BT-5
    QDate dueDate;                 // BT-9
    QString buyerReference;        // BT-10
    QStringList paymentTerms;      // BT-20
    QStringList notes;             // BT-22
    Party seller;                  // BG-4
    Party buyer;                   // BG-7
    QString payeeName;             // BT-59
    QList<Line> lines;             // BG-25, top-level lines only
    QList<VatBreakdown> vat;       // BG-23
    Totals totals;                 // BG-22
    QString remittance;            // BT-83
    QList<PaymentMeans> payments;  // BG-16, in document order
    QList<Attachment> attachments; // BG-24

    // A UBL CreditNote or type code 381.
    bool isCreditNote() const { return creditNoteRoot || typeCode == u"381"; }
};
