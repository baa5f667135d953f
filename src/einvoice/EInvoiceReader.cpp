#include "einvoice/EInvoiceReader.h"

#include "einvoice/CiiInvoiceReader.h"
#include "einvoice/UblInvoiceReader.h"
#include "einvoice/XmlTree.h"

namespace {

enum class Root { Unknown, Ubl, Cii };

Root rootOf(const XmlTree &tree)
{
    const QString &ns = tree.rootNamespace();
    const QString &name = tree.root().name;
    if ((name == u"Invoice" && ns == u"urn:oasis:names:specification:ubl:schema:xsd:Invoice-2")
        || (name == u"CreditNote" && ns == u"urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2"))
        return Root::Ubl;
    if ((name == u"CrossIndustryInvoice" && ns == u"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100")
        || (name == u"CrossIndustryDocument" && ns == u"urn:ferd:CrossIndustryDocument:invoice:1p0"))
        return Root::Cii;
    return Root::Unknown;
}

} // namespace

std::variant<EInvoice, QString> EInvoiceReader::read(const QByteArray &xml)
{
    if (xml.size() > kMaxBytes)
        return QStringLiteral("Die Datei ist größer als 20 MB und wird nicht als E-Rechnung gelesen.");
    std::variant<XmlTree, QString> parsed = XmlTree::parse(xml);
    if (const QString *failure = std::get_if<QString>(&parsed))
        return *failure;
    const XmlTree &tree = std::get<XmlTree>(parsed);
    switch (rootOf(tree)) {
    case Root::Ubl: return UblInvoiceReader(tree).read();
    case Root::Cii: return CiiInvoiceReader(tree).read();
    case Root::Unknown: break;
    }
    return QStringLiteral("Die Datei ist keine E-Rechnung (XRechnung, ZUGFeRD oder Factur-X).");
}
