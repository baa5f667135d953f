#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

// An XML document read whole into elements named by namespace and local name, for the e-invoice
// syntaxes whose terms lie in different branches of one file. A document type declaration is refused
// before anything of it is used, so no entity is ever expanded and nothing outside is fetched.
class XmlTree {
public:
    struct Element {
        int ns = -1; // index into the tree's namespaces
        QString name;
        QString text;                                  // the element's own character data
        QList<std::pair<QString, QString>> attributes; // local name, value
        std::vector<Element> children;

        const Element *child(int ns, QStringView name) const;
        QList<const Element *> all(int ns, QStringView name) const;
        // The text of the child, empty when there is none.
        QString textOf(int ns, QStringView name) const;
        QString attribute(QStringView name) const;
    };

    // The reason in German when the bytes are no well-formed document.
    static std::variant<XmlTree, QString> parse(const QByteArray &xml);

    const Element &root() const { return m_root; }
    const QString &rootNamespace() const { return m_namespaces[m_root.ns]; }
    // The index elements of that namespace carry; -2 (matching none) when it does not occur.
    int namespaceIndex(QStringView uri) const;

private:
    Element m_root;
    QStringList m_namespaces;
};
