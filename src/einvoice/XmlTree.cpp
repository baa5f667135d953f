#include "einvoice/XmlTree.h"

#include <QXmlStreamReader>

namespace {

// Far deeper than any invoice; keeps a hostile file from exhausting the stack of the walk.
constexpr int kMaxDepth = 256;

QString notReadable(const QXmlStreamReader &reader)
{
    return QStringLiteral("Die Datei ist kein lesbares XML-Dokument (Zeile %1: %2).")
        .arg(reader.lineNumber())
        .arg(reader.errorString());
}

class TreeBuilder {
public:
    explicit TreeBuilder(const QByteArray &xml)
        : m_reader(xml)
    {
        m_reader.setNamespaceProcessing(true);
    }

    QString build(XmlTree::Element &root, QStringList &namespaces)
    {
        m_namespaces = &namespaces;
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::DTD:
                return QStringLiteral("Die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE) und wird aus "
                                      "Sicherheitsgründen nicht gelesen.");
            case QXmlStreamReader::StartElement:
                if (QString failure = element(root, 1); !failure.isEmpty())
                    return failure;
                break;
            default: break;
            }
        }
        if (m_reader.hasError())
            return notReadable(m_reader);
        if (root.name.isEmpty())
            return QStringLiteral("Die Datei enthält kein XML-Element.");
        return {};
    }

private:
    int indexOf(QStringView uri)
    {
        const qsizetype found = m_namespaces->indexOf(uri);
        if (found >= 0)
            return int(found);
        m_namespaces->append(uri.toString());
        return int(m_namespaces->size() - 1);
    }

    // Reads the element the reader stands on, up to its end.
    QString element(XmlTree::Element &into, int depth)
    {
        if (depth > kMaxDepth)
            return QStringLiteral("Die Datei ist zu tief verschachtelt.");
        into.ns = indexOf(m_reader.namespaceUri());
        into.name = m_reader.name().toString();
        for (const QXmlStreamAttribute &attribute : m_reader.attributes())
            into.attributes.append({attribute.name().toString(), attribute.value().toString()});
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::StartElement:
                into.children.emplace_back();
                if (QString failure = element(into.children.back(), depth + 1); !failure.isEmpty())
                    return failure;
                break;
            case QXmlStreamReader::Characters: into.text += m_reader.text(); break;
            case QXmlStreamReader::EndElement: return {};
            default: break;
            }
        }
        return notReadable(m_reader);
    }

    QXmlStreamReader m_reader;
    QStringList *m_namespaces = nullptr;
};

} // namespace

std::variant<XmlTree, QString> XmlTree::parse(const QByteArray &xml)
{
    XmlTree tree;
    TreeBuilder builder(xml);
    if (QString failure = builder.build(tree.m_root, tree.m_namespaces); !failure.isEmpty())
        return failure;
    return tree;
}

int XmlTree::namespaceIndex(QStringView uri) const
{
    const qsizetype found = m_namespaces.indexOf(uri);
    return found < 0 ? -2 : int(found);
}

const XmlTree::Element *XmlTree::Element::child(int wantedNs, QStringView wantedName) const
{
    for (const Element &element : children) {
        if (element.ns == wantedNs && element.name == wantedName)
            return &element;
    }
    return nullptr;
}

QList<const XmlTree::Element *> XmlTree::Element::all(int wantedNs, QStringView wantedName) const
{
    QList<const Element *> found;
    for (const Element &element : children) {
        if (element.ns == wantedNs && element.name == wantedName)
            found.append(&element);
    }
    return found;
}

QString XmlTree::Element::textOf(int wantedNs, QStringView wantedName) const
{
    const Element *found = child(wantedNs, wantedName);
    return found ? found->text : QString();
}

QString XmlTree::Element::attribute(QStringView wantedName) const
{
    for (const auto &[attributeName, value] : attributes) {
        if (attributeName == wantedName)
            return value;
    }
    return {};
}
